#include "treatment/ZtuRoute.h"

#include "platform/Screen.h"

namespace ZtuRoute {

using namespace ProcessRoute;

const std::vector<TCue> AusteniteCues = [] {
    std::vector<TCue> cues{
        {41,
         0,
         {90, -120, TRow::FromUnten},
         1,
         clBlack,
         {{"Ferrit+Perlit", {90, -16, TRow::FromUnten}}}},
        {89, 0, {290, 10, TRow::FromOben}, 1},
    };
    for (int x : {97, 109, 119, 129, 139, 149, 157, 165, 173, 181})
        cues.push_back({x, NextFrame, {290, 10, TRow::FromOben}});
    cues.push_back({189,
                    11,
                    {290, 10, TRow::FromOben},
                    12,
                    clBlack,
                    {{"Homogener Austenit", {290, 115, TRow::FromOben}}}});
    return cues;
}();

namespace {

using TimeTemperature::Line;

// The frames on a surface W pixels wide and H high.
constexpr int ProzLinks = 40;
constexpr int ProzRightMargin = 350;
constexpr int FrameTop = 20;
constexpr int FrameBottomMargin = 200;
constexpr int TimeDivisions = 9;
constexpr int Steps = 6;
constexpr int ZtuLinks = 440;
constexpr int ZtuRightMargin = 10;

// The overlay starts 1.95 steps below the diagram's top edge and is 1.7 steps shorter than it.
constexpr int OverlayDrop = 195;
constexpr int OverlayShortening = 170;

// Heating: a fan of lines from the diagram's origin to a head that climbs 3.36 pixels a tick,
// up to 2.4 time divisions at most; then holding at A (820 °C, 4.1 steps up) up to 35 pixels
// beyond 4 time divisions.
constexpr int AustenitisingSteps = 410;
constexpr int HeatingLimit = 240;
constexpr int HeatingRise = 130;
constexpr long double HeatingSlope = 3.36L;
constexpr int HoldingBeyond = 35;
constexpr int HoldingTextX = 10;
struct HoldingLine {
    const char* Text;
    int Steps;
};
constexpr HoldingLine HoldingTexts[] = {
    {" Austenitisiertemperatur ", 550},
    {ProcessRoute::HoldingText, 515},
    {" T = const. > A[c3] im Gleichgewicht ", 480},
};

// The ZTU diagram.
constexpr TColor FrameGold = 55295;
constexpr TColor FieldColor = 2;
constexpr int FramePenWidth = 2;
constexpr long double GridCelsius[] = {200, 400, 600, 800, 1000};
constexpr int GridDecades = 5;
constexpr long double TimeTitleDecade = 4.3L;
constexpr int TimeTitleDx = 24;
constexpr int TimeTitleDy = 25;
constexpr TFieldLabel FieldLabels[] = {
    {"Austenit", 420, 450},
    {"Perlit", 170, 290},
    {"Bainit", 200, 230},
    {"Martensit", 50, 130},
};
constexpr TFieldLabel Titles[] = {
    {"  Schematisches ZTU-Schaubild  ", 40, 600},
    {"  unlegierter Stahl mit C = 0.45%  ", 40, 570},
};

using ZtuDiagram::TCurve;
const std::vector<TCurve> Curves{
    // Ms line
    {{0, 340}, {1.47L, 340}, {2.47L, 276}},
    // end of the transformation
    {{2.65L, 140}, {2, 600}, {2.02L, 610}, {2.1L, 620}, {2.2L, 630}, {3, 646}, {4, 664}, {5, 678}},
    // start of the pearlite
    {{1.29L, 520},
     {1.37L, 564},
     {1.4L, 578},
     {1.5L, 600},
     {1.7L, 620},
     {1.85L, 636},
     {2, 644},
     {2.02L, 648},
     {2.1L, 650},
     {2.2L, 652},
     {3, 670},
     {4, 686},
     {5, 700}},
    // start of the ferrite, below the nose the start of the bainite
    {{5, 748},
     {4, 734},
     {3, 716},
     {2, 696},
     {1.8L, 688},
     {1.6L, 680},
     {1.4L, 666},
     {1.22L, 640},
     {1.17L, 628},
     {1.16L, 596},
     {1.36L, 470}},
    // from the Ms line to the end of the transformation
    {{1.47L, 340}, {1.32L, 400}, {1.28L, 420}, {1.32L, 460}, {2, 600}},
};

// The curves on the overlay.
constexpr TColor CurveBrush = 0x800080;
constexpr int EndFontHeight = 8;

} // namespace

} // namespace ZtuRoute

using namespace ProcessRoute;
using namespace ZtuRoute;

TZtuRoute::TZtuRoute(const ProcessRoute::TData& data, const ZtuRoute::TData& ztu, TVariables& unit)
    : TProcessRoute(data, unit), ztu_(ztu) {
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    PaintBoxLog->OnPaint = [this] { PaintBoxLogPaint(); };
}

void TZtuRoute::SetFrames() {
    const int w = PaintBoxHaupt->Width();
    const int h = PaintBoxHaupt->Height();
    TProzFrame& p = unit_.Proz;
    p.Links = ProzLinks;
    p.Rechts = w - ProzRightMargin;
    p.Oben = FrameTop;
    p.Unten = h - FrameBottomMargin;
    p.StufeX = static_cast<float>((p.Rechts - p.Links) / TimeDivisions);
    p.Stufe = static_cast<float>((p.Unten - p.Oben) / Steps);
    unit_.Ztu = TimeTemperature::MakeZtuFrame(ZtuLinks, w - ZtuRightMargin, FrameTop,
                                              h - FrameBottomMargin);
    PlaceOverlay();
}

