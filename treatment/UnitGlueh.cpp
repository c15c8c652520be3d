#include "treatment/UnitGlueh.h"

#include "phase/Stepping.h"
#include "shell/ScreenFrame.h"
#include "treatment/NormalisingBand.h"
#include "zta_ztu/TimeTemperature.h"

#include <array>
#include <string>
#include <vector>

TFormGlueh* FormGlueh = nullptr;

namespace UnitGlueh {

Variables Unit;

namespace {

// --- the window --------------------------------------------------------------------------------

constexpr int HintFontHeight = -15;
constexpr int MemoFontDesignHeight = 16;
constexpr int BandInterval = 1;

using ScreenFrame::Bounds;
using ScreenFrame::Place;
struct Layout {
    Bounds Diagram;
    Bounds Memo;
};
constexpr Layout SmallLayout{{60, 0, 740, 520}, {0, 0, 250, 520}};
constexpr Layout LargeLayout{{250, 60, 740, 540}, {20, 60, 380, 540}};
constexpr TRect BackdropOuter{10, 22, 1005, 650};
constexpr TRect BackdropInner{15, 45, 995, 620};

// --- the diagram -------------------------------------------------------------------------------

// The frame stands 230 from the left, 20 from the top and bottom and 80 from the right edge; the
// grid has eleven columns of 0.2 % carbon in 310 pixels less than the width and six rows of
// 200 °C in 160 pixels less than the height.
constexpr int DiagramLeft = 230;
constexpr int FrameTop = 20;
constexpr int FrameRightMargin = 80;
constexpr int FrameBottomMargin = 20;
constexpr int ColumnMargin = 310;
constexpr int Columns = 11;
constexpr int RowMargin = 160;
constexpr int Rows = 6;
constexpr int HorizontalGridLines = 7;
constexpr int VerticalGridLines = 10;

constexpr int PaintFontHeight = 12;
constexpr int NameFontHeight = 18;

// The background: rows of width 3 from yellow at y 100 to orange-red at y 598.
constexpr int FirstBackgroundRow = 20;
constexpr int LastBackgroundRow = 186;
constexpr int BackgroundColorBase = 70655;
constexpr int BackgroundColorStep = 256;
constexpr int BackgroundRowWidth = 3;
constexpr int BackgroundTop = 40;

constexpr TColor Colour1 = 0x000001;
constexpr int FrameWidth = 3;
constexpr int BoundaryWidth = 2;

// Points of the diagram as mass per cent of carbon and °C, on the section's grid of 0.2 % and
// 200 K steps.
struct DiagramPoint {
    long double Carbon;
    long double Celsius;
};
using Polyline = std::vector<DiagramPoint>;

// The phase boundaries of the steel corner, point to point.
const std::vector<Polyline> Boundaries{
    {{2.06L, 1148}, {0.8L, 722}, {0, 910}}, // E–S–G
    {{2.06L, 1148}, {2.2L, 1148}},          // E to the right edge, 1148 °C
    {{0, 722}, {2.2L, 722}},                // P–S–K, 722 °C
    {{2.06L, 1148}, {0.3L, 1494}},          // E–J
    {{0.3L, 1494}, {0, 1380}},              // J–N
    {{0, 1380}, {0.1L, 1494}},              // N–H
    {{0.1L, 1494}, {0.5L, 1494}},           // H–B
    {{0.5L, 1494}, {2.2L, 1360}},           // B towards C
    {{0.5L, 1494}, {0, 1540}},              // B–A
    {{0, 1540}, {0.1L, 1494}},              // A–H
    {{0, 500}, {0.02L, 722}, {0, 910}},     // Q–P–G
};
// The line at 0.8 % carbon, from 0 °C up to S.
constexpr DiagramPoint EutectoidFoot{0.8L, 0};
constexpr DiagramPoint EutectoidS{0.8L, 722};

struct DiagramLabel {
    const char* Text;
    DiagramPoint At;
};
// Where a label's carbon is negative it stands left of the frame.
const std::vector<DiagramLabel> PointLabels{
    {"A", {0.02L, 1580}},       {"B", {0.48L, 1500}},       {"H", {0.034L, 1510}},
    {"I", {0.3L, 1490}},        {"N", {0.02L, 1380}},       {"G", {-0.06L, 960}},
    {"S", {0.82L, 720}},        {"E", {2.08L, 1200}},       {"P", {0.04L, 770}},
    {"723°C", {2.04L, 710}},    {" 911°C", {-0.18L, 920}},  {"1147°C", {2.02L, 1140}},
    {"1536°C", {-0.18L, 1560}}, {"1392°C", {-0.18L, 1380}}, {"1493°C", {0.48L, 1540}},
};

// Temperatures left of the frame: x, and the number of grid rows above the line m = H − 26.
struct ScaleLabel {
    const char* Text;
    int X;
    int Rows;
};
constexpr int TemperatureBase = 26;
constexpr std::array<ScaleLabel, 8> TemperatureLabels{{
    {"1600", 197, 8},
    {"1400", 197, 7},
    {"1200", 197, 6},
    {"1000", 197, 5},
    {" 800", 200, 4},
    {" 600", 200, 3},
    {" 400", 200, 2},
    {" 200", 200, 1},
}};
constexpr TPoint ZeroDegrees{205, 31}; // y counted from the bottom edge
constexpr int TemperatureTitleX = 210;
constexpr int CarbonRowFromBottom = 14;
constexpr int CarbonZeroX = 225;
constexpr int CarbonLabelX = 225;
constexpr int CarbonLastX = 220;
constexpr int CarbonUnitX = 203;
constexpr int CarbonLabels = 10;

// Ac3 and Ac1 with their lowered indices.
struct FixedText {
    const char* Text;
    TPoint At;
};
constexpr std::array<FixedText, 4> Designations{{
    {"A ", {240, 240}},
    {"c3", {251, 250}},
    {"A ", {280, 267}},
    {"c1", {291, 274}},
}};

const std::vector<std::string> Introduction{
    " Die Grafik zeigt schematisch für Glüh-",
    " verfahren den Temperaturbereich",
    " bei denen die entsprechende",
    " Wärmebehandlung durchgeführt wird.",
    " ",
};

// --- the processes -----------------------------------------------------------------------------

constexpr float Slope = 0.36f;
constexpr int BandStep = 4;

enum Process { Normalising, Diffusion, CoarseGrain, StressRelief, Recrystallisation, Soft };

const std::array<std::vector<std::string>, 6> Explanations{{
    {" Normalglühen:", " Es wird ein möglichst feinkörniges",
     " Gefüge mit Perlit angestrebt um eine", " gute Kombination von Festigkeits-",
     " und Zähigkeitseigenschaften zu ", " erreichen."},
    {" Diffusionsglühen (Homogenisieren):", " Wird durchgeführt um örtliche",
     " Konzentrationsunterschiede im", " Werkstoff auszugleichen, mit dem",
     " Ziel einer gleichmäßigen Ver-", " teilung löslicher Bestandteile."},
    {" Grobkornglühen:", " Glühen bei einer Temperatur", " im Austenitgebiet mit ausreichend",
     " langem Halten um ein gröberes", " Korn zu erzielen.", " Wird zur Verbesserung der",
     " spanabhebenden Bearbeitung", " bei untereutektoidischen", " Stählen durchgeführt."},
    {" Spannungsfreiglühen:", " Wird durchgeführt um Spannungen,",
     " die infolge ungleicher Erwärmung", " aufgetreten sind, auszugleichen. "},
    {" Rekristallisationsglühen:", " Eigenschaftenänderungen durch ",
     " vorhergehender Kaltverformung", " werden rückgängig gemacht.",
     " Dabei wird eine Kornneubildung ", " ohne Phasenumwandlung erreicht."},
    {" Weichglühen:", " Glühen bei einer Temperatur", " dicht unter Ac1 (eventuell auch ",
     " oberhalb Ac1) oder pendeln um Ac1.", " Wird zur Verbesserung der ",
     " spanlosen Umformbarkeit", " durchgeführt."},
}};
constexpr const char* ExplanationRule = " ------------------------------------------------------";

// Normalising: parallel to G–S up to x 390, then level at y 277 up to x 610.
constexpr float NormalC = 136;
constexpr NormalisingBand::Shape NormalBand{NormalC, 277, 610};
constexpr int NormalExplainAt = 244;
constexpr TPoint NormalName{630, 266};

} // namespace

// The other bands are tables of steps on the head `GluehX` (position 0 of each step), which
// moves 4 pixels a tick before them; each step draws to the head at its own row, which `GluehY`
// keeps. The tick that passes the stop writes the process's name.
struct Band {
    Stepping::Run Steps;
    // The tick on which the head reaches this x adds the explanation of this process.
    int ExplainAt;
    int Explains;
    const char* Name;
    TPoint NameAt;
    TColor NameColor;
};

namespace {

using SegmentChain::Flat;
using Stepping::Reads;
using Stepping::Test;
using Stepping::Width;

// Diffusion annealing: red, level at y 173 up to x 540, then narrowing by 4 pixels a tick to a
// point at x 600.
constexpr int HomoStartX = 260;
constexpr float HomoC = 79;
constexpr int HomoLevel = 173;
constexpr int HomoNarrowFrom = 540;
constexpr int HomoStop = 600;
constexpr int HomoNarrowBase = 598;
const Band HomoBand{
    {.PenColor = 255,
     .PenWidth = 58,
     .Steps = {{.Runs = {Test::Below, HomoNarrowFrom}, .Moved = Reads, .Row = Flat(HomoLevel)},
               {.Runs = {Test::Above, HomoNarrowFrom},
                .AndBelow = HomoStop,
                .Moved = Reads,
                .Row = Flat(HomoLevel),
                .Pen = Width{HomoNarrowBase, -1}}},
     .Ends = {Test::Above, HomoStop}},
    264,
    Diffusion,
    " Diffusionsglühen (Homogenisieren)",
    {330, 166},
    clWhite};

// Stress relief, dark green, and recrystallisation, a wider light green: level at y 330 up to
// x 620.
constexpr int AnnealLevel = 330;
constexpr int AnnealStop = 620;
const Stepping::Step AnnealStep{
    .Runs = {Test::Below, AnnealStop}, .Moved = Reads, .Row = Flat(AnnealLevel)};

constexpr int ArmStartX = 250;
constexpr float ArmC = 240;
constexpr TColor ArmColor = 32768;
constexpr int ArmWidth = 34;
constexpr TPoint ArmName{330, 320};
const Band ArmBand{{.PenColor = ArmColor,
                    .PenWidth = ArmWidth,
                    .Steps = {AnnealStep},
                    .Ends = {Test::Above, AnnealStop}},
                   254,
                   StressRelief,
                   " Spannungsfreiglühen ",
                   ArmName,
                   clWhite};

constexpr int ReStartX = 264;
constexpr float ReC = 236;
const Band ReBand{
    {.PenColor = 55555, .PenWidth = 61, .Steps = {AnnealStep}, .Ends = {Test::Above, AnnealStop}},
    268,
    Recrystallisation,
    " Rekristallisationsglühen ",
    {330, 344},
    clBlack};

// Soft annealing: yellow-green, level at y 300 up to x 410 and at y 292 up to x 620; beyond
// x 416 every tick draws once more with a wider pen, to the point just reached.
constexpr int WeichStartX = 244;
constexpr float WeichC = 213;
constexpr int WeichLow = 300;
constexpr int WeichStep = 410;
constexpr int WeichHigh = 292;
constexpr int WeichWidenFrom = 416;
constexpr int WeichWideWidth = 34;
constexpr int WeichStop = 620;
const Band WeichBand{
    {.PenColor = 65454,
     .PenWidth = 18,
     .Steps = {{.Runs = {Test::Below, WeichStep}, .Moved = Reads, .Row = Flat(WeichLow)},
               {.Runs = {Test::Above, WeichStep},
                .AndBelow = WeichStop,
                .Moved = Reads,
                .Row = Flat(WeichHigh)},
               {.Runs = {Test::Above, WeichWidenFrom},
                .Moved = Reads,
                .Row = Flat(WeichHigh),
                .Pen = Width{WeichWideWidth}}},
     .Ends = {Test::Above, WeichStop}},
    268,
    Soft,
    " Weichglühen ",
    {480, 283},
    clBlack};

// Coarse-grain annealing: a purple field in the austenite just above G–S, outlined with the pen
// width the diagram's paint leaves behind, as on a fresh screen; a band drawn before must not
// widen its outline.
constexpr TColor CoarseColor = 8388736;
constexpr int CoarseOutlineWidth = BoundaryWidth;
const std::vector<TPoint> CoarseField{{245, 206}, {330, 206}, {370, 214}, {375, 216}, {380, 219},
                                      {385, 225}, {387, 235}, {385, 241}, {380, 242}, {375, 241},
                                      {365, 238}, {355, 235}, {245, 205}};
constexpr TPoint CoarseName{400, 210};

} // namespace

} // namespace UnitGlueh

