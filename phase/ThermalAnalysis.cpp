#include "phase/ThermalAnalysis.h"

#include "shell/ScreenFrame.h"

#include <algorithm>

using namespace ThermalAnalysis;
using PhaseDiagram::Line;
using PhaseDiagram::Write;

namespace {

constexpr int DesignPixelsPerInch = 120;
constexpr int HintFontHeight = -17;
constexpr int MemoFontDesignHeight = 16;
// Every timer of the run asks for the shortest period the window system has.
constexpr int RunInterval = 1;

using ScreenFrame::Bounds;
using ScreenFrame::Place;
constexpr Bounds SmallDiagram{5, 5, 765, 410};
constexpr Bounds SmallMemo{5, 415, 765, 100};
constexpr Bounds LargeDiagram{75, 50, 870, 410};
constexpr Bounds LargeMemo{30, 500, 955, 120};
constexpr TRect BackdropOuter{20, 22, 1000, 650};
constexpr TRect BackdropInner{30, 30, 985, 480};

// The left half holds the colour field under the cooling curves, the right half the diagram.
constexpr int RightHalf = 420;
constexpr int FieldLastRow = 420;
constexpr TColor Yellow = 0x00FFFF;
constexpr int AxisFontHeight = 16;
constexpr int ScaleFontHeight = 14;

constexpr int AxisRow = 350;
constexpr int NameRow = 25;
constexpr TPoint TimeAxisEnd{415, 350};
constexpr TPoint TemperatureAxisEnd{5, 20};
constexpr TPoint AxisOrigin{5, 350};
constexpr Label TimeLabel{380, 355, "Zeit"};
constexpr Label TemperatureLabel{10, 5, "Temperatur"};
constexpr Label CurveNames[] = {{10, NameRow, "A"},   {70, NameRow, "L1"},  {130, NameRow, "L2"},
                                {190, NameRow, "L3"}, {250, NameRow, "L4"}, {310, NameRow, "B"}};

// The concentration axis with its six alloy verticals, 0 to 100 % B.
constexpr int ConcentrationLeft = 450;
constexpr int ConcentrationRight = 750;
constexpr int AlloySpacing = 60;
constexpr int AlloyTop = 40;
constexpr int ScaleRow = 355;
constexpr Label Scale[] = {{440, ScaleRow, "  0 % B"}, {500, ScaleRow, " 20"},
                           {560, ScaleRow, " 40"},     {620, ScaleRow, " 60"},
                           {680, ScaleRow, " 80"},     {720, ScaleRow, "100 %"}};
constexpr Label AlloyNames[] = {{445, NameRow, "A"},  {505, NameRow, "L1"}, {565, NameRow, "L2"},
                                {625, NameRow, "L3"}, {685, NameRow, "L4"}, {745, NameRow, "B"}};
constexpr int ConcentrationNameX = 550;
constexpr int ComponentAX = 445;
constexpr int ComponentBX = 745;

constexpr int ProjectionPenWidth = 1;
constexpr int DotRadius = 3;

// The end picture: a red frame round the diagram, silver dotted guides, blue end dots.
constexpr TPoint EndFrame[] = {{449, 351}, {751, 351}, {751, 59}, {449, 59}, {449, 351}};
constexpr int EndFrameWidth = 5;
constexpr int EndDotPenWidth = 2;

} // namespace

namespace ThermalAnalysis {

SegmentChain::Piece Until(int end, PhaseDiagram::Quad row) {
    return {clBlack, {SegmentChain::Test::Below, end}, row};
}

SegmentChain::Piece After(int end, PhaseDiagram::Quad row) {
    return SegmentChain::After(clBlack, end, row);
}

} // namespace ThermalAnalysis

TThermalAnalysisForm::TThermalAnalysisForm(const Data& data, State state)
    : TForm(DesignPixelsPerInch, data.DesignTextHeight), data_(data), state_(state) {
    SetCaption(data.Caption);
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", data.FontHeight, clWindowText, false});

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(ScreenFrame::DiagramOrange);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    // The lines are given with their breaks; each fits the box as it stands.
    MemoErlaeuterung = ScreenFrame::AddExplanation(
        *this, {ScreenFrame::ExplanationYellow, false, ssNone, true, /*StartsHidden=*/false});
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);

    auto timer = [this](auto handler) {
        auto* t = new TTimer(this, RunInterval, false);
        t->OnTimer = handler;
        return t;
    };
    for (int i = 0; i < Curves; ++i)
        curveTimers_[i] = timer([this, i] { CurveTimer(i); });
    Timer1 = curveTimers_[0];
    Timer2 = curveTimers_[1];
    Timer3 = curveTimers_[2];
    Timer4 = curveTimers_[3];
    Timer5 = curveTimers_[4];
    Timer6 = curveTimers_[5];
    TimerVerbindung = timer([this] { TimerVerbindungTimer(); });
    TimerLiquidus = timer([this] { TimerLiquidusTimer(); });
    TimerSchmelze = timer([this] { TimerSchmelzeTimer(); });
    TimerFest = timer([this] { TimerFestTimer(); });
    AddMenu();
}

