#pragma once
// The temperature range of normalising in the steel corner of the iron–carbon diagram, drawn as
// a broad blue band that grows a few pixels to the right on every tick: below the eutectoid
// carbon content it falls parallel to G–S, about 50 K above it, beyond it runs level above the
// A1 line up to its stop. The annealing screen and the temperature-control overview draw it in
// their own sections of the diagram, each at its own height.

#include "platform/Canvas.h"

namespace NormalisingBand {

// Where the band starts, how far it grows a tick, and where it turns level: the eutectoid
// carbon content lies at the same x on both sections.
inline constexpr int StartX = 240;
inline constexpr int Step = 4;
inline constexpr int Bend = 390;
inline constexpr int PenWidth = 18;
inline constexpr TColor PenColor = clBlue;
inline constexpr long double Slope = 0.36L;

struct Shape {
    long double C; // the falling part: y = 0.36 · x + C
    float Level;   // the row of the level part
    int Stop;      // the band ends at the first x beyond it
};

// The row of the falling part at x, as a single-precision real.
float FallingY(const Shape& shape, int x);

// One tick: the head moves a step to the right and the band grows to it from where the pen
// stands, falling up to the bend and level before the stop. Returns whether the head has passed
// the stop; that tick draws nothing.
bool Grow(TCanvas& canvas, const Shape& shape, int& x, float& y);

} // namespace NormalisingBand
