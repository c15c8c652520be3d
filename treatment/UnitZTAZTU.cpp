#include "treatment/UnitZTAZTU.h"

#include "ironcarbon/IronCarbonGeometry.h"
#include "shell/ScreenFrame.h"
#include "treatment/NormalisingBand.h"
#include "zta_ztu/TimeTemperature.h"

#include <span>
#include <string>
#include <vector>

TFormZTAZTU* FormZTAZTU = nullptr;

namespace UnitZTAZTU {

Variables Unit;

namespace {

// --- the window --------------------------------------------------------------------------------

// The window as stored: at 120 pixels per inch with a text height of 16.
constexpr int DesignPixelsPerInch = 120;
constexpr int DesignTextHeight = 16;
constexpr int FormFontHeight = -14;
constexpr int SurfaceFontHeight = -20;
constexpr int HintFontHeight = -17;
constexpr int MemoFontDesignHeight = 16;
constexpr int AnimationInterval = 50;

using ScreenFrame::Bounds;
using ScreenFrame::Place;
struct Layout {
    Bounds Diagram;
    Bounds Memo;
};
// The surface keeps its size in both layouts; in the small one the text covers its lower part.
constexpr Layout SmallLayout{{10, 5, 760, 492}, {50, 424, 690, 90}};
constexpr Layout LargeLayout{{100, 50, 760, 492}, {60, 550, 888, 110}};
constexpr TRect BackdropOuter{20, 22, 1000, 670};
constexpr TRect BackdropInner{60, 45, 950, 650};

const std::vector<std::string> Explanation{
    " Die Grafik zeigt schematisch eine zeitliche Temperaturführung, wie sie beispielsweise beim "
    "Normalglühen ",
    " durchgeführt wird. Zu beachten ist, dass die Gleichgewichtszustände, die im "
    "Eisen-Kohlenstoff-Schaubild ",
    " beschrieben werden, nur bei sehr langsamen Temperaturänderungen gültig sind. Das EKS dient "
    "nur dazu, die",
    " Lage der Austenitisiertemperaturen, bei untereutektoidischen Stählen ca. 50 K oberhalb "
    "A[c3] und bei übereutekto-",
    " idischen Stählen ca. 50 K oberhalb A[c1], zu zeigen.",
};

// --- the diagram -------------------------------------------------------------------------------

// The section's frame lies 230 from the left, 18 from the top, 80 from the right and 111 from
// the bottom edge of the surface: 40 pixels per 0.2 % carbon, 60 per 200 K.
constexpr int FrameLeft = 230;
constexpr int FrameTop = 18;
constexpr int FrameRightMargin = 80;
constexpr int FrameBottomMargin = 111;

constexpr int PaintFontHeight = 12;

// The background: rows of width 1 from yellow fading to red, then rows of width 2, two pixels
// apart, darkening from red; the last of them leaves the pen for the frame (colour 8).
constexpr int BackgroundLeft = 4;
constexpr int YellowRows = 255;
constexpr TColor BackgroundYellow = 0xFFFF;
constexpr TColor GreenStep = 256;
constexpr int RedRowWidth = 2;
constexpr int RedBase = 500;

constexpr long double GridCelsiusStep = 200;
constexpr int GridRows = 5;
constexpr long double GridCarbonStep = 0.2L;
constexpr int GridColumns = 10;

struct FixedText {
    const char* Text;
    TPoint At;
};
constexpr FixedText BlackScaleLabels[] = {
    {"Temperatur/°C", {280, 1}}, {"1000", {197, 75}}, {" 800", {200, 135}}, {" 600", {200, 195}}};
constexpr FixedText WhiteScaleLabels[] = {
    {" 400", {200, 255}},      {"   0", {205, 370}},  {" 200", {200, 315}},
    {"C-Gehalt/", {695, 361}}, {"Gew.%", {695, 381}}, {" 0", {225, 387}},
};
// "0.2" … "2.0" stand 5 pixels left of their grid lines, "2.2" 10 left of the frame's edge.
constexpr const char* CarbonLabels[GridColumns] = {"0.2", "0.4", "0.6", "0.8", "1.0",
                                                   "1.2", "1.4", "1.6", "1.8", "2.0"};
constexpr int CarbonLabelDx = -5;
constexpr int CarbonLabelY = 387;
constexpr FixedText LastCarbonLabel{"2.2", {660, 387}};

// The lines of the steel corner, as (carbon %, °C).
struct SectionPoint {
    long double Carbon;
    long double Celsius;
};
constexpr SectionPoint At(const IronCarbonGeometry::CharacteristicPoint& p) {
    return {p.Carbon, p.Celsius};
}
constexpr SectionPoint E = At(IronCarbonGeometry::Characteristic("E"));
constexpr SectionPoint S = At(IronCarbonGeometry::Characteristic("S"));
constexpr SectionPoint G = At(IronCarbonGeometry::Characteristic("G"));
constexpr SectionPoint Q = At(IronCarbonGeometry::Characteristic("Q"));
constexpr long double SectionCarbon = 2.2L;
// E–J leaves the section through its top edge; the ferrite solvus bends at 0.02 %.
constexpr SectionPoint TowardsJ{1.75L, 1210};
constexpr SectionPoint FerriteCorner{0.02L, S.Celsius};

constexpr TColor Colour1 = 0x000001;
constexpr int BoundaryWidth = 2;
constexpr FixedText PointLabels[] = {{"G", {218, 93}},      {"S", {394, 165}},
                                     {"E", {646, 21}},      {"P", {238, 150}},
                                     {"723°C", {638, 168}}, {"1147°C", {634, 39}}};

// The time axis in perspective: an arrow along it, its two white edges and the dotted far edges
// of the time plane.
constexpr TColor AxisGreen = 0x008000;
constexpr TPoint ArrowTail{70, 56};
constexpr TPoint ArrowTip{160, 26};
constexpr TPoint ArrowBarbs[] = {{144, 38}, {140, 27}};
constexpr TPoint AxisOrigin{10, 90};
constexpr TPoint AxisTimeEnd{270, 1};
constexpr TPoint AxisTemperatureEnd{10, 485};
constexpr TPoint PlaneCorner{270, 360};
constexpr int AxisWidth = 4;
constexpr int TimeFontHeight = 24;
constexpr FixedText TimeTitle{"Zeit", {22, 50}};

// --- the run -----------------------------------------------------------------------------------

// The band of austenitising temperatures: about 50 K above A(c3) below 0.8 % carbon, above A(c1)
// beyond, up to 2.09 %.
constexpr NormalisingBand::Shape AustenitisingBand{14, 155, 650};
constexpr FixedText LineNames[] = {{"A      - Linie", {340, 100}},
                                   {"c3", {355, 107}},
                                   {"A      - Linie", {520, 105}},
                                   {"c1", {535, 112}}};

// The curves: each starts at its own (12, 400), moves 4 to the right a tick and ends beyond
// X 260. Heating is a steep parabola to about 185, holding rises along the perspective time
// direction, cooling a flat parabola to about 300.
constexpr int CurveStartX = 12;
constexpr float CurveStartY = 400;
constexpr int CurveStep = 4;
constexpr int CurveEnd = 260;
constexpr int HeatingEnd = 53;
constexpr int HoldingEnd = 140;
constexpr TColor CurveGreen = 60160;
constexpr int CurveWidth = 3;
constexpr int StageFontHeight = 18;
constexpr FixedText StageNames[] = {
    {"Aufheizung", {60, 310}}, {"Halten", {170, 100}}, {"Abkühlung", {280, 80}}};

// 40 pixels, 0.2 % carbon, further right each; lifted to that content's austenitising level.
constexpr CurveOffset Offsets[Curves] = {{130, 50}, {170, 35}, {210, 20}, {250, 7}, {290, 5},
                                         {330, 5},  {370, 5},  {410, 5},  {450, 5}, {490, 5}};

TPoint OnSurface(int curve, int x, float y) {
    const CurveOffset& o = Offsets[curve];
    return {x + o.A, Round(static_cast<long double>(y) - o.B)};
}

void Write(TCanvas& c, std::span<const FixedText> texts) {
    for (const FixedText& t : texts)
        c.TextOut(t.At.X, t.At.Y, t.Text);
}

void Polyline(TCanvas& c, const TimeTemperature::TSectionFrame& frame,
              std::initializer_list<SectionPoint> points) {
    bool first = true;
    for (const SectionPoint& p : points) {
        const TPoint at = frame.At(p.Carbon, p.Celsius);
        if (first)
            c.MoveTo(at.X, at.Y);
        else
            c.LineTo(at.X, at.Y);
        first = false;
    }
}

TimeTemperature::TSectionFrame Frame(int w, int h) {
    return TimeTemperature::MakeSectionFrame(FrameLeft, w - FrameRightMargin, FrameTop,
                                             h - FrameBottomMargin);
}

} // namespace

// Heating is the parabola (0.35 · X − 19)² + 185, holding the line 207 − 0.42 · X and cooling the
// parabola 565 − 0.0012 · (X − 730)², each evaluated exactly and kept as a single-precision real.
std::optional<float> CourseY(int x) {
    const long double X = x;
    if (x <= HeatingEnd) {
        const long double rise = 0.35L * X - 19;
        return static_cast<float>(rise * rise + 185);
    }
    if (x > HeatingEnd && x < HoldingEnd)
        return static_cast<float>(207 - 0.42L * X);
    if (x > HoldingEnd) {
        const long double fall = X - 730;
        return static_cast<float>(565 - 0.0012L * fall * fall);
    }
    return std::nullopt;
}

} // namespace UnitZTAZTU

