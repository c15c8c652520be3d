#pragma once
// What the phase-diagram screens share: texts and lines at diagram pixels, curves drawn point by
// point from a formula, the colour field, the lever rule with its strip and its illustration,
// filled arrowheads.

#include "platform/Canvas.h"

#include <functional>
#include <span>
#include <vector>

namespace PhaseDiagram {

// A text at diagram pixels, drawn with the canvas's font and brush as they are.
struct Label {
    int X;
    int Y;
    const char* Text;
};
void Write(TCanvas& canvas, const Label& label);
void Write(TCanvas& canvas, std::span<const Label> labels);

// A straight line; its end point is left out, as every line of the canvas.
struct Segment {
    TPoint From;
    TPoint To;
};
void Line(TCanvas& canvas, int x1, int y1, int x2, int y2);
void Line(TCanvas& canvas, const Segment& segment);

// A curve's y at x, evaluated in extended precision.
using CurveFormula = std::function<long double(int x)>;

// The pixel row of a curve value: stored as a single-precision real first, then rounded.
inline int CurveRow(long double value) {
    return Round(static_cast<float>(value));
}

// The points a curve is drawn through: `from`, then (x, row of y(x)) for x = first … last.
std::vector<TPoint> CurvePoints(TPoint from, int first, int last, const CurveFormula& y);

// Moves to `from` and draws to (x, row of y(x)) for x = first … last.
void DrawCurve(TCanvas& canvas, TPoint from, int first, int last, const CurveFormula& y);

// The parabola c + a × (x − h)² that most boundaries of the schematic diagrams follow. The
// square is taken of the whole-pixel distance first, as the rows were designed.
struct Quad {
    long double A;
    int H;
    long double C;
    long double operator()(int x) const {
        const int d = x - H;
        return C + A * (d * d);
    }
};

// A piece of a phase boundary: from its start point through the rows of x = First … Last.
struct CurvePiece {
    TPoint Start;
    int First;
    int Last;
    Quad Row;
};
void DrawCurve(TCanvas& canvas, const CurvePiece& piece);
std::vector<TPoint> CurvePoints(const CurvePiece& piece);

// The colour field of the schematic diagrams, in 1-px rows from x 20 to 480 (end excluded):
// yellow melt in rows 20 to 70, yellow turning red in 70 to 325, then darkening red down to
// row 370. The rows where two bands meet are drawn twice; the later colour stays.
void DrawColourField(TCanvas& canvas);
// The same field over other columns and rows: the rows first … last, each from x left to right
// (end excluded). The bands change colour at rows 70 and 325 wherever the field starts and
// ends. The pen is left in the colour of the last row.
void DrawColourField(TCanvas& canvas, int left, int right, int first, int last);

// Mass % of crystals by the lever rule, in whole percent (integer division, truncating toward
// zero, also when both distances are negative): the melt's distance from the alloy over the
// length of the tie line, which runs from `solidX`, the crystals' composition, to `liquidusX`.
float LeverRule(int liquidusX, int alloyX, int solidX);
// The same rule for compositions between whole pixels, as the probe reads them off the curves.
int LeverShare(long double liquidusX, long double alloyX, long double solidX);

// The strip under a diagram that states the lever rule: a box in the surface's colour with
// white texts, "mass of crystals over mass of melt = X over Y", and the labels of the two
// boxes that show the percentages. The pen keeps its width.
struct LeverStrip {
    TRect Box;
    std::vector<Label> Masses;
    Segment MassLine;
    std::vector<Label> Ratio;
    Segment RatioLine;
    std::vector<Label> BoxLabels;
};
void DrawLeverStrip(TCanvas& canvas, const LeverStrip& strip);

// The lever drawn over the diagram when the learner clicks the hand area: the alloy's vertical,
// the lever with its two hanging masses, and the two arms named by the masses they carry. The
// vertical ends 122 px above the surface's bottom.
struct LeverIllustration {
    int AlloyX;
    int LeverY;
    int LeftX;
    int RightX;
    // White on dark blue: the crystals' mass and the arm X.
    Label Crystals;
    Label ArmX;
    // Black on orange: the melt's mass and the arm Y.
    Label Melt;
    Label ArmY;
};
void DrawLeverIllustration(TCanvas& canvas, int surfaceHeight, const LeverIllustration& lever);

// A small filled triangle in the given brush colour, outlined with the canvas's pen.
void ArrowHead(TCanvas& canvas, TPoint tip, TPoint left, TPoint right, TColor fill);

} // namespace PhaseDiagram
