#include "phase/StaticPhase.h"

#include "shell/ScreenFrame.h"

namespace {

constexpr int FontHeight = -10; // the screen font's character height
constexpr int HintFontHeight = -15;
constexpr int MemoFontDesignHeight = 16;
constexpr TColor DiagramGold = 0x00D2FF;
// Every line of these diagrams is drawn in colour 1, a black that is one step red.
constexpr TColor LineColor = 1;
constexpr int DiagramPenWidth = 2;

// The small layout puts the diagram right of the text, the large one inside a framed panel.
constexpr int SmallDiagLinks = 265;
constexpr int SmallDiagOben = 5;
constexpr int SmallMemoLeftOffset = 264;
constexpr int SmallMemoTopOffset = 2;
constexpr int LargeDiagLinks = 430;
constexpr int LargeDiagOben = 70;
constexpr TRect LargeMemo{30, 40, 30 + 370, 40 + 590};
constexpr TRect Backdrop{20, 22, 1000, 650};

constexpr TRect WhiteField{20, 20, 481, 370};

} // namespace

TStaticPhaseForm::TStaticPhaseForm(const StaticPhase::Data& data, StaticPhase::Variables& unit)
    : TForm(96, 13), data_(data), unit_(unit) {
    SetCaption(data.Caption);
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", FontHeight, clWindowText, false});

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(DiagramGold);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    MemoErlaeuterung = ScreenFrame::AddExplanation(
        *this, {ScreenFrame::ExplanationYellow, true, ssBoth, true, /*StartsHidden=*/false});
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintEsc, HintFontHeight);
    AddMenu();
}

void TStaticPhaseForm::AddMenu() {
    auto addEscape = [this] {
        ESCAPE = ScreenFrame::AddEscapeItem(*this, "ESCAPE", "ESCAPE", [this] { ESCAPEClick(); });
    };
    if (data_.EscapeFirst)
        addEscape();
    Ende = MainMenu.Add("Ende", "&Ende", [this] { EndeClick(); });
    if (!data_.EscapeFirst)
        addEscape();
}

void TStaticPhaseForm::FormCreate() {
    ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    unit_.FaktorX = layout.FaktorX;
    unit_.FaktorY = layout.FaktorY;
    if (layout.Small) {
        unit_.DiagLinks = SmallDiagLinks;
        unit_.DiagOben = SmallDiagOben;
        MemoErlaeuterung->SetBounds(unit_.DiagLinks - SmallMemoLeftOffset,
                                    unit_.DiagOben - SmallMemoTopOffset, data_.MemoSmallWidth,
                                    unit_.DiagHoehe + 2);
    } else {
        unit_.DiagLinks = LargeDiagLinks;
        unit_.DiagOben = LargeDiagOben;
        MemoErlaeuterung->SetBounds(LargeMemo.Left, LargeMemo.Top, LargeMemo.Width(),
                                    LargeMemo.Height());
    }
    PaintBoxHaupt->SetBounds(unit_.DiagLinks, unit_.DiagOben, unit_.DiagBreite, unit_.DiagHoehe);
    TCanvas& haupt = PaintBoxHaupt->Canvas;
    haupt.Pen.Width = DiagramPenWidth;
    haupt.Pen.Color = clBlack;
    haupt.Pen.Style = psSolid;

    // Written once: nothing on these screens changes the text afterwards.
    MemoErlaeuterung->LinesClear();
    ScreenFrame::SetExplanationFont(*MemoErlaeuterung, unit_.FaktorY, MemoFontDesignHeight);
    ScreenFrame::WriteLines(*MemoErlaeuterung, data_.Explanation);
}

void TStaticPhaseForm::FormPaint() {
    Canvas.Font.Name = "Ms Sans Serif";
    ScreenFrame::DrawBackdrop(*this, ScreenFrame::DiagramOrange, Backdrop);
}

void TStaticPhaseForm::DrawBackground(TCanvas& c) {
    // The pen keeps the width the last paint left it with.
    c.Pen.Color = clWhite;
    c.Brush.Color = DiagramGold;
    c.Rectangle(0, 0, unit_.DiagBreite, unit_.DiagHoehe);
    c.Brush.Color = clWhite;
    c.Pen.Color = data_.FieldPen;
    c.Rectangle(WhiteField);
    c.Brush.Style = bsClear;
    PhaseDiagram::DrawColourField(c);
}

void TStaticPhaseForm::DrawStrokes(TCanvas& c) {
    c.Pen.Color = LineColor;
    c.Pen.Width = DiagramPenWidth;
    for (const StaticPhase::Stroke& stroke : data_.Strokes) {
        if (const auto* pen = std::get_if<StaticPhase::Pen>(&stroke)) {
            c.Pen.Width = pen->Width;
            c.Pen.Style = pen->Style;
        } else if (const auto* line = std::get_if<StaticPhase::Line>(&stroke)) {
            c.MoveTo(line->From.X, line->From.Y);
            c.LineTo(line->To.X, line->To.Y);
        } else if (const auto* curve = std::get_if<StaticPhase::Curve>(&stroke)) {
            PhaseDiagram::DrawCurve(c, curve->Start, curve->First, curve->Last, curve->Row);
        }
    }
}

void TStaticPhaseForm::PaintBoxHauptPaint() {
    TCanvas& c = PaintBoxHaupt->Canvas;
    DrawBackground(c);
    for (const StaticPhase::Text& text : data_.Texts)
        c.TextOut(text.X, text.Y, text.Caption);
    DrawStrokes(c);
}

void TStaticPhaseForm::EndeClick() {
    Close();
}

void TStaticPhaseForm::ESCAPEClick() {
    Close();
}
