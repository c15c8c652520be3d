#include "phase/PhaseDiagram.h"

namespace PhaseDiagram {

void DrawCurve(TCanvas& canvas, TPoint from, int first, int last, const CurveFormula& y) {
    canvas.MoveTo(from.X, from.Y);
    for (int x = first; x <= last; ++x)
        canvas.LineTo(x, CurveRow(y(x)));
}

float LeverRule(int liquidusX, int alloyX, int solidusX) {
    const int tieLine = liquidusX - solidusX;
    // A tie line of no length has no lever; the animation never asks for one.
    if (tieLine == 0)
        return 0;
    return static_cast<float>(((liquidusX - alloyX) * 100) / tieLine);
}

void ArrowHead(TCanvas& canvas, TPoint tip, TPoint left, TPoint right, TColor fill) {
    canvas.Brush.Color = fill;
    canvas.Polygon({tip, left, right});
}

} // namespace PhaseDiagram
