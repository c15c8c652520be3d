#include "phase/PhaseDiagram.h"

#include <algorithm>

namespace PhaseDiagram {

void DrawCurve(TCanvas& canvas, TPoint from, int first, int last, const CurveFormula& y) {
    canvas.MoveTo(from.X, from.Y);
    for (int x = first; x <= last; ++x)
        canvas.LineTo(x, CurveRow(y(x)));
}

namespace {
constexpr int FieldLeft = 20;
constexpr int FieldRight = 480;
constexpr int FieldTop = 20;
constexpr int FieldYellowEnd = 70;
constexpr int FieldRedStart = 325;
constexpr int FieldBottom = 370;
constexpr TColor FieldYellow = 0x00FFFF;
// The green byte falls by one per row from 255 at row 70: yellow to red.
constexpr TColor TurningBase = 0x0145FF;
constexpr TColor TurningStep = 256;
// The red byte falls by two per row from 255 at row 325.
constexpr TColor DarkeningBase = 905;
constexpr TColor DarkeningStep = 2;

void FieldRow(TCanvas& canvas, int left, int right, int y, TColor color) {
    canvas.Pen.Color = color;
    canvas.MoveTo(left, y);
    canvas.LineTo(right, y);
}
} // namespace

void DrawColourField(TCanvas& canvas) {
    DrawColourField(canvas, FieldLeft, FieldRight, FieldTop, FieldBottom);
}

void DrawColourField(TCanvas& canvas, int left, int right, int first, int last) {
    canvas.Pen.Width = 1;
    for (int y = first; y <= std::min(last, FieldYellowEnd); ++y)
        FieldRow(canvas, left, right, y, FieldYellow);
    for (int y = std::max(first, FieldYellowEnd); y <= std::min(last, FieldRedStart); ++y)
        FieldRow(canvas, left, right, y, TurningBase - TurningStep * y);
    for (int y = std::max(first, FieldRedStart); y <= last; ++y)
        FieldRow(canvas, left, right, y, DarkeningBase - DarkeningStep * y);
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
