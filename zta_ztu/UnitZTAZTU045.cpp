#include "zta_ztu/UnitZTAZTU045.h"

#include "platform/Keys.h"
#include "platform/Screen.h"
#include "shell/ScreenFrame.h"

#include <climits>
#include <span>

TFormZTAZTU045* FormZTAZTU045 = nullptr;

namespace UnitZTAZTU045 {
Variables Unit;
}

using UnitZTAZTU045::Unit;
using namespace TimeTemperature;

namespace {

// The window as stored: at 120 pixels per inch with a text height of 16.
constexpr int DesignPixelsPerInch = 120;
constexpr int DesignTextHeight = 16;
constexpr int FormFontHeight = -14;
constexpr int SurfaceFontHeight = -15;
constexpr int OverlayFontHeight = -17;
constexpr int HintFontHeight = -15;
constexpr int ExplanationFontHeight = -15;
constexpr TColor SurfaceColor = 0x4080FF;
constexpr int HeatingInterval = 10;
constexpr int CoolingInterval = 1;

// Design bounds (800 × 600).
constexpr int SurfaceLeft = 1, SurfaceTop = 1, SurfaceWidth = 795, SurfaceHeight = 500;
constexpr int TextLeft = 2, TextTop = 471, TextWidth = 790, TextHeight = 55;
// Three lines must fit the 55-unit box, which has no scroll bars: a cell of 16 units, not 18.
constexpr int TextFont = 16;

// Frames, in design units from the surface's edges.
constexpr int ZtuLeft = 458, ZtaLeft = 93, FrameTop = 20, ZtuRightMargin = 10, ZtaRightMargin = 337,
              FrameBottomMargin = 70;
// The overlay starts two 200-K steps below the top, at 800 °C.
constexpr long double OverlayStepsDown = 2;

// The gradient: rows two pixels apart, yellow turning red.
constexpr int GradientRows = 250;
constexpr int GradientPenWidth = 3;
constexpr TColor GradientYellow = 65279;
constexpr TColor GreenStep = 256;

constexpr TColor NearBlack = 1;
constexpr TColor FrameYellow = 8454143;
constexpr int LinePenWidth = 2;
constexpr long double GridCelsius[] = {200, 400, 600, 800, 1000};
constexpr int GridLines = 5;
constexpr int LabelFont = 18;
constexpr int FieldFont = 14;
constexpr int EndFont = 12;

struct TimePoint {
    long double D;
    long double T;
};
using Curve = std::span<const TimePoint>;
constexpr TimePoint MsLine[] = {{0, 340}, {1.47L, 340}};
constexpr TimePoint MsSlope[] = {{1.47L, 340}, {2.47L, 276}};
constexpr TimePoint TransformationEnd[] = {{3.2L, 0},   {2.94L, 30},  {2.85L, 60}, {2.65L, 140},
                                           {2.0L, 600}, {2.02L, 610}, {2.1L, 620}, {2.2L, 630},
                                           {3, 646},    {4, 668},     {5, 688},    {6, 704}};
constexpr TimePoint PearliteStart[] = {
    {1.29L, 520}, {1.37L, 564}, {1.4L, 578}, {1.5L, 600}, {1.7L, 620}, {1.85L, 636}, {2.0L, 644},
    {2.02L, 648}, {2.1L, 650},  {2.2L, 652}, {3, 670},    {4, 692},    {5, 712},     {6, 724}};
constexpr TimePoint FerriteStart[] = {{6, 764},     {5, 750},     {4, 734},     {3, 718},
                                      {2, 696},     {1.8L, 688},  {1.6L, 680},  {1.4L, 666},
                                      {1.22L, 640}, {1.17L, 628}, {1.16L, 596}, {1.36L, 470}};
constexpr TimePoint BainiteEnd[] = {
    {1.47L, 340}, {1.32L, 400}, {1.28L, 420}, {1.32L, 460}, {2, 600}};
constexpr Curve ZtuCurves[] = {MsLine,        MsSlope,      TransformationEnd,
                               PearliteStart, FerriteStart, BainiteEnd};

struct Field {
    const char* Text;
    long double D;
    long double T;
    TColor Brush;
};
constexpr Field ZtuFields[] = {{"Austenit", 0.7L, 960, 4227327},  {"Ferrit", 1.9L, 700, clBlue},
                               {"Perlit", 1.4L, 620, 10485760},   {"Bainit", 1.7L, 460, 7602342},
                               {"Martensit", 0.1L, 200, 4194432}, {"Ms", 0.2L, 380, 4194432}};

// The austenitisation lines, in ZTU decades from the ZTA diagram's left edge.
constexpr long double ZtaSteps[] = {1.15L, 1.35L, 1.55L, 1.75L, 1.95L, 2.15L,
                                    2.35L, 2.85L, 3.85L, 4.85L, 5.85L, 6.8L};
constexpr long double Ac1b[] = {814, 810, 800, 790, 784, 780, 774, 766, 752, 740, 732, 726};
constexpr long double Ac1e[] = {854, 850, 844, 836, 830, 820, 812, 800, 780, 770, 764, 754};
constexpr long double Ac3[] = {914, 914, 910, 900, 892, 880, 870, 854, 832, 820, 804, 790};
constexpr TColor ZtaLineColor = 10;

struct ZtaField {
    const char* Text;
    int A; // design units left of the ZTA frame's right edge
    long double T;
    TColor Brush;
};
constexpr ZtaField ZtaFields[] = {
    {" Austenit ", 300, 1140, 4227327}, {" A ", 250, 860, 4227327},
    {" A ", 308, 852, 4227327},         {" F ", 220, 860, clBlue},
    {" Ferrit ", 150, 600, clBlue},     {" F ", 292, 846, clBlue},
    {" Perlit ", 200, 600, 10485760},   {" K ", 277, 842, clGray},
    {" A(c1e) ", 360, 890, clBlack},    {" A(c1b) ", 360, 840, clBlack},
    {" A(c3) ", 360, 940, clBlack}};

// Heating at 130 °C/s: 2 design units right and 9 up per tick, from the ZTA origin.
constexpr int HeatingStep = 2;
constexpr int HeatingRise = 9;
constexpr int HeatingEnd = 154, HoldingEnd = 455, HoldingTextEnd = 160;
constexpr TColor HeatingGreen = 0x008000;
constexpr int HeatingPenWidth = 4;

// The five cooling curves; each point is drawn scaled.
struct Cooling {
    long double K;
    std::array<TSegment, 3> Segments;
    int SegmentCount;
    const char* Label;
    int LabelDx;
    int LabelDy;
};
const Cooling Coolings[] = {
    {0.0152L, {{{INT_MIN, 286, true, 0, 0, 0, 2, false, 2}}}, 1, " v = 0.04°C/s ", -18, 10},
    {0.38L,
     {{{INT_MIN, 168, true, 0, 0, 0, 2, false, 2}, {168, 230, false, 91, 3.3L, -214, 1, true}}},
     2,
     " v = 0.6°C/s ",
     -27,
     10},
    {9.12L,
     {{{INT_MIN, 100, true, 0, 0, 0, 3, false, 2},
       {100, 113, false, 0, 0, 60, 2},
       {113, 160, false, 0, 4, -392, 2}}},
     3,
     " v = 15°C/s ",
     -20,
     5},
    {38,
     {{{INT_MIN, 73, true, 0, 0, 0, 3, false, -2},
       {73, 80, false, 0, 0, 81, 2},
       {80, 130, false, 88, 3.35L, 114, 2}}},
     3,
     " v = 60°C/s ",
     -50,
     5},
    {258.4L,
     {{{INT_MIN, 44, true, 0, 0, 0, 3}, {44, 80, false, 93, 2.4L, 277, 3}}},
     2,
     " v = 600°C/s ",
     -55,
     0},
};
constexpr int CoolingTitleEnd = 20;

} // namespace