void TThermalAnalysisForm::AddMenu() {
    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    Start = MainMenu.Add("Start", "&Start", [this] { StartClick(); });
    ESCAPEDOWN = ScreenFrame::AddEscapeItem(*this, "ESCAPEDOWN", "ESC = Abbruch",
                                            [this] { ESCAPEDOWNClick(); });
}

void TThermalAnalysisForm::FormCreate() {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    state_.FaktorX = layout.FaktorX;
    state_.FaktorY = layout.FaktorY;
    Place(*PaintBoxHaupt, layout.Small ? SmallDiagram : LargeDiagram);
    Place(*MemoErlaeuterung, layout.Small ? SmallMemo : LargeMemo);
    MemoErlaeuterung->LinesClear();
    ScreenFrame::SetExplanationFont(*MemoErlaeuterung, state_.FaktorY, MemoFontDesignHeight);
    ScreenFrame::WriteLines(*MemoErlaeuterung, data_.Explanation);
}

void TThermalAnalysisForm::FormPaint() {
    ScreenFrame::DrawBackdrop(*this, PaintBoxHaupt->Color(), BackdropOuter, BackdropInner);
}

// --- the static picture ----------------------------------------------------------------------

void TThermalAnalysisForm::DrawBackground(int width, int height) {
    TCanvas& c = Diagram();
    // A run broken off during the dotted projection leaves the pen dotted; the colour rows and
    // the edges of the halves are solid whatever came before.
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmCopy;
    if (data_.RightHalfFirst) {
        c.Pen.Color = clWhite;
        c.Brush.Color = Yellow;
        c.Rectangle(0, 0, width, height);
        c.Brush.Color = clWhite;
        c.Rectangle(RightHalf, 0, width, height);
        PhaseDiagram::DrawColourField(c, 0, RightHalf, 0, FieldLastRow);
        return;
    }
    // The whole surface in its own colour, outlined with the pen as the last drawing left it.
    c.Rectangle(0, 0, width, height);
    c.Brush.Color = clWhite;
    PhaseDiagram::DrawColourField(c, 0, RightHalf, 0, FieldLastRow);
    // The right half, outlined in the colour of the last row, and its edge.
    c.Rectangle(RightHalf, 0, width, height);
    Line(c, RightHalf, 0, RightHalf, height);
}

void TThermalAnalysisForm::DrawAxes() {
    TCanvas& c = Diagram();
    c.Pen.Color = clBlack;
    c.Pen.Style = psSolid;
    c.Brush.Color = data_.TimeLabelBrush;
    c.Font.Height = AxisFontHeight;
    c.Font.Color = data_.TimeLabelColor;
    Line(c, AxisOrigin.X, AxisOrigin.Y, TimeAxisEnd.X, TimeAxisEnd.Y);
    Write(c, TimeLabel);

    c.Brush.Color = Yellow;
    c.Font.Color = clBlack;
    Line(c, AxisOrigin.X, AxisOrigin.Y, TemperatureAxisEnd.X, TemperatureAxisEnd.Y);
    Write(c, TemperatureLabel);
    Write(c, CurveNames);

    c.Brush.Color = clWhite;
    Line(c, ConcentrationLeft, AxisRow, ConcentrationRight, AxisRow);
    const int row = data_.ConcentrationRow;
    c.TextOut(ConcentrationNameX, row, "Konzentration");
    c.TextOut(ComponentAX, row, "A");
    c.TextOut(ComponentBX, row, "B");
    c.Font.Height = ScaleFontHeight;
    Write(c, Scale);
    for (int x = ConcentrationLeft; x <= ConcentrationRight; x += AlloySpacing)
        Line(c, x, AxisRow, x, AlloyTop);
    Write(c, AlloyNames);
}

void TThermalAnalysisForm::PaintBoxHauptPaint() {
    DrawBackground(PaintBoxHaupt->Width(), PaintBoxHaupt->Height());
    DrawAxes();
}

// --- the commands ----------------------------------------------------------------------------

void TThermalAnalysisForm::StartClick() {
    Timer1->SetEnabled(true);
    const TPoint first = data_.CoolingCurves[0].First;
    Diagram().MoveTo(first.X, first.Y);
    Start->SetEnabled(false);
    Ende->SetEnabled(false);
    // Until the end picture stands only the Esc shortcut acts.
    SetEnabled(false);
}

void TThermalAnalysisForm::RestoreTables() {
    std::ranges::copy(data_.KurvenStart, state_.KurvenTab.begin());
    std::ranges::copy(data_.ProjektionStart, state_.ProjektionX.begin());
}

void TThermalAnalysisForm::EndeClick() {
    SetEnabled(true);
    Start->SetEnabled(true);
    RestoreTables();
    for (TTimer* t : curveTimers_)
        t->SetEnabled(false);
    for (TTimer* t : {TimerVerbindung, TimerLiquidus, TimerSchmelze, TimerFest})
        t->SetEnabled(false);
    Close();
}

void TThermalAnalysisForm::ESCAPEDOWNClick() {
    Ende->SetEnabled(true);
    EndeClick();
}

