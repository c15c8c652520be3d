#include "zta_ztu/ZtuScreen.h"

namespace {

constexpr int FormFontHeight = -11;
constexpr int OverlayFontHeight = -15;
constexpr int HintFontHeight = -15;
constexpr int ExplanationFontHeight = -15;
constexpr TColor SurfaceOrange = 0x02ABFD;
constexpr TZtuBounds SmallSurface{5, 5, ZtuDiagram::SurfaceWidth, ZtuDiagram::SurfaceHeight};
constexpr TZtuBounds LargeSurface{130, 60, ZtuDiagram::SurfaceWidth, ZtuDiagram::SurfaceHeight};
constexpr TRect BackdropOuter{20, 22, 1000, 650};
constexpr TRect BackdropInner{60, 45, 950, 610};

} // namespace

void PlaceControl(TControl& control, const TZtuBounds& b) {
    control.SetBounds(b.Left, b.Top, b.Width, b.Height);
}

TZtuScreen::TZtuScreen(const TZtuScreenData& data, TZtuVariables& unit)
    : unit_(unit), frameData_(data) {
    SetCaption(data.Caption);
    BorderStyle = bsToolWindow;
    SetColor(ScreenFrame::ScreenBlue);
    SetFont({"MS Sans Serif", FormFontHeight, clWindowText, false});

    PaintBoxHaupt = Add<TPaintBox>();
    PaintBoxHaupt->Name = "PaintBoxHaupt";
    PaintBoxHaupt->SetColor(SurfaceOrange);
    PaintBoxHaupt->OnPaint = [this] { PaintBoxHauptPaint(); };
    // Paints nothing of its own: what the animations draw on it lies over the diagram.
    PaintBoxLog = Add<TPaintBox>();
    PaintBoxLog->Name = "PaintBoxLog";
    PaintBoxLog->SetFont({"MS Sans Serif", OverlayFontHeight, clWindowText, data.OverlayBold});
    PaintBoxLog->OnPaint = [this] { PaintBoxLogPaint(); };

    MemoErlaeuterung = ScreenFrame::AddExplanation(
        *this, {ScreenFrame::ExplanationYellow, true, ssBoth, data.ExplanationReadOnly, true});
    MemoErlaeuterung->SetFont({"MS Sans Serif", ExplanationFontHeight, clBlack, false});
    StatusBarHint = ScreenFrame::AddHintBar(*this, ScreenFrame::HintF1, HintFontHeight);
}

ScreenFrame::Layout TZtuScreen::PlaceFrame(const TZtuBounds& smallText,
                                           const TZtuBounds& largeText) {
    const ScreenFrame::Layout layout = ScreenFrame::PlaceStandard(*this);
    unit_.FaktorX = layout.FaktorX;
    unit_.FaktorY = layout.FaktorY;
    PlaceControl(*PaintBoxHaupt, layout.Small ? SmallSurface : LargeSurface);
    PlaceControl(*MemoErlaeuterung, layout.Small ? smallText : largeText);
    ScreenFrame::SetExplanationFont(*MemoErlaeuterung, unit_.FaktorY);
    // The frame is the same on every paint, so the overlay can stand in its place at once.
    unit_.Frames = DiagramFrames(PaintBoxHaupt->Width(), PaintBoxHaupt->Height());
    PaintBoxLogPaint();
    return layout;
}

ZtuDiagram::TFrames TZtuScreen::DiagramFrames(int width, int height) const {
    return ZtuDiagram::Frames(*frameData_.Diagram, width, height);
}

ZtuDiagram::TFrames TZtuScreen::PaintDiagram() {
    return ZtuDiagram::Paint(*PaintBoxHaupt, *frameData_.Diagram);
}

TRect TZtuScreen::OverlayBounds() const {
    return TimeTemperature::OverlayBounds(*PaintBoxHaupt, unit_.Frames.Ztu,
                                          frameData_.OverlayStepsDown);
}

void TZtuScreen::FormPaint() {
    ScreenFrame::DrawBackdrop(*this, PaintBoxHaupt->Color(), BackdropOuter, BackdropInner);
}

void TZtuScreen::PaintBoxHauptPaint() {
    unit_.Frames = PaintDiagram();
}

void TZtuScreen::PaintBoxLogPaint() {
    const TRect r = OverlayBounds();
    if (PaintBoxLog->BoundsRect() != r)
        PaintBoxLog->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TZtuScreen::TextClick() {
    ScreenFrame::ToggleExplanation(*MemoErlaeuterung);
}
