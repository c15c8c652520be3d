#pragma once
// The static picture of the heating (ZTA) screens on a 750 × 500 surface: the gradient, the steel
// corner of the iron–carbon diagram with the steel's composition marked, and the diagram with its
// logarithmic time axis over five 200-K steps from 200 to 1200 °C. The continuous screens leave
// that diagram empty until their curves grow; the isothermal one draws its transformation lines
// into it. Made of the cooling diagrams' pieces, with the heating diagrams' frame.

#include "platform/Controls.h"
#include "zta_ztu/ZtuDiagram.h"

#include <vector>

namespace ZtaDiagram {

using ZtuDiagram::TText;

// The frame every heating diagram has: 0.1 s at x 400, 1200 °C at y 20, 200 °C at y H − 100.
inline constexpr int ZtuLinks = 400;
inline constexpr int ZtuRightMargin = 22;
inline constexpr int FrameTop = 20;
inline constexpr int FrameBottomMargin = 100;
inline constexpr int Steps = 5;
inline constexpr long double BottomCelsius = 200;

// A transformation line drawn in the picture: a polyline of (d; T) points at short times, a
// parabola y = c − a · (k − k0)² over the pixel columns k1 … k2 from its own start point, and a
// straight tail at long times.
struct TParabola {
    TPoint Start;
    long double C;
    long double A;
    int K0;
    int K1;
    int K2;
};
struct TLine {
    TColor Pen;
    int Width;
    std::vector<ZtuDiagram::TTimePoint> Polyline;
    TParabola Parabola;
    std::vector<ZtuDiagram::TTimePoint> Tail;
};

struct TData {
    int EkdLinks;
    int EkdRightMargin; // EkdRechts = W − this
    // The labels left of the heating diagram; those of the section are always the plain ones.
    std::vector<ZtuDiagram::TTemperatureLabel> TemperatureLabels;
    std::vector<TText> SectionLabels;
    const char* SteelText;
    ZtuDiagram::TComposition Composition;
    // The isothermal diagram's own lines and labels; none on the continuous ones.
    std::vector<TLine> Lines = {};
    std::vector<TText> FieldLabels = {}; // black, without background
    std::vector<TText> LineLabels = {};  // white on black
};

// The texts of the steel corner with its left edge at 50, moved by dx for a section elsewhere.
std::vector<TText> SectionLabels(int dx);

// The labels left of a heating diagram: no label at its 200 °C bottom edge.
const std::vector<ZtuDiagram::TTemperatureLabel>& TemperatureLabels();

ZtuDiagram::TFrames Frames(const TData& data, int width, int height);
ZtuDiagram::TFrames Paint(TPaintBox& surface, const TData& data);

// The diagram's temperature steps: the grid lines and the y of a temperature.
inline constexpr long double GridCelsius[] = {400, 600, 800, 1000};

} // namespace ZtaDiagram