using namespace UnitZTAZTU;

TFormZTAZTU::TFormZTAZTU() : TForm(DesignPixelsPerInch, DesignTextHeight) {
    SetCaption("Schematische Darstellung der Temperaturführung bei der Wärmebehandlung "
               "(Normalglühen)");
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", FormFontHeight, clWindowText, false});

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(ScreenFrame::DiagramOrange);
    PaintBoxHaupt->SetFont({"MS Sans Serif", SurfaceFontHeight, clWindowText, false});
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    // Always shown, read-only, without scroll bars; its lines are broken as they stand.
    MemoErlaeuterung = ScreenFrame::AddExplanation(
        *this, {ScreenFrame::ExplanationYellow, false, ssNone, true, /*StartsHidden=*/false});
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);

    TimerAc = new TTimer(this, AnimationInterval, false);
    TimerAc->OnTimer = [this] { TimerAcTimer(); };
    for (int i = 0; i < Curves; ++i) {
        CurveTimers[i] = new TTimer(this, AnimationInterval, false);
        CurveTimers[i]->OnTimer = [this, i] { CurveTimerTimer(i); };
    }

    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
    START = MainMenu.Add("START", "&Start", [this] { STARTClick(); });
    Neu = MainMenu.Add("Neu", "&Löschen/Neu", [this] { NeuClick(); });
}