TFormZTAZTU045::TFormZTAZTU045() : TForm(DesignPixelsPerInch, DesignTextHeight) {
    SetCaption(" ZTA/ZTU-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) ");
    BorderStyle = bsToolWindow;
    SetColor(clRed);
    SetFont({"MS Sans Serif", FormFontHeight, clWindowText, false});

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(SurfaceColor);
    PaintBoxHaupt->SetFont({"MS Sans Serif", SurfaceFontHeight, clWindowText, true});
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    PaintBoxLog = Add<TPaintBox>();
    PaintBoxLog->Name = "PaintBoxLog";
    PaintBoxLog->SetFont({"MS Sans Serif", OverlayFontHeight, clWindowText, false});
    PaintBoxLog->OnPaint = [this] { PaintBoxLogPaint(); };

    MemoErlaeuterung = ScreenFrame::AddExplanation(
        *this, {ScreenFrame::ExplanationYellow, true, ssNone, true, false});
    MemoErlaeuterung->SetFont({"MS Sans Serif", ExplanationFontHeight, clBlack, false});
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight, false);

    TimerZTA = new TTimer(this, HeatingInterval, false);
    TimerZTA->OnTimer = [this] { TimerZTATimer(); };
    for (int i = 0; i < static_cast<int>(CoolingTimers.size()); ++i) {
        CoolingTimers[i] = new TTimer(this, CoolingInterval, false);
        CoolingTimers[i]->OnTimer = [this, i] { CoolingTimer(i); };
    }

    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    Austenitisierung =
        MainMenu.Add("Austenitisierung", "&Austenitisierung und kontinuierliche Abkühlung",
                     [this] { AustenitisierungClick(); });
    NEU = MainMenu.Add("NEU", "&Löschen / Neu", [this] { NEUClick(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
}

int TFormZTAZTU045::X(long double design) const {
    return ScreenFrame::Scaled(design, Unit.FaktorX);
}

int TFormZTAZTU045::Y(long double design) const {
    return ScreenFrame::Scaled(design, Unit.FaktorY);
}

void TFormZTAZTU045::FormCreate() {
    const ScreenFrame::Layout layout =
        ScreenFrame::PlaceStandard(*this, ScreenFrame::LayoutTest::WidthUpTo1024);
    Unit.FaktorX = layout.FaktorX;
    Unit.FaktorY = layout.FaktorY;
    PaintBoxHaupt->SetBounds(X(SurfaceLeft), Y(SurfaceTop), X(SurfaceWidth), Y(SurfaceHeight));
    MemoErlaeuterung->SetBounds(X(TextLeft), Y(TextTop), X(TextWidth), Y(TextHeight));
    TFont font = MemoErlaeuterung->Font();
    font.Height = X(TextFont);
    MemoErlaeuterung->SetFont(font);
    ScreenFrame::WriteLines(
        *MemoErlaeuterung,
        {" Die Darstellung zeigt im Zusammenhang eine Austenitisierung (isothermes "
         "ZTA-Schaubild) und die Phasenmwandlung bei ",
         " stetiger Abkühlung (kontinuierliches  ZTU-Schaubild) am Beispiel eines unlegierten "
         "Stahles mit 0.45% C. Sie zeigt ",
         " schematisch eine Prozessführung,wie sie bei technischen Wärmebehandlungsprozessen "
         "durchgeführt wird. "});
    ComputeFrames();
    PlaceOverlay(*PaintBoxLog, *PaintBoxHaupt, Unit.Ztu, OverlayStepsDown);
}

void TFormZTAZTU045::ComputeFrames() {
    const int w = PaintBoxHaupt->Width();
    const int h = PaintBoxHaupt->Height();
    Unit.Ztu =
        MakeZtuFrame(X(ZtuLeft), w - X(ZtuRightMargin), Y(FrameTop), h - Y(FrameBottomMargin));
    Unit.Zta =
        MakeZtuFrame(X(ZtaLeft), w - X(ZtaRightMargin), Y(FrameTop), h - Y(FrameBottomMargin));
}

void TFormZTAZTU045::FormClose() {
    SetEnabled(true);
    TimerZTA->SetEnabled(false);
    for (TTimer* timer : CoolingTimers)
        timer->SetEnabled(false);
    Austenitisierung->SetEnabled(true);
    Refresh();
}

void TFormZTAZTU045::NEUClick() {
    Austenitisierung->SetEnabled(true);
    Refresh();
}

void TFormZTAZTU045::PaintBoxLogPaint() {
    PlaceOverlay(*PaintBoxLog, *PaintBoxHaupt, Unit.Ztu, OverlayStepsDown);
}

// --- the diagram -------------------------------------------------------------------------------

void TFormZTAZTU045::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    ComputeFrames();
    DrawBackground();
    c.Pen = MakePen(NearBlack, LinePenWidth);
    c.Brush.Color = FrameYellow;
    c.Rectangle(Unit.Ztu.Rect());
    c.Rectangle(Unit.Zta.Rect());
    DrawGrids();
    DrawAxisLabels();
    DrawZtu();
    DrawTitles();
    DrawZta();
}

void TFormZTAZTU045::DrawBackground() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Pen = MakePen(GradientYellow, GradientPenWidth);
    for (int i = 0; i <= GradientRows; ++i) {
        c.Pen.Color = GradientYellow - GreenStep * i;
        Line(c, {0, 2 * i}, {Screen.Width, 2 * i});
    }
}

