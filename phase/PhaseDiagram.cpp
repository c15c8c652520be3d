#include "phase/PhaseDiagram.h"

#include <algorithm>
#include <cmath>

namespace PhaseDiagram {

void Write(TCanvas& canvas, const Label& label) {
    canvas.TextOut(label.X, label.Y, label.Text);
}

void Write(TCanvas& canvas, std::span<const Label> labels) {
    for (const Label& label : labels)
        Write(canvas, label);
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Line(TCanvas& canvas, const Segment& segment) {
    Line(canvas, segment.From.X, segment.From.Y, segment.To.X, segment.To.Y);
}

std::vector<TPoint> CurvePoints(TPoint from, int first, int last, const CurveFormula& y) {
    std::vector<TPoint> points{from};
    for (int x = first; x <= last; ++x)
        points.push_back({x, CurveRow(y(x))});
    return points;
}

void DrawCurve(TCanvas& canvas, TPoint from, int first, int last, const CurveFormula& y) {
    const std::vector<TPoint> points = CurvePoints(from, first, last, y);
    canvas.MoveTo(points.front().X, points.front().Y);
    for (std::size_t i = 1; i < points.size(); ++i)
        canvas.LineTo(points[i].X, points[i].Y);
}

void DrawCurve(TCanvas& canvas, const CurvePiece& piece) {
    DrawCurve(canvas, piece.Start, piece.First, piece.Last, piece.Row);
}

std::vector<TPoint> CurvePoints(const CurvePiece& piece) {
    return CurvePoints(piece.Start, piece.First, piece.Last, piece.Row);
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

// The lever's arms hang down this far; the masses are triangles this high and twice this wide.
constexpr int ArmDrop = 16;
constexpr int MassHeight = 10;
constexpr int MassHalfWidth = 3;
constexpr int VerticalTop = 20;
constexpr int VerticalAboveBottom = 122;
constexpr int IllustrationPenWidth = 2;
constexpr TColor DarkBlue = 0x000080;
constexpr TColor Orange = 0x0080FF;
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

float LeverRule(int liquidusX, int alloyX, int solidX) {
    return static_cast<float>(LeverShare(liquidusX, alloyX, solidX));
}

// Whole pixels give the integer division of the boxes exactly: the quotient of two small whole
// numbers is exact in extended precision wherever it is a whole number itself.
int LeverShare(long double liquidusX, long double alloyX, long double solidX) {
    const long double tieLine = liquidusX - solidX;
    // A tie line of no length has no lever; the animations never ask for one.
    if (tieLine == 0)
        return 0;
    return static_cast<int>(std::trunc((liquidusX - alloyX) * 100 / tieLine));
}

void DrawLeverStrip(TCanvas& canvas, const LeverStrip& strip) {
    canvas.Pen.Color = clWhite;
    canvas.Font.Color = clWhite;
    canvas.Rectangle(strip.Box);
    Write(canvas, strip.Masses);
    Line(canvas, strip.MassLine);
    Write(canvas, strip.Ratio);
    Line(canvas, strip.RatioLine);
    Write(canvas, strip.BoxLabels);
}

void DrawLeverIllustration(TCanvas& canvas, int surfaceHeight, const LeverIllustration& lever) {
    canvas.Pen.Color = clWhite;
    canvas.Pen.Width = IllustrationPenWidth;
    canvas.Font.Color = clWhite;
    Line(canvas, lever.AlloyX, VerticalTop, lever.AlloyX, surfaceHeight - VerticalAboveBottom);
    const int armEnd = lever.LeverY + ArmDrop;
    Line(canvas, lever.LeftX, lever.LeverY, lever.RightX, lever.LeverY);
    Line(canvas, lever.LeftX, lever.LeverY, lever.LeftX, armEnd);
    Line(canvas, lever.RightX, lever.LeverY, lever.RightX, armEnd);
    // The masses in whatever colour the brush has now.
    for (const int x : {lever.LeftX, lever.RightX})
        canvas.Polygon({{x, armEnd},
                        {x - MassHalfWidth, armEnd - MassHeight},
                        {x + MassHalfWidth, armEnd - MassHeight}});
    canvas.Brush.Color = DarkBlue;
    Write(canvas, lever.Crystals);
    Write(canvas, lever.ArmX);
    canvas.Font.Color = clBlack;
    canvas.Brush.Color = Orange;
    Write(canvas, lever.Melt);
    Write(canvas, lever.ArmY);
}

void ArrowHead(TCanvas& canvas, TPoint tip, TPoint left, TPoint right, TColor fill) {
    canvas.Brush.Color = fill;
    canvas.Polygon({tip, left, right});
}

} // namespace PhaseDiagram