using namespace UnitGlueh;

TFormGlueh::TFormGlueh() {
    SetCaption("Schematische Darstellung der Temperaturführung verschiedenen Glühverfahren im "
               "Eisen-Kohlenstoff-Schaubild (EKS)");
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(ScreenFrame::DiagramOrange);
    PaintBoxHaupt->SetFont({"MS Sans Serif", PaintFontHeight, clWindowText, false});
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    // The learner may write into the text; it lies over the left part of the diagram's surface.
    MemoErlaeuterung = ScreenFrame::AddExplanation(
        *this, {ScreenFrame::ExplanationYellow, false, ssBoth, false, /*StartsHidden=*/false});
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);

    auto timer = [this](void (TFormGlueh::*tick)()) {
        auto* t = new TTimer(this, BandInterval, false);
        t->OnTimer = [this, tick] { (this->*tick)(); };
        return t;
    };
    TimerNORMAL = timer(&TFormGlueh::TimerNORMALTimer);
    TimerHOMO = timer(&TFormGlueh::TimerHOMOTimer);
    TimerArm = timer(&TFormGlueh::TimerArmTimer);
    TimerRE = timer(&TFormGlueh::TimerRETimer);
    TimerWEICH = timer(&TFormGlueh::TimerWEICHTimer);
    AddMenu();
}

