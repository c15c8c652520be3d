#pragma once
// The static schematic diagrams: a phase diagram of A and B beside its explanatory text, with
// nothing to animate. Each screen is the same drawing played from its own display list.

#include "phase/PhaseDiagram.h"
#include "platform/Form.h"

#include <string>
#include <variant>
#include <vector>

namespace StaticPhase {

// A screen's unit state: where the diagram stands and the factors of the layout, which serve
// only the text's font height.
struct Variables {
    int DiagLinks = 0;
    int DiagOben = 0;
    int DiagBreite = 505;
    int DiagHoehe = 492;
    double FaktorX = 0;
    double FaktorY = 0;
};

// A text written transparent in the diagram's font, at diagram pixels.
struct Text {
    int X;
    int Y;
    const char* Caption;
};

// The steps that draw the lines, in their order: a change of pen width and style, a straight
// line, or a curve drawn point by point from its start.
struct Pen {
    int Width;
    TPenStyle Style;
};
struct Line {
    TPoint From;
    TPoint To;
};
struct Curve {
    TPoint Start;
    int First;
    int Last;
    PhaseDiagram::Quad Row;
};
using Stroke = std::variant<Pen, Line, Curve>;

struct Data {
    const char* Caption;
    // The text's width in the small layout.
    int MemoSmallWidth;
    // Whether the invisible Esc item stands before "&Ende" in the menu.
    bool EscapeFirst;
    // The pen that outlines the white field under the colours.
    TColor FieldPen;
    std::vector<std::string> Explanation;
    std::vector<Text> Texts;
    std::vector<Stroke> Strokes;
};

} // namespace StaticPhase

class TStaticPhaseForm : public TForm {
public:
    TStaticPhaseForm(const StaticPhase::Data& data, StaticPhase::Variables& unit);

    TPaintBox* PaintBoxHaupt;
    TMemo* MemoErlaeuterung;
    TStatusBar* StatusBarHint;
    TMenuItem* Ende;
    TMenuItem* ESCAPE;

    void FormCreate() override;
    void FormPaint() override;
    void PaintBoxHauptPaint();
    void EndeClick();
    void ESCAPEClick();

private:
    void AddMenu();
    void DrawBackground(TCanvas& c);
    void DrawStrokes(TCanvas& c);

    const StaticPhase::Data& data_;
    StaticPhase::Variables& unit_;
};
