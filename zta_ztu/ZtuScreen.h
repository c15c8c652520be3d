#pragma once
// The frame of the continuous and isothermal ZTU screens: a 750 × 500 drawing surface that is
// the same in both layouts (only its place differs), the ZTU picture on it, the transparent
// overlay on which the animations draw, the explanatory text behind F1 and the hint bar.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "shell/ScreenFrame.h"
#include "zta_ztu/ZtuDiagram.h"

// The unit variables the ZTU screens share.
struct TZtuVariables {
    double FaktorX = 0;
    double FaktorY = 0;
    ZtuDiagram::TFrames Frames{};
    int KurveX = 0;
    float KurveY = 0;
};

struct TZtuBounds {
    int Left, Top, Width, Height;
};
void PlaceControl(TControl& control, const TZtuBounds& bounds);

struct TZtuScreenData {
    const char* Caption;
    // The cooling diagram; the heating screens paint their own instead (see PaintDiagram).
    const ZtuDiagram::TData* Diagram;
    // How far below the diagram's top edge the overlay starts, in 200-K steps.
    long double OverlayStepsDown;
    bool OverlayBold;
    bool ExplanationReadOnly;
};

class TZtuScreen : public TForm {
public:
    TZtuScreen(const TZtuScreenData& data, TZtuVariables& unit);

    TPaintBox* PaintBoxHaupt;
    TPaintBox* PaintBoxLog;
    TMemo* MemoErlaeuterung;
    TStatusBar* StatusBarHint;

    void FormPaint() override;
    void PaintBoxHauptPaint();
    void PaintBoxLogPaint();
    void TextClick();

protected:
    // The form, the surface and the overlay in their places; the explanatory text at its bounds.
    ScreenFrame::Layout PlaceFrame(const TZtuBounds& smallText, const TZtuBounds& largeText);
    // The frame values for a surface of this size, the static picture, and where the overlay
    // lies over it: the cooling diagram's unless a screen draws another.
    virtual ZtuDiagram::TFrames DiagramFrames(int width, int height) const;
    virtual ZtuDiagram::TFrames PaintDiagram();
    virtual TRect OverlayBounds() const;

    TZtuVariables& unit_;

private:
    const TZtuScreenData frameData_;
};