void TFormGlueh::AddMenu() {
    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
    NORMAL = MainMenu.Add("NORMAL", "&Normalglühen", [this] { NORMALClick(); });
    Diffusionsgluehen = MainMenu.Add("Diffusionsgluehen", "&Diffusionsglühen",
                                     [this] { DiffusionsgluehenClick(); });
    Grobkorn = MainMenu.Add("Grobkorn", "&Grobkornglühen", [this] { GrobkornClick(); });
    ARM = MainMenu.Add("ARM", "&Spannungsfreiglühen", [this] { ARMClick(); });
    Re = MainMenu.Add("Re", "&Rekristallisationsglühen", [this] { ReClick(); });
    WEICH = MainMenu.Add("WEICH", "&Weichglühen", [this] { WEICHClick(); });
    Neu = MainMenu.Add("Neu", "&Löschen/Neu", [this] { NeuClick(); });
}

void TFormGlueh::FormCreate() {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    Unit.FaktorX = layout.FaktorX;
    Unit.FaktorY = layout.FaktorY;
    const Layout& fixed = layout.Small ? SmallLayout : LargeLayout;
    Place(*PaintBoxHaupt, fixed.Diagram);
    Place(*MemoErlaeuterung, fixed.Memo);
    ScreenFrame::SetExplanationFont(*MemoErlaeuterung, Unit.FaktorY, MemoFontDesignHeight);
}

