#pragma once
// What the phase-diagram screens share: curves drawn point by point from a formula, the lever
// rule, filled arrowheads.

#include "platform/Canvas.h"

#include <functional>

namespace PhaseDiagram {

// A curve's y at x, evaluated in extended precision.
using CurveFormula = std::function<long double(int x)>;

// The pixel row of a curve value: stored as a single-precision real first, then rounded.
inline int CurveRow(long double value) {
    return Round(static_cast<float>(value));
}

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

// The colour field of the schematic diagrams, in 1-px rows from x 20 to 480 (end excluded):
// yellow melt in rows 20 to 70, yellow turning red in 70 to 325, then darkening red down to
// row 370. The rows where two bands meet are drawn twice; the later colour stays.
void DrawColourField(TCanvas& canvas);
// The same field over other columns and rows: the rows first … last, each from x left to right
// (end excluded). The bands change colour at rows 70 and 325 wherever the field starts and
// ends. The pen is left in the colour of the last row.
void DrawColourField(TCanvas& canvas, int left, int right, int first, int last);

// Mass % of crystals by the lever rule, in whole percent (integer division, truncating):
// the melt's distance from the alloy over the length of the tie line.
float LeverRule(int liquidusX, int alloyX, int solidusX);

// A small filled triangle in the given brush colour, outlined with the canvas's pen.
void ArrowHead(TCanvas& canvas, TPoint tip, TPoint left, TPoint right, TColor fill);

} // namespace PhaseDiagram
