#include "treatment/UnitVergueten.h"

#include "shell/ScreenFrame.h"
#include "treatment/UnitVergschau.h"

TFormVergueten* FormVergueten = nullptr;

namespace UnitVergueten {

Variables Unit;

namespace {

using namespace ProcessRoute;

const TData Route{
    .Caption = "Schematische Prozessführung beim Vergüten",
    .Hint = ScreenFrame::HintF2,
    .Strip = "Vergueten.Gef",
    .Small = {{5, 5, 770, 500}, {10, 350, 320, 170}, {332, 350, 433, 170}, 18},
    .Large = {{120, 50, 770, 550}, {30, 450, 420, 180}, {450, 450, 540, 180}, 0},
    .BackdropOuter = {10, 22, 1005, 650},
    .Explanation =
        {
            "  Eine Verbesserung der Zähigkeit kommt z. B. bei einem Ferrit-",
            "  Perlitgefüge dadurch zustande, dass durch das Härten und dem",
            "  anschließendem Ausscheiden feinverteilter kugeliger Karbide beim",
            "  Anlassen ein gleichmäßigeres Gefüge entsteht als im unbehand-",
            "  elten Zustand. Die durch das Härten entstandenen Verspannungen ",
            "  werden mit Hilfe des Anlassens weitesgehend rückgängig gemacht.",
            "  Die Darstellung zeigt schematisch die Prozessführung beim Ver-",
            "  güten eines unlegierten Stahles mit 0.45% Kohlenstoff und ver-",
            "  sucht die dabei ablaufenden Gefügeveränderungen darzustellen.",
            " ",
        },
    .DefinitionX = 5,
    .Definition =
        {
            {10, "Vergüten: Definition nach DIN EN 10052"},
            {50, "\"Härten und Anlassen bei höherer Temperatur,"},
            {70, " um die gewünschte Kombination der mechanischen"},
            {90, " Eigenschaften , insbesondere hohe Zähigkeit und"},
            {110, " Duktillität, zu erreichen.\""},
        },
};

// The process diagram stands at fixed pixels in both layouts.
constexpr TProzFrame Frame{190, 750, 20, 300, 62, 46};

// The stages, by the head's x. Heating: a fan of lines from (190, 295) to a head that climbs 5
// pixels a tick to y 110 (826 °C); holding there; three quench lines from (291, 110) down 62
// pixels each; room temperature 2 pixels a tick; reheating 2 pixels up a pixel to the tempering
// level; holding; cooling 2 pixels down a pixel to (666, 278).
constexpr TPoint FanOrigin{190, 295};
constexpr int HeatingEnd = 228;
constexpr int HeatingRise = 5;
constexpr int HoldFrom = 227;
constexpr int HoldEnd = 290;
constexpr int AustenitisingY = 110;
constexpr TPoint QuenchOrigin{291, AustenitisingY};
constexpr int QuenchEnd = 294;
constexpr int QuenchDrop = 62;
constexpr int RoomFrom = 293;
constexpr int RoomEnd = 320;
constexpr int RoomStep = 2;
constexpr int ReheatFrom = 319;
constexpr int ReheatEnd = 395;
constexpr int ReheatRise = 2;
constexpr int TemperFrom = 394;
constexpr int TemperEnd = 600;
constexpr int CoolFrom = 599;
constexpr int CoolEnd = 666;
constexpr int CoolDrop = 2;
constexpr int RunEnd = 665;

const std::vector<TCue> Cues = [] {
    std::vector<TCue> cues{
        {191, 0, {40, 220}, 1, clBlack, {{"Ferrit+Perlit", {60, 325}}}},
        {225,
         0,
         {40, 10},
         1,
         LineRed,
         {{" Austenitisiertemperatur ", {220, 42}},
          {HoldingText, {220, 60}},
          {" T > A[c3] im Gleichgewicht ", {220, 78}}}},
    };
    for (int x = 230; x <= 275; x += 5)
        cues.push_back({x, NextFrame, {40, 10}});
    cues.push_back({280, 11, {40, 10}, 12, clBlack, {{"Homogener Austenit", {40, 115}}}});
    cues.push_back({293, 12, {380, 220}, 13, clBlack, {{" Martensit ", {380, 325}}}});
    for (int x : {399, 430, 460, 490, 520, 550})
        cues.push_back({x, NextFrame, {580, 10}});
    cues.push_back({400,
                    NoFrame,
                    {},
                    CountOn,
                    LineRed,
                    {{" Anlasstemperatur ", {420, 42}},
                     {HoldingText, {420, 60}},
                     {" T < A[c1] im Gleichgewicht ", {420, 78}}}});
    cues.push_back({580, 19, {580, 10}, 20, clBlack, {{" Gefüge nach dem Anlassen ", {580, 115}}}});
    return cues;
}();

} // namespace

} // namespace UnitVergueten

