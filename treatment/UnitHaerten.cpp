#include "treatment/UnitHaerten.h"

#include "shell/ScreenFrame.h"

TFormHaerten* FormHaerten = nullptr;

namespace UnitHaerten {

Variables Unit;

namespace {

using namespace ProcessRoute;

const TData Route{
    .Caption = "Schematische Prozessführung beim Härten",
    .Hint = ScreenFrame::HintEsc,
    .Strip = "Haerten.Gef",
    .Small = {{5, 5, 770, 500}, {10, 350, 320, 170}, {332, 350, 428, 170}, 0},
    .Large = {{90, 50, 770, 550}, {30, 450, 400, 170}, {440, 450, 550, 170}, 0},
    .BackdropOuter = {10, 22, 1005, 630},
    .Explanation =
        {
            "  Die Umwandlungshärtung ist nur bei Werkstoffen möglich, die eine ",
            "  Gamma/Alpha-Umwandlung durchlaufen. Unlegierte Stähle mit ",
            "  mindestens 0.2% Kohlenstoff besitzen gute Voraussetzungen für ",
            "  diese Härtung. Der im Austenit (Gamma-Eisen) gelöste Kohlenstoff ",
            "  kann bei schneller Abkühlung nicht mehr diffundieren und bleibt in ",
            "  einem verspannten Ferritgitter (Martensit) zwangsgelöst. Stähle mit",
            "  weniger als 0.2% Kohlenstoff müssen extrem schnell abgekühlt wer-",
            "  den, damit Martensit auftritt; außerdem hat der Martensit wegen des",
            "  niedrigen Gehaltes an Kohlenstoff keine allzu hohe Härte.  ",
            "  Beim Umwandlungshärten wird, je nach Abschreckmittel zwischen ",
            "  Wasser-, Öl- oder Lufthärten unterschieden. Die Darstellung zeigt ",
            "  schematisch die Prozessführung beim Härten eines unlegierten ",
            "  Stahles mit 0.45% Kohlenstoff, der üblicherweise in Wasser ",
            "  \"abgeschreckt\" wird. ",
            " ",
        },
    .DefinitionX = 7,
    .Definition =
        {
            {10, "Härten: Definition nach DIN EN 10052"},
            {50, "\"Austenitisieren und Abkühlen unter Bedingungen,"},
            {70, " die bei Härtesteigerung zur Martensit- gegebenen-"},
            {90, " falls Bainitbildung führen.\""},
        },
};

const ZtuRoute::TData Ztu{ZtuRoute::NearBlack, {"Ferrit", 300, 357}};

// Quenching: 30 pixels down a tick from the end of the holding line up to 4.2 time divisions;
// the route ends at 4.16 with the martensite.
constexpr int QuenchLimit = 420;
constexpr int QuenchDrop = 30;
constexpr int QuenchEnd = 416;
constexpr TPoint MartensiteFrame{290, -130}; // y from ProzUnten
constexpr int MartensiteFrameNr = 12;
constexpr int MartensiteTextDy = -17;

// The water quench on the overlay: a parabola 0.025 · x², then straight at 2.3 pixels a pixel
// through (93, 170), 3 pixels a tick; a dot where it crosses Ms; the end 20 pixels above the
// overlay's foot. Its label stands 20 pixels above the curve's last point: on the taller overlay
// of the large layout the row the end test last computed lies past the curve's end, below the
// overlay, where the label would be cut away.
constexpr long double Parabola = 0.025L;
constexpr int ParabolaEnd = 67;
constexpr int StraightEnd = 100;
constexpr long double StraightSlope = 2.3L;
constexpr int StraightPivotX = 93;
constexpr int StraightPivotY = 170;
constexpr int QuenchStep = 3;
constexpr int DotAt = 72;
constexpr TRect DotCorners{-7, -5, -1, 1};
constexpr int StopMargin = 20;
constexpr TPoint MartensiteAt{600, 170};
constexpr int EndTextDy = -20;

} // namespace

} // namespace UnitHaerten

using namespace UnitHaerten;
using namespace ProcessRoute;

TFormHaerten::TFormHaerten() : TZtuRoute(Route, Ztu, Unit) {
    PaintBoxLog->SetColor(clRed);
    TimerZTA = new TTimer(this, ProcessInterval, false);
    TimerZTA->OnTimer = [this] { TimerZTATimer(); };
    Timer600 = new TTimer(this, 1, false);
    Timer600->OnTimer = [this] { Timer600Timer(); };
    processTimer_ = TimerZTA;
    curveTimer_ = Timer600;

    AddEnde();
    AddStart("&Austenitisierung und schnelle Abkühlung");
    ZTUWasserabkuehlung = MainMenu.Add("ZTUWasserabkuehlung", "Abkühlung im &ZTU-Schaubild",
                                       [this] { ZTUWasserabkuehlungClick(); });
    curveItem_ = ZTUWasserabkuehlung;
    AddNeu();
    AddEscape();
}

void TFormHaerten::ZTUWasserabkuehlungClick() {
    StartCurve();
}

void TFormHaerten::TimerZTATimer() {
    BeginProcessTick();
    HeatAndHold();
    PlayCues(ZtuRoute::AusteniteCues);
    TCanvas& c = PaintBoxHaupt->Canvas;
    const TProzFrame& p = Unit.Proz;
    int& x = Unit.KurveX;
    float& y = Unit.KurveY;
    // The first drop comes in the tick of the last holding step.
    if (p.X(ZtuRoute::CoolingStart) < x && x <= p.X(QuenchLimit)) {
        ++x;
        y = static_cast<float>(Round(y + QuenchDrop));
        c.LineTo(x, Round(y));
    }
    if (x >= p.X(QuenchEnd)) {
        c.Brush.Color = clBlack;
        ImageListGef->Draw(c, MartensiteFrame.X, p.Unten + MartensiteFrame.Y, MartensiteFrameNr);
        ++Unit.BildNr;
        c.TextOut(MartensiteFrame.X, Round(y + MartensiteTextDy), " Martensit ");
        EndProcess();
    }
}

void TFormHaerten::Timer600Timer() {
    BeginCurveTick();
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = Unit.KurveX;
    float& y = Unit.KurveY;
    y = static_cast<float>(Parabola * x * x);
    if (x <= ParabolaEnd) {
        c.LineTo(x, Round(y));
        x += QuenchStep;
    }
    if (ParabolaEnd < x && x <= StraightEnd) {
        y = static_cast<float>((x - StraightPivotX) * StraightSlope + StraightPivotY);
        c.LineTo(x, Round(y));
        x += QuenchStep;
    }
    if (x == DotAt)
        TimeTemperature::Dot(c, clBlue, clBlack, x + DotCorners.Left, Round(y + DotCorners.Top),
                             x + DotCorners.Right, Round(y + DotCorners.Bottom));
    if (y > PaintBoxLog->Height() - StopMargin)
        EndCurve(MartensiteFrameNr, MartensiteAt, " Martensit / evtl. mit Restaustenit ",
                 {x, c.PenPos.Y + EndTextDy});
}