void TFormGlueh::FormPaint() {
    ScreenFrame::DrawBackdrop(*this, PaintBoxHaupt->Color(), BackdropOuter, BackdropInner);
}

// --- painting ----------------------------------------------------------------------------------

void TFormGlueh::PaintBoxHauptPaint() {
    // Every repaint starts the text afresh, so the explanations of bands that the repaint
    // removes go with them.
    ScreenFrame::WriteLines(*MemoErlaeuterung, Introduction);
    TCanvas& c = PaintBoxHaupt->Canvas;
    const int w = PaintBoxHaupt->Width();
    const int h = PaintBoxHaupt->Height();
    const int bottom = h - FrameBottomMargin;
    Unit.RasterX = static_cast<float>((w - ColumnMargin) / Columns);
    Unit.RasterY = static_cast<float>((h - RowMargin) / Rows);

    c.Font.Height = PaintFontHeight;
    c.Pen.Style = psSolid;
    c.Pen.Width = 1;
    c.Pen.Color = clYellow;
    c.Brush.Color = clYellow;
    c.Rectangle(0, 0, w, h);
    c.Pen.Width = BackgroundRowWidth;
    for (int i = FirstBackgroundRow; i <= LastBackgroundRow; ++i) {
        c.Pen.Color = BackgroundColorBase - BackgroundColorStep * i;
        c.MoveTo(0, BackgroundRowWidth * i + BackgroundTop);
        c.LineTo(w, BackgroundRowWidth * i + BackgroundTop);
    }
    PaintGrid(c, w, h, bottom);
    PaintScales(c, w, h);
    PaintBoundaries(c, bottom);

    c.Font.Height = PaintFontHeight;
    c.Font.Color = clBlue;
    for (const FixedText& t : Designations)
        c.TextOut(t.At.X, t.At.Y, t.Text);
}