using namespace UnitVergueten;
using namespace ProcessRoute;

TFormVergueten::TFormVergueten() : TProcessRoute(Route, Unit) {
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    TimerProzess = new TTimer(this, ProcessInterval, false);
    TimerProzess->OnTimer = [this] { TimerProzessTimer(); };
    processTimer_ = TimerProzess;

    AddEnde();
    AddStart("&Austenitisierung und schnelle Abkühlung");
    AddNeu();
    AddEscape();
    AddPause("Prozessanhalten");
    Vergtungsschaubild1 = MainMenu.Add("Vergtungsschaubild1", "Vergütungsschaubild C45",
                                       [this] { Vergtungsschaubild1Click(); });
}

void TFormVergueten::SetFrames() {
    Unit.Proz = Frame;
}

void TFormVergueten::PaintBoxHauptPaint() {
    SetFrames();
    TCanvas& c = PaintBoxHaupt->Canvas;
    PaintBackground(c);
    PaintProcessDiagram(c);
}

void TFormVergueten::Vergtungsschaubild1Click() {
    if (FormVerSchau)
        FormVerSchau->ShowModal();
}

void TFormVergueten::TimerProzessTimer() {
    BeginProcessTick();
    TCanvas& c = PaintBoxHaupt->Canvas;
    int& x = Unit.KurveX;
    float& y = Unit.KurveY;
    // The stages are tested in turn on the x the one before left, so one tick may run two.
    if (x <= HeatingEnd) {
        c.MoveTo(FanOrigin.X, FanOrigin.Y);
        ++x;
        c.LineTo(x, Round(y - HeatingRise));
        y -= HeatingRise;
    }
    if (HoldFrom < x && x <= HoldEnd) {
        c.MoveTo(x, AustenitisingY);
        ++x;
        y = AustenitisingY;
        c.LineTo(x, AustenitisingY);
    }
    if (HoldEnd < x && x < QuenchEnd) {
        c.MoveTo(QuenchOrigin.X, QuenchOrigin.Y);
        ++x;
        y = static_cast<float>(Round(y + QuenchDrop));
        c.LineTo(x, Round(y));
    }
    if (RoomFrom < x && x < RoomEnd) {
        x += RoomStep;
        c.LineTo(x, Round(y));
    }
    if (ReheatFrom < x && x < ReheatEnd) {
        ++x;
        y = static_cast<float>(Round(y - ReheatRise));
        c.LineTo(x, Round(y));
    }
    if (TemperFrom < x && x < TemperEnd) {
        c.MoveTo(x, Round(y));
        ++x;
        c.LineTo(x, Round(y));
    }
    if (CoolFrom < x && x < CoolEnd) {
        ++x;
        y = static_cast<float>(Round(y + CoolDrop));
        c.LineTo(x, Round(y));
    }
    if (x > RunEnd)
        EndProcess();
    PlayCues(Cues);
}