void TFormZTAZTU::FormCreate() {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    Unit.FaktorX = layout.FaktorX;
    Unit.FaktorY = layout.FaktorY;
    const Layout& fixed = layout.Small ? SmallLayout : LargeLayout;
    Place(*PaintBoxHaupt, fixed.Diagram);
    Place(*MemoErlaeuterung, fixed.Memo);
    ScreenFrame::SetExplanationFont(*MemoErlaeuterung, Unit.FaktorY, MemoFontDesignHeight);
    ScreenFrame::WriteLines(*MemoErlaeuterung, Explanation);
}

void TFormZTAZTU::FormPaint() {
    ScreenFrame::DrawBackdrop(*this, PaintBoxHaupt->Color(), BackdropOuter, BackdropInner);
}

// --- painting ----------------------------------------------------------------------------------

void TFormZTAZTU::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const int w = PaintBoxHaupt->Width();
    const int h = PaintBoxHaupt->Height();
    c.Font.Height = PaintFontHeight;
    c.Pen.Style = psSolid;
    PaintBackground(c, w, h);
    PaintFrameAndGrid(c, w, h);
    PaintLabels(c);
    PaintIronCarbonLines(c);
    PaintTimeAxis(c);
    // A repaint in the middle of the run lets the animation go on from where it stands.
    const TPoint head = HeadPoint();
    c.MoveTo(head.X, head.Y);
}