void TFormZTAZTU045::DrawGrids() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Brush.Style = bsClear;
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (const TZtuFrame* f : {&Unit.Ztu, &Unit.Zta}) {
        for (long double t : GridCelsius)
            Line(c, {f->Links, f->Y(t)}, {f->Rechts, f->Y(t)});
        for (int j = 0; j <= GridLines; ++j)
            Line(c, {f->X(j), f->Oben}, {f->X(j), f->Unten});
    }
    c.Pen.Style = psSolid;
}

void TFormZTAZTU045::DrawAxisLabels() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const TZtuFrame& u = Unit.Ztu;
    const TZtuFrame& a = Unit.Zta;
    const long double fx = Unit.FaktorX;
    const long double fy = Unit.FaktorY;
    const long double du = u.Dekade;
    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    c.Font.Height = X(LabelFont);
    c.TextOut(Round(a.Links - 90 * fx), Round(a.Unten - 22 * fy - 6 * a.Stufe), "Temperatur/°C");
    const char* temperatures[] = {" 200", " 400", " 600", " 800", "1000", "1200"};
    for (int n = 6; n >= 1; --n)
        c.TextOut(Round(a.Links - 40 * fx), Round(a.Unten - n * a.Stufe - 6), temperatures[n - 1]);
    const int base = Round(u.Unten + 10 * fy);
    const int raised = Round(u.Unten + 3 * fy);
    const char* exponents[] = {"-1", "", "", "2", "3", "4"};
    for (int d = 0; d <= 5; ++d) {
        c.TextOut(Round(u.Links - 5 * fx + d * du), base, d == 1 ? "1" : "10");
        if (*exponents[d])
            c.TextOut(Round(u.Links + 11 * fx + d * du), raised, exponents[d]);
    }
    c.TextOut(Round(u.Links - 12 * fx + 6 * du), base, "10");
    c.TextOut(Round(u.Links + 3 * fx + 6 * du), raised, "5");
    c.TextOut(Round(u.Links - 60 * fx), Round(u.Unten + 25 * fy), "Zeit in Sekunden");
    // The austenitisation diagram's time labels, placed in ZTU decades.
    const int zBase = Round(a.Unten + 10 * fy);
    const int zRaised = Round(a.Unten + 3 * fy);
    c.TextOut(Round(a.Links - 10 * fx + du), zBase, "10");
    c.TextOut(Round(a.Links + 6 * fx + du), zRaised, "-1");
    c.TextOut(Round(a.Links + 10 * fx + 2 * du), zBase, "1");
    c.TextOut(Round(a.Links + 10 * fx + 3 * du), zBase, "10");
    c.TextOut(Round(a.Links + 18 * fx + 4 * du), zBase, "10");
    c.TextOut(Round(a.Links + 35 * fx + 4 * du), zRaised, "2");
    c.TextOut(Round(a.Links + 24 * fx + 5 * du), zBase, "10");
    c.TextOut(Round(a.Links + 42 * fx + 5 * du), zRaised, "3");
}