void TFormGlueh::PaintGrid(TCanvas& c, int w, int h, int bottom) {
    c.Pen.Color = clBlack;
    c.Pen.Width = FrameWidth;
    c.Brush.Style = bsClear;
    c.Rectangle(DiagramLeft, FrameTop, w - FrameRightMargin, bottom);
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (int i = 1; i <= HorizontalGridLines; ++i) {
        const int y = Round(bottom - i * static_cast<long double>(Unit.RasterY));
        c.MoveTo(DiagramLeft, y);
        c.LineTo(w - FrameRightMargin, y);
    }
    for (int i = 1; i <= VerticalGridLines; ++i) {
        const int x = Round(DiagramLeft + i * static_cast<long double>(Unit.RasterX));
        c.MoveTo(x, FrameTop);
        c.LineTo(x, bottom);
    }
}

void TFormGlueh::PaintScales(TCanvas& c, int w, int h) {
    const long double rx = Unit.RasterX;
    const long double ry = Unit.RasterY;
    c.Font.Color = clBlack;
    c.TextOut(TemperatureTitleX, Round(h - RowMargin - Rows * ry), "Temperatur/°C");
    const int m = h - TemperatureBase;
    for (const ScaleLabel& label : TemperatureLabels)
        c.TextOut(label.X, Round(m - label.Rows * ry), label.Text);
    c.TextOut(ZeroDegrees.X, h - ZeroDegrees.Y, "   0");
    const int y = h - CarbonRowFromBottom;
    c.TextOut(CarbonZeroX, y, " 0");
    for (int k = 1; k <= CarbonLabels; ++k) {
        // 0.2 … 2.0 in steps of 0.2, written with one decimal.
        const int tenths = 2 * k;
        const std::string text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        c.TextOut(Round(k * rx + CarbonLabelX), y, text);
    }
    c.TextOut(Round(Columns * rx + CarbonLastX), y, "2.2");
    c.TextOut(Round((Columns + 1) * rx + CarbonUnitX), y, "C in Gew.%");
}