void TZtuRoute::PlaceOverlay() {
    const TimeTemperature::TZtuFrame& z = unit_.Ztu;
    const int stufe = static_cast<int>(z.Stufe);
    const int left = PaintBoxHaupt->Left() + z.Links;
    const int top = PaintBoxHaupt->Top() + z.Oben + Exact(0, OverlayDrop, stufe);
    const int width = z.Rechts - z.Links;
    const int height = z.Unten - z.Oben - Exact(0, OverlayShortening, stufe);
    if (PaintBoxLog->BoundsRect() != TRect{left, top, left + width, top + height})
        PaintBoxLog->SetBounds(left, top, width, height);
}

void TZtuRoute::PaintBoxLogPaint() {
    PlaceOverlay();
}

int TZtuRoute::HoldingLevel() const {
    return unit_.Proz.Down(AustenitisingSteps);
}

void TZtuRoute::PaintBoxHauptPaint() {
    SetFrames();
    TCanvas& c = PaintBoxHaupt->Canvas;
    PaintBackground(c);
    PaintProcessDiagram(c);
    PaintZtuDiagram(c);
}

void TZtuRoute::PaintZtuDiagram(TCanvas& c) const {
    const TimeTemperature::TZtuFrame& z = unit_.Ztu;
    const TProzFrame& p = unit_.Proz;
    c.Pen = TimeTemperature::MakePen(NearBlack, FramePenWidth);
    c.Brush.Color = FrameGold;
    c.Rectangle(z.Rect());
    c.Brush.Style = bsClear;
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (long double t : GridCelsius)
        Line(c, {z.Links, z.Y(t)}, {z.Rechts, z.Y(t)});
    for (int d = 0; d <= GridDecades; ++d)
        Line(c, {z.X(d), z.Oben}, {z.X(d), z.Unten});

    // The last decade line lies 12 pixels from the surface's right edge: the last label moves
    // left as on the tight ZTU screen, or its exponent would be cut off at the edge.
    ZtuDiagram::DrawTimeAxis(c, z, true,
                             {z.X(TimeTitleDecade) + TimeTitleDx, z.Unten + TimeTitleDy});
    ZtuDiagram::DrawCurves(c, Curves, z, ztu_.CurveColor);

    // The fields are placed on the process diagram's steps.
    auto at = [&](const TFieldLabel& l) {
        return TPoint{Exact(z.Links, l.A, static_cast<int>(p.StufeX)),
                      Exact(z.Unten, -l.B, static_cast<int>(p.Stufe))};
    };
    c.Brush.Style = bsClear;
    c.Font.Color = FieldColor;
    for (const TFieldLabel& l : FieldLabels) {
        const TPoint pos = at(l);
        c.TextOut(pos.X, pos.Y, l.Text);
    }
    const TPoint ferrit = at(ztu_.Ferrit);
    c.TextOut(ferrit.X, ferrit.Y, ztu_.Ferrit.Text);

    c.Brush.Color = clPurple;
    c.Font.Color = clWhite;
    for (const TFieldLabel& l : Titles) {
        const TPoint pos = at(l);
        c.TextOut(pos.X, pos.Y, l.Text);
    }
}

void TZtuRoute::HeatAndHold() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const TProzFrame& p = unit_.Proz;
    int& x = unit_.KurveX;
    float& y = unit_.KurveY;
    const int a = HoldingLevel();
    if (y > a && x <= p.X(HeatingLimit)) {
        c.MoveTo(p.Links, p.Unten);
        ++x;
        c.LineTo(x, Round(y));
        y = static_cast<float>(p.Unten + HeatingRise - HeatingSlope * x);
    }
    // Tested after the heating, so the tick that reaches A holds, too.
    if (y <= a && x <= p.X(CoolingStart) + HoldingBeyond) {
        c.Brush.Color = LineRed;
        const int textX = p.X(HoldingTextX);
        for (const HoldingLine& t : HoldingTexts)
            c.TextOut(textX, Exact(unit_.Ztu.Unten, -t.Steps, static_cast<int>(p.Stufe)), t.Text);
        c.MoveTo(x, a);
        ++x;
        y = static_cast<float>(a);
        c.LineTo(x, a);
    }
}

void TZtuRoute::StartCurve() {
    SetEnabled(false);
    curveTimer_->SetEnabled(true);
    unit_.KurveX = 0;
    unit_.KurveY = 0;
    PaintBoxLog->Canvas.MoveTo(0, 0);
}

void TZtuRoute::BeginCurveTick() {
    TCanvas& c = PaintBoxLog->Canvas;
    c.Pen = TimeTemperature::MakePen(LineRed, LineWidth);
    c.Font.Color = clWhite;
    c.Brush.Color = CurveBrush;
}

void TZtuRoute::EndCurve(int frame, TPoint frameAt, const char* text, TPoint textAt) {
    TCanvas& c = PaintBoxLog->Canvas;
    c.Font.Height = EndFontHeight;
    unit_.BildNr = frame;
    ImageListGef->Draw(PaintBoxHaupt->Canvas, frameAt.X, frameAt.Y, unit_.BildNr);
    unit_.BildNr = frame + 1;
    TimeTemperature::Caption(c, textAt.X, textAt.Y, text, clWhite, CurveBrush);
    SetEnabled(true);
    curveItem_->SetEnabled(false);
    curveTimer_->SetEnabled(false);
}