void TFormZTAZTU::PaintBackground(TCanvas& c, int w, int h) {
    c.Pen.Width = 1;
    for (int i = 0; i <= YellowRows; ++i) {
        c.Pen.Color = BackgroundYellow - GreenStep * i;
        c.MoveTo(BackgroundLeft, i);
        c.LineTo(w, i);
    }
    c.Pen.Width = RedRowWidth;
    for (int k = YellowRows; k <= h; ++k) {
        const int y = RedRowWidth * k - YellowRows;
        c.Pen.Color = RedBase - k;
        c.MoveTo(BackgroundLeft, y);
        c.LineTo(w, y);
    }
}

void TFormZTAZTU::PaintFrameAndGrid(TCanvas& c, int w, int h) {
    const TimeTemperature::TSectionFrame frame = Frame(w, h);
    c.Brush.Style = bsClear;
    c.Rectangle(frame.Rect());
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (int k = 1; k <= GridRows; ++k) {
        const int y = frame.Y(k * GridCelsiusStep);
        c.MoveTo(frame.Links, y);
        c.LineTo(frame.Rechts, y);
    }
    for (int k = 1; k <= GridColumns; ++k) {
        const int x = frame.X(k * GridCarbonStep);
        c.MoveTo(x, frame.Oben);
        c.LineTo(x, frame.Unten);
    }
}

void TFormZTAZTU::PaintLabels(TCanvas& c) {
    const TimeTemperature::TSectionFrame frame =
        Frame(PaintBoxHaupt->Width(), PaintBoxHaupt->Height());
    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    Write(c, BlackScaleLabels);
    c.Font.Color = clWhite;
    Write(c, WhiteScaleLabels);
    for (int k = 1; k <= GridColumns; ++k)
        c.TextOut(frame.X(k * GridCarbonStep) + CarbonLabelDx, CarbonLabelY, CarbonLabels[k - 1]);
    c.TextOut(LastCarbonLabel.At.X, LastCarbonLabel.At.Y, LastCarbonLabel.Text);
}

void TFormZTAZTU::PaintIronCarbonLines(TCanvas& c) {
    const TimeTemperature::TSectionFrame frame =
        Frame(PaintBoxHaupt->Width(), PaintBoxHaupt->Height());
    c.Pen.Color = clBlue;
    c.Pen.Style = psSolid;
    c.Pen.Width = 1;
    Polyline(c, frame, {{S.Carbon, 0}, S});
    c.Pen.Color = Colour1;
    c.Pen.Width = BoundaryWidth;
    Polyline(c, frame, {E, S, G});
    Polyline(c, frame, {E, {SectionCarbon, E.Celsius}});
    Polyline(c, frame, {{0, S.Celsius}, {SectionCarbon, S.Celsius}});
    Polyline(c, frame, {E, TowardsJ});
    Polyline(c, frame, {Q, FerriteCorner, G});
    c.Font.Color = Colour1;
    Write(c, PointLabels);
}

void TFormZTAZTU::PaintTimeAxis(TCanvas& c) {
    c.Font.Color = AxisGreen;
    c.Pen.Color = AxisGreen;
    c.MoveTo(ArrowTail.X, ArrowTail.Y);
    c.LineTo(ArrowTip.X, ArrowTip.Y);
    c.LineTo(ArrowBarbs[0].X, ArrowBarbs[0].Y);
    c.MoveTo(ArrowTip.X, ArrowTip.Y);
    c.LineTo(ArrowBarbs[1].X, ArrowBarbs[1].Y);
    c.Pen.Color = clWhite;
    c.Pen.Width = AxisWidth;
    c.MoveTo(AxisOrigin.X, AxisOrigin.Y);
    c.LineTo(AxisTimeEnd.X, AxisTimeEnd.Y);
    c.MoveTo(AxisOrigin.X, AxisOrigin.Y);
    c.LineTo(AxisTemperatureEnd.X, AxisTemperatureEnd.Y);
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    c.MoveTo(AxisTimeEnd.X, AxisTimeEnd.Y);
    c.LineTo(PlaneCorner.X, PlaneCorner.Y);
    c.LineTo(AxisTemperatureEnd.X, AxisTemperatureEnd.Y);
    // The start command writes its labels in this font.
    c.Font.Height = TimeFontHeight;
    c.TextOut(TimeTitle.At.X, TimeTitle.At.Y, TimeTitle.Text);
}

