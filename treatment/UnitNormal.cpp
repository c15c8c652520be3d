#include "treatment/UnitNormal.h"

#include "shell/ScreenFrame.h"

#include <climits>

TFormNormal* FormNormal = nullptr;

namespace UnitNormal {

Variables Unit;

namespace {

using namespace ProcessRoute;

const TData Route{
    .Caption = "Schematische Prozessführung beim Normalglühen",
    .Hint = ScreenFrame::HintF2,
    .Strip = "Normal.Gef",
    .Small = {{5, 5, 770, 500}, {10, 350, 420, 170}, {430, 350, 343, 170}, 0},
    .Large = {{90, 50, 770, 550}, {30, 450, 540, 180}, {570, 450, 420, 180}, 0},
    .BackdropOuter = {10, 22, 1005, 650},
    .Explanation =
        {
            "  Die Grafik zeigt schematisch die Prozessführung",
            "  beim Normalisieren (Normalglühen) eines untereu-",
            "  tektoidischen Stahles mit 0.45% C. ",
            "  Im Perlit liegt der Zementit und der Ferrit in La-",
            "  mellen dicht beisammen. Daher sind praktisch ",
            "  überall Keime für die Austenitbildung vorhanden, ",
            "  so dass an mehreren Stellen eines groben Perlit-",
            "  korns feinere Austenitkörner entstehen.",
            "  Aus einem Austenitkorn entstehen bei der Abküh-",
            "  lung sowohl Ferrit als auch Perlitkörner, dass zu ",
            "  einer weiteren Verfeinerung des umkristallisierten",
            "  Gefüges führt.    ",
            "  ",
            "  ",
            "  ",
            " ",
        },
    .DefinitionX = 7,
    .Definition =
        {
            {10, "Normalglühen: Definition nach DIN EN 10052"},
            {30, "\"Erwärmung auf eine Temperatur von 50°C oberhalb des oberen"},
            {50, " Umwandlungspunktes A[c3] (bei übereutektoidischen Stählen "},
            {70, " oberhalb des unteren Umwandlungspunktes A[c1]) mit anschließen-"},
            {90, " dem Abkühlen in ruhender Luft. Im allgemeinen soll mit dieser"},
            {110, " Wärmebehandlung ein gleichmäßtges und feinkörniges Gefüge mit"},
            {130, " Perlit erzielt werden. Führt eine solche Temperatur-Zeit-Folge"},
            {150, " zu Bainit oder Martensit so ist der Ausdruck Lufthärten angebracht\""},
        },
};

constexpr TColor BlackCurves = 0;
const ZtuRoute::TData Ztu{BlackCurves, {"Ferrit", 500, 370}};

// Cooling in air: 2 pixels down a pixel of time, for 82 pixels beyond the holding line.
constexpr int CoolingLength = 82;
constexpr int CoolingDrop = 2;
constexpr int EndTextX = 290;

// The fine austenite grains and the ferrite forming in them while the part cools.
const std::vector<TCue> CoolingCues = [] {
    std::vector<TCue> cues;
    for (int x = 218; x <= 225; ++x)
        cues.push_back({x, NextFrame, {290, -130, TRow::FromUnten}});
    return cues;
}();

// The air-cooling curve on the overlay: the constant-rate curve 2 pixels lower up to x 145, a
// plateau at y 36 while the ferrite and pearlite form, then 3 pixels down a pixel.
constexpr long double AirK = 0.76L;
const TimeTemperature::TSegment AirCooling[] = {
    {INT_MIN, 145, true, 0, 0, 0, 3, false, 2},
    {145, 155, false, 0, 0, 36, 2},
    {155, 270, false, 0, 3, -435, 2},
};
struct Marker {
    int AtX;
    TColor Fill;
    TRect Corners;
};
constexpr Marker Markers[] = {
    {149, clBlack, {-12, -12, -6, -6}},
    {159, clBlack, {-14, -3, -8, 3}},
    {165, clWhite, {-10, -16, -4, -10}},
};
constexpr int StopMargin = 50;
constexpr int NormalisedFrame = 19;
constexpr TPoint NormalisedAt{650, 160};
constexpr TPoint EndTextOffset{-50, 7};

} // namespace

} // namespace UnitNormal

using namespace UnitNormal;
using namespace ProcessRoute;

TFormNormal::TFormNormal() : TZtuRoute(Route, Ztu, Unit) {
    TimerZTA = new TTimer(this, ProcessInterval, false);
    TimerZTA->OnTimer = [this] { TimerZTATimer(); };
    Timer15 = new TTimer(this, ProcessInterval, false);
    Timer15->OnTimer = [this] { Timer15Timer(); };
    processTimer_ = TimerZTA;
    curveTimer_ = Timer15;

    AddEnde();
    AddStart("&Austenitisierung und  Abkühlung");
    ZTULuftab =
        MainMenu.Add("ZTULuftab", "Abkühlung im &ZTU-Schaubild", [this] { ZTULuftabClick(); });
    curveItem_ = ZTULuftab;
    AddNeu();
    AddEscape();
    AddPause("Prozess anhalten");
}

void TFormNormal::ZTULuftabClick() {
    StartCurve();
}

void TFormNormal::TimerZTATimer() {
    BeginProcessTick();
    HeatAndHold();
    TCanvas& c = PaintBoxHaupt->Canvas;
    const TProzFrame& p = Unit.Proz;
    int& x = Unit.KurveX;
    float& y = Unit.KurveY;
    const int coolingEnd = p.X(ZtuRoute::CoolingStart) + CoolingLength;
    if (p.X(ZtuRoute::CoolingStart) < x && x <= coolingEnd) {
        ++x;
        y = static_cast<float>(Round(y + CoolingDrop));
        c.LineTo(x, Round(y));
    }
    if (x >= coolingEnd) {
        c.Brush.Color = clBlack;
        c.TextOut(EndTextX, Round(y), " Ferrit/Perlit ");
        EndProcess();
        Prozessanhalten->SetEnabled(false);
    }
    PlayCues(ZtuRoute::AusteniteCues);
    PlayCues(CoolingCues);
}

void TFormNormal::Timer15Timer() {
    BeginCurveTick();
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = Unit.KurveX;
    float& y = Unit.KurveY;
    TimeTemperature::GrowCurve(c, AirCooling, AirK, x, y);
    for (const Marker& m : Markers)
        if (x == m.AtX)
            TimeTemperature::Dot(c, clBlue, m.Fill, x + m.Corners.Left, Round(y + m.Corners.Top),
                                 x + m.Corners.Right, Round(y + m.Corners.Bottom));
    if (y > PaintBoxLog->Height() - StopMargin)
        EndCurve(NormalisedFrame, NormalisedAt, " ferritsch/perlitisches Gefüge ",
                 {x + EndTextOffset.X, Round(y + EndTextOffset.Y)});
}