void TFormZTAZTU045::DrawZtu() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const TZtuFrame& u = Unit.Ztu;
    c.Pen = MakePen(NearBlack, LinePenWidth);
    for (Curve curve : ZtuCurves) {
        c.MoveTo(u.X(curve[0].D), u.Y(curve[0].T));
        for (const TimePoint& p : curve)
            c.LineTo(u.X(p.D), u.Y(p.T));
    }
    c.Font.Color = clWhite;
    c.Font.Height = X(FieldFont);
    for (const Field& f : ZtuFields) {
        c.Brush.Color = f.Brush;
        c.TextOut(u.X(f.D), u.Y(f.T), f.Text);
    }
}

void TFormZTAZTU045::DrawTitles() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const TZtuFrame& a = Unit.Zta;
    const long double step = a.Dekade;
    auto at = [&](int left, long double decades) { return Round(left + decades * step); };
    c.Brush.Color = clRed;
    c.Pen = MakePen(clBlack, 1);
    c.Font.Color = clWhite;
    struct Title {
        int Left;
        long double From, To;
        const char* Lines[3];
        long double At[3];
    };
    const Title titles[] = {
        {a.Links,
         2.8L,
         5.8L,
         {"  Austenitisierung", "   im isothermen ", " ZTA-Schaubild "},
         {3.4L, 3.4L, 3.5L}},
        {Unit.Ztu.Links,
         1.8L,
         4.8L,
         {"  Abkühlung", " im kontinuierlichen ", " ZTU-Schaubild "},
         {2.5L, 2.4L, 2.5L}},
    };
    const long double temperatures[] = {1140, 1080, 1020};
    for (const Title& t : titles) {
        c.Rectangle(at(t.Left, t.From), a.Y(960), at(t.Left, t.To), a.Y(1160));
        for (int i = 0; i < 3; ++i)
            c.TextOut(at(t.Left, t.At[i]), a.Y(temperatures[i]), t.Lines[i]);
    }
}