// --- the run ---------------------------------------------------------------------------------

void TThermalAnalysisForm::CurveTimer(int i) {
    const Curve& curve = data_.CoolingCurves[i];
    std::span<float> positions = state_.KurvenTab.subspan(curve.Slot, curve.Pieces.Pieces.size());
    if (!SegmentChain::Tick(Diagram(), curve.Pieces, positions))
        return;
    curveTimers_[i]->SetEnabled(false);
    if (i + 1 < Curves) {
        curveTimers_[i + 1]->SetEnabled(true);
        const TPoint next = data_.CoolingCurves[i + 1].First;
        Diagram().MoveTo(next.X, next.Y);
    } else {
        TimerVerbindung->SetEnabled(true);
    }
}

void TThermalAnalysisForm::Dot(int x, int y) {
    Diagram().Ellipse(x - DotRadius, y - DotRadius, x + DotRadius, y + DotRadius);
}

void TThermalAnalysisForm::Project(std::size_t i) {
    const Projection& line = data_.Projections[i];
    int& x = state_.ProjektionX[i];
    if (x == data_.ProjektionStart[i]) {
        if (line.StartDots.empty())
            Dot(x, line.Y);
        for (int at : line.StartDots)
            Dot(at, line.Y);
    }
    if (x < line.To) {
        Line(Diagram(), x, line.Y, x + 1, line.Y);
        x += 1;
    }
    const bool passes = line.PassDots.empty()
                            ? x == line.To
                            : std::ranges::find(line.PassDots, x) != line.PassDots.end();
    if (passes)
        Dot(x, line.Y);
}

void TThermalAnalysisForm::TimerVerbindungTimer() {
    TCanvas& c = Diagram();
    c.Pen.Width = ProjectionPenWidth;
    c.Pen.Color = data_.ProjectionColor;
    c.Pen.Style = psDot;
    c.Brush.Color = clBlue;
    for (std::size_t i = 0; i < data_.Projections.size(); ++i) {
        Project(i);
        if (i == data_.LastProjection && state_.ProjektionX[i] >= data_.Projections[i].To)
            StartFields();
    }
}

void TThermalAnalysisForm::StartFields() {
    TimerVerbindung->SetEnabled(false);
    Diagram().MoveTo(data_.FieldStart.X, data_.FieldStart.Y);
    // The three fields fill together, one step each per period. The solid field's timer is
    // started last so that it ticks last: its final step draws the end picture, and nothing of
    // the other two fields may come after it.
    TimerLiquidus->SetEnabled(true);
    TimerSchmelze->SetEnabled(true);
    TimerFest->SetEnabled(true);
}

void TThermalAnalysisForm::TimerLiquidusTimer() {
    if (Stepping::Tick(Diagram(), data_.Liquidus, state_.KurvenTab))
        TimerLiquidus->SetEnabled(false);
}

void TThermalAnalysisForm::TimerSchmelzeTimer() {
    if (Stepping::Tick(Diagram(), data_.Melt, state_.KurvenTab))
        TimerSchmelze->SetEnabled(false);
}

void TThermalAnalysisForm::TimerFestTimer() {
    TCanvas& c = Diagram();
    c.Font.Name = "MS Sans Serif";
    const bool complete = Stepping::Tick(c, data_.Solid, state_.KurvenTab);
    c.Brush.Color = clWhite;
    if (!complete)
        return;
    DrawEndPicture();
    Ende->SetEnabled(true);
    SetEnabled(true);
    TimerFest->SetEnabled(false);
}

void TThermalAnalysisForm::DrawEndPicture() {
    TCanvas& c = Diagram();
    c.Pen.Color = clRed;
    c.Pen.Width = EndFrameWidth;
    c.MoveTo(EndFrame[0].X, EndFrame[0].Y);
    for (std::size_t i = 1; i < std::size(EndFrame); ++i)
        c.LineTo(EndFrame[i].X, EndFrame[i].Y);

    c.Brush.Style = bsClear;
    c.Font.Color = clBlack;
    Write(c, data_.BlackNames);
    c.Font.Color = clWhite;
    Write(c, data_.WhiteNames);
    c.Font.Name = "Symbol";
    Write(c, data_.GreekNames);

    c.Pen.Color = clSilver;
    c.Pen.Width = 1;
    c.Pen.Style = psDot;
    for (int x = ConcentrationLeft; x <= ConcentrationRight; x += AlloySpacing)
        Line(c, x, AxisRow, x, AlloyTop);
    for (std::size_t i = 0; i < data_.Projections.size(); ++i) {
        const Projection& line = data_.Projections[i];
        Line(c, data_.ProjektionStart[i], line.Y, line.To, line.Y);
    }

    c.Brush.Color = clBlue;
    c.Pen.Color = clBlue;
    c.Pen.Width = EndDotPenWidth;
    c.Pen.Style = psSolid;
    for (const Projection& line : data_.Projections) {
        if (line.PassDots.empty())
            Dot(line.To, line.Y);
        for (int at : line.PassDots)
            Dot(at, line.Y);
    }
}
