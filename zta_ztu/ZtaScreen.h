#pragma once
// What the three heating (ZTA) screens share: the heating diagram beside the steel corner on the
// 750 × 500 surface of the time–temperature screens, the overlay over its upper part on which the
// curves grow, the menu (close, F1, Esc, start, clear), the explanatory text that the learner may
// edit, and the pictures of the microstructure that appear under the diagram with their texts.

#include "platform/ImageList.h"
#include "zta_ztu/ZtaDiagram.h"
#include "zta_ztu/ZtuScreen.h"

#include <string>
#include <vector>

struct TZtaVariables : TZtuVariables {
    int BildNr = 0; // the next picture of the strip
};

namespace ZtaScreen {

// The heating curves and their captions.
inline constexpr TColor Green = 0x008000;

// A text under a picture: white on black or green, black on yellow.
struct TPictureText {
    const char* Text;
    int X;
    int Y;
    TColor Brush;
    TColor Font;
};
inline constexpr TPictureText OnBlack(const char* text, int x, int y) {
    return {text, x, y, clBlack, clWhite};
}
inline constexpr TPictureText OnYellow(const char* text, int x, int y) {
    return {text, x, y, clYellow, clBlack};
}
inline constexpr TPictureText OnGreen(const char* text, int x, int y) {
    return {text, x, y, Green, clWhite};
}

// The next picture of the strip, drawn when the curve reaches AtX; the one at 0 starts the strip
// from its first frame.
struct TPicture {
    int AtX;
    int X;
    int Y;
    std::vector<TPictureText> Texts;
};

struct TData {
    const char* Caption;
    ZtaDiagram::TData Diagram;
    // The overlay reaches down from the top edge to this many 200-K steps above the bottom edge.
    long double OverlayStepsUp;
    const char* StartCaption;
    const char* Strip; // the frame strip's name among the program's assets
    std::vector<std::string> ExplanationLines;
    TZtuBounds SmallText;
    TZtuBounds LargeText;
};

// Curves and pictures: 100 × 100 frames, font height 12 for the texts on the overlay.
inline constexpr int FrameSide = 100;
inline constexpr int CurveFontHeight = 12;
inline constexpr int CurveInterval = 50;

} // namespace ZtaScreen

class TZtaScreen : public TZtuScreen {
public:
    TZtaScreen(const ZtaScreen::TData& data, TZtaVariables& unit);

    TImageList* ImageListGef;
    TMenuItem* Ende;
    TMenuItem* Text;
    TMenuItem* ESCAPE;
    TMenuItem* Aufheizungskurven;
    TMenuItem* NEU;

    void EndeClick() { Close(); }
    void ESCAPEClick() { Close(); }
    virtual void AufheizungskurvenClick() = 0;
    virtual void NEUClick() = 0;

protected:
    ZtuDiagram::TFrames DiagramFrames(int width, int height) const override;
    ZtuDiagram::TFrames PaintDiagram() override;
    TRect OverlayBounds() const override;

    // The common part of the creation handler; returns the layout taken.
    ScreenFrame::Layout PlaceZta();
    // Frame BildNr with its texts, after which BildNr moves on.
    void DrawPicture(const ZtaScreen::TPicture& picture);
    // The pictures of the curve's position KurveX.
    void DrawPicturesAt(const std::vector<ZtaScreen::TPicture>& pictures, int kurveX);
    // Sets the curve back to the overlay's lower left corner.
    void RestartCurve();
    // A text on the overlay at the curve's end.
    void CurveCaption(int x, int y, const std::string& text, TColor font, TColor brush);
    // A timer of the screen at the curves' pace, running its handler.
    TTimer* AddTimer(std::function<void()> onTimer);

    TZtaVariables& zta_;

private:
    const ZtaScreen::TData& ztaData_;
};