void TFormZTAZTU045::DrawZta() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    const TZtuFrame& a = Unit.Zta;
    const long double du = Unit.Ztu.Dekade;
    c.Pen = MakePen(ZtaLineColor, LinePenWidth, psDash);
    c.Brush.Color = clBlack;
    c.Font.Color = clWhite;
    for (const long double* line : {Ac1b, Ac1e, Ac3}) {
        for (std::size_t i = 0; i < std::size(ZtaSteps); ++i) {
            const TPoint p{Round(a.Links + ZtaSteps[i] * du), a.Y(line[i])};
            if (i == 0)
                c.MoveTo(p.X, p.Y);
            else
                c.LineTo(p.X, p.Y);
        }
    }
    Line(c, {a.X(1), a.Oben}, {a.X(1), a.Unten});
    c.Font.Height = X(FieldFont);
    for (const ZtaField& f : ZtaFields) {
        c.Brush.Color = f.Brush;
        c.TextOut(a.Rechts - X(f.A), a.Y(f.T), f.Text);
    }
}

// --- the run -----------------------------------------------------------------------------------

void TFormZTAZTU045::AustenitisierungClick() {
    TimerZTA->SetEnabled(true);
    // Only Esc acts until the run is over.
    SetEnabled(false);
    Austenitisierung->SetEnabled(false);
    Unit.KurveX = Unit.Zta.Links;
    Unit.KurveY = static_cast<float>(Unit.Zta.Unten);
    PaintBoxHaupt->Canvas.MoveTo(Unit.KurveX, Round(Unit.KurveY));
}

void TFormZTAZTU045::TimerZTATimer() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    int& x = Unit.KurveX;
    float& y = Unit.KurveY;
    c.Pen = MakePen(clRed, HeatingPenWidth);
    c.Font.Color = clWhite;
    c.Brush.Color = HeatingGreen;
    const int l1 = X(HeatingEnd), l2 = X(HoldingEnd), l3 = X(HoldingTextEnd);
    // Each tick draws the whole heating line again from the origin.
    if (x <= l1) {
        c.MoveTo(Unit.Zta.Links, Unit.Zta.Unten);
        x += HeatingStep;
        c.LineTo(x, Round(y));
        y -= HeatingRise;
    }
    if (l1 < x && x < l2) {
        const int hold = Round(HeatingRise * static_cast<long double>(Unit.FaktorY) + y);
        c.MoveTo(x, hold);
        x += HeatingStep;
        c.LineTo(x, hold);
    }
    if (x >= l2) {
        CoolingTimers[0]->SetEnabled(true);
        x = 0;
        y = 0;
        PaintBoxLog->Canvas.MoveTo(0, 0);
        TimerZTA->SetEnabled(false);
    }
    if (x <= l1) {
        TimeTemperature::Caption(c, 2, Y(235), " Aufheiz- ", clWhite, clRed);
        c.TextOut(2, Y(250), " geschwindigkeit ");
        c.TextOut(2, Y(265), " = 130 °C/sec ");
    }
    if (l1 < x && x < l3) {
        TimeTemperature::Caption(c, X(240), Y(185), "   isothermes Halten   ", clWhite, clRed);
        c.TextOut(X(240), Y(200), "   bei T = 800°C ");
    }
}

void TFormZTAZTU045::CoolingTimer(int i) {
    const Cooling& curve = Coolings[i];
    TCanvas& c = PaintBoxLog->Canvas;
    int& x = Unit.KurveX;
    if (i == 0 && x <= CoolingTitleEnd) {
        TCanvas& main = PaintBoxHaupt->Canvas;
        TimeTemperature::Caption(main, X(420), Y(120),
                                 "   kontinuierliche Abkühlung von T = 800°C   ", clWhite, clRed);
        main.TextOut(X(420), Y(135), "   mit unterschiedlichen mittleren Geschwindigkeiten v  ");
    }
    c.Pen = MakePen(clRed, HeatingPenWidth);
    c.Brush.Color = clRed;
    c.Font.Color = clWhite;
    const std::span<const TSegment> segments(curve.Segments.data(), curve.SegmentCount);
    GrowCurve(c, segments, curve.K, x, Unit.KurveY, Unit.FaktorX, Unit.FaktorY);
    if (x <= segments.back().To)
        return;
    c.Font.Height = X(EndFont);
    c.TextOut(X(x + curve.LabelDx), Y(static_cast<long double>(Unit.KurveY) + curve.LabelDy),
              curve.Label);
    x = 0;
    Unit.KurveY = 0;
    c.MoveTo(0, 0);
    if (i + 1 < static_cast<int>(CoolingTimers.size()))
        CoolingTimers[i + 1]->SetEnabled(true);
    else
        SetEnabled(true);
    CoolingTimers[i]->SetEnabled(false);
}