void TFormGlueh::PaintBoundaries(TCanvas& c, int bottom) {
    const TimeTemperature::TSectionFrame frame{
        DiagramLeft, PaintBoxHaupt->Width() - FrameRightMargin, FrameTop, bottom, Unit.RasterX,
        Unit.RasterY};
    auto at = [&](DiagramPoint p) { return frame.At(p.Carbon, p.Celsius); };
    c.Pen.Color = clBlue;
    c.Pen.Style = psSolid;
    c.Pen.Width = 1;
    const TPoint foot = at(EutectoidFoot);
    const TPoint s = at(EutectoidS);
    c.MoveTo(foot.X, foot.Y);
    c.LineTo(s.X, s.Y);

    c.Pen.Color = Colour1;
    c.Pen.Width = BoundaryWidth;
    for (const Polyline& line : Boundaries) {
        const TPoint first = at(line.front());
        c.MoveTo(first.X, first.Y);
        for (std::size_t i = 1; i < line.size(); ++i) {
            const TPoint p = at(line[i]);
            c.LineTo(p.X, p.Y);
        }
    }
    c.Font.Color = Colour1;
    for (const DiagramLabel& label : PointLabels) {
        const TPoint p = at(label.At);
        c.TextOut(p.X, p.Y, label.Text);
    }
}

// --- commands ----------------------------------------------------------------------------------

bool TFormGlueh::BandRunning() const {
    for (const TTimer* t : {TimerNORMAL, TimerHOMO, TimerArm, TimerRE, TimerWEICH})
        if (t->Enabled())
            return true;
    return false;
}

void TFormGlueh::StopBands() {
    for (TTimer* t : {TimerNORMAL, TimerHOMO, TimerArm, TimerRE, TimerWEICH})
        t->SetEnabled(false);
}

void TFormGlueh::EndeClick() {
    Close();
}

void TFormGlueh::ESCAPEClick() {
    Close();
}

void TFormGlueh::FormClose() {
    SetEnabled(true);
    // Every band stops with the screen: a band left running would go on drawing on the hidden
    // screen and disable it again.
    StopBands();
}

void TFormGlueh::NeuClick() {
    Refresh();
    StopBands();
    SetEnabled(true);
    for (TMenuItem* item : {NORMAL, Diffusionsgluehen, Grobkorn, ARM, Re, WEICH})
        item->SetEnabled(true);
}

void TFormGlueh::StartBand(TTimer& timer, TMenuItem& command, int startX, float c) {
    // The bands share one head: a second command typed before the first band's first tick must
    // not start a second timer on it.
    if (BandRunning())
        return;
    timer.SetEnabled(true);
    Unit.GluehX = startX;
    Unit.GluehY = static_cast<float>(Unit.GluehX) * Slope + c;
    PaintBoxHaupt->Canvas.MoveTo(Unit.GluehX, Round(Unit.GluehY));
    command.SetEnabled(false);
}

void TFormGlueh::NORMALClick() {
    StartBand(*TimerNORMAL, *NORMAL, NormalisingBand::StartX, NormalC);
}

void TFormGlueh::DiffusionsgluehenClick() {
    StartBand(*TimerHOMO, *Diffusionsgluehen, HomoStartX, HomoC);
}

void TFormGlueh::ARMClick() {
    StartBand(*TimerArm, *ARM, ArmStartX, ArmC);
}

void TFormGlueh::ReClick() {
    StartBand(*TimerRE, *Re, ReStartX, ReC);
}