// Where the animation stands on the surface: the band's head, or the point the running curve
// reached (before its first tick, its start point).
TPoint TFormZTAZTU::HeadPoint() const {
    for (int i = 0; i < Curves; ++i)
        if (CurveTimers[i]->Enabled())
            return OnSurface(i, Unit.KurveX, Unit.KurveY);
    return {Unit.KurveX, Round(Unit.KurveY)};
}

// --- commands ----------------------------------------------------------------------------------

bool TFormZTAZTU::Running() const {
    if (TimerAc->Enabled())
        return true;
    for (const TTimer* t : CurveTimers)
        if (t->Enabled())
            return true;
    return false;
}

void TFormZTAZTU::StopTimers() {
    TimerAc->SetEnabled(false);
    for (TTimer* t : CurveTimers)
        t->SetEnabled(false);
}

void TFormZTAZTU::EndeClick() {
    Close();
}

void TFormZTAZTU::ESCAPEClick() {
    Close();
}

void TFormZTAZTU::FormClose() {
    SetEnabled(true);
    StopTimers();
}

void TFormZTAZTU::NeuClick() {
    StopTimers();
    SetEnabled(true);
    Refresh();
}

void TFormZTAZTU::STARTClick() {
    for (TTimer* t : CurveTimers)
        t->SetEnabled(false);
    Refresh();
    TimerAc->SetEnabled(true);
    Unit.KurveX = NormalisingBand::StartX;
    Unit.KurveY = NormalisingBand::FallingY(AustenitisingBand, Unit.KurveX);
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Font.Color = clBlue;
    Write(c, LineNames);
    c.MoveTo(Unit.KurveX, Round(Unit.KurveY));
}

// --- the run -----------------------------------------------------------------------------------

void TFormZTAZTU::TimerAcTimer() {
    // Until the last curve stands the screen takes no input but Esc.
    SetEnabled(false);
    TCanvas& c = PaintBoxHaupt->Canvas;
    if (!NormalisingBand::Grow(c, AustenitisingBand, Unit.KurveX, Unit.KurveY))
        return;
    Unit.KurveX = CurveStartX;
    Unit.KurveY = CurveStartY;
    const TPoint start = OnSurface(0, Unit.KurveX, Unit.KurveY);
    c.MoveTo(start.X, start.Y);
    CurveTimers[0]->SetEnabled(true);
    TimerAc->SetEnabled(false);
}

void TFormZTAZTU::CurveTimerTimer(int curve) {
    TCanvas& c = PaintBoxHaupt->Canvas;
    // The pen is set on every tick, so that a repaint in between does not change the curve.
    c.Pen.Color = CurveGreen;
    c.Pen.Width = CurveWidth;
    c.Pen.Style = psSolid;
    Unit.KurveX += CurveStep;
    if (const std::optional<float> y = CourseY(Unit.KurveX)) {
        Unit.KurveY = *y;
        const TPoint to = OnSurface(curve, Unit.KurveX, Unit.KurveY);
        c.LineTo(to.X, to.Y);
    }
    if (Unit.KurveX <= CurveEnd)
        return;
    if (curve == 0) {
        c.Font.Height = StageFontHeight;
        c.Font.Color = clBlack;
        c.Brush.Style = bsClear;
        Write(c, StageNames);
    }
    CurveTimers[curve]->SetEnabled(false);
    if (curve + 1 == Curves) {
        SetEnabled(true);
        return;
    }
    Unit.KurveX = CurveStartX;
    Unit.KurveY = CurveStartY;
    const TPoint start = OnSurface(curve + 1, Unit.KurveX, Unit.KurveY);
    c.MoveTo(start.X, start.Y);
    CurveTimers[curve + 1]->SetEnabled(true);
}