void TFormGlueh::WEICHClick() {
    StartBand(*TimerWEICH, *WEICH, WeichStartX, WeichC);
}

void TFormGlueh::GrobkornClick() {
    // Drawn at once, but not into a band that is still growing.
    if (BandRunning())
        return;
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Brush.Color = CoarseColor;
    c.Pen.Color = CoarseColor;
    c.Pen.Width = CoarseOutlineWidth;
    c.Pen.Style = psSolid;
    c.Polygon(CoarseField);
    c.Font.Height = NameFontHeight;
    c.Font.Color = clWhite;
    c.TextOut(CoarseName.X, CoarseName.Y, "Grobkornglühen");
    Explain(CoarseGrain);
    Grobkorn->SetEnabled(false);
}

// The explanation goes below the ones before, and the text scrolls to its first line: after a
// few processes it would lie below the box's edge, where a learner who does not scroll never
// sees it.
void TFormGlueh::Explain(int process) {
    const int first = MemoErlaeuterung->LinesCount();
    MemoErlaeuterung->LinesAdd(ExplanationRule);
    for (const std::string& line : Explanations[static_cast<std::size_t>(process)])
        MemoErlaeuterung->LinesAdd(line);
    MemoErlaeuterung->ScrollToLine(first);
}

// --- the bands ---------------------------------------------------------------------------------

void TFormGlueh::EndBand(TTimer& timer, const char* name, TPoint at, TColor font, bool onBox) {
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Font.Height = NameFontHeight;
    c.Font.Color = font;
    if (onBox)
        c.Brush.Color = c.Pen.Color;
    else
        c.Brush.Style = bsClear;
    c.TextOut(at.X, at.Y, name);
    SetEnabled(true);
    timer.SetEnabled(false);
}

void TFormGlueh::TimerNORMALTimer() {
    SetEnabled(false);
    const bool passed =
        NormalisingBand::Grow(PaintBoxHaupt->Canvas, NormalBand, Unit.GluehX, Unit.GluehY);
    if (Unit.GluehX == NormalExplainAt)
        Explain(Normalising);
    if (passed)
        EndBand(*TimerNORMAL, " Normalglühen ", NormalName, clWhite, true);
}

// One tick of a band: until it is complete the screen takes no input but Esc. Returns whether
// the band is complete.
bool TFormGlueh::GrowBand(TTimer& timer, const Band& band) {
    SetEnabled(false);
    Unit.GluehX += BandStep;
    if (Unit.GluehX == band.ExplainAt)
        Explain(band.Explains);
    const bool passed = Stepping::Tick(PaintBoxHaupt->Canvas, band.Steps,
                                       std::span<int>(&Unit.GluehX, 1), &Unit.GluehY);
    if (passed)
        EndBand(timer, band.Name, band.NameAt, band.NameColor, false);
    return passed;
}

void TFormGlueh::TimerHOMOTimer() {
    GrowBand(*TimerHOMO, HomoBand);
}

void TFormGlueh::TimerArmTimer() {
    GrowBand(*TimerArm, ArmBand);
}

void TFormGlueh::TimerRETimer() {
    // A stress-relief band drawn before lies inside this wider band: it is drawn again on top,
    // so that both stay visible.
    if (!GrowBand(*TimerRE, ReBand) || ARM->Enabled())
        return;
    TCanvas& c = PaintBoxHaupt->Canvas;
    c.Pen.Color = ArmColor;
    c.Pen.Width = ArmWidth;
    c.MoveTo(ArmStartX, AnnealLevel);
    c.LineTo(AnnealStop, AnnealLevel);
    c.Font.Color = clWhite;
    c.TextOut(ArmName.X, ArmName.Y, " Spannungsfreiglühen ");
}

void TFormGlueh::TimerWEICHTimer() {
    GrowBand(*TimerWEICH, WeichBand);
}
