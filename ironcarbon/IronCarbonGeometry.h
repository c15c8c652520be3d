#pragma once
// The iron–carbon diagram from 0 to 6.67 % carbon and 500 to 1600 °C as data: its frame, its
// carbon and temperature scales, the characteristic points and the phase boundaries of the
// metastable (iron–cementite) and the stable (iron–graphite) system, all in design units of an
// 800 × 600 screen. The complete diagram draws them scaled by its factors; the microstructure
// series draws the metastable lines again one to one in pixels, so the lines and the drawing of
// a line set know nothing about the screen that uses them.

#include "platform/Canvas.h"

#include <span>
#include <vector>

namespace IronCarbonGeometry {

// The frame: 0 % carbon at the left edge, 6.67 % at the right; 1600 °C at the top edge, 500 °C
// at the bottom.
inline constexpr TRect Frame{50, 20, 717, 493};

// Carbon: x = 50 + 100 · C. Temperature: y = 493 − 0.43 · (T − 500).
inline constexpr int CarbonZeroX = 50;
inline constexpr int UnitsPerPercentCarbon = 100;
inline constexpr int BottomCelsius = 500;
inline constexpr long double UnitsPerDegree = 0.43L;
long double CarbonX(long double percentCarbon);
long double TemperatureY(long double celsius);

enum class System { Metastable, Stable, Both };

// A point where phase boundaries meet. The listed design coordinates are the ones the lines use;
// they follow the scales to within a few units.
struct CharacteristicPoint {
    const char* Letter;
    System Of;
    long double Carbon;  // mass per cent
    long double Celsius; // as the diagram prints it
    TPoint Design;
};
std::span<const CharacteristicPoint> CharacteristicPoints();

// The points themselves, for the line tables and for screens that mark them.
namespace Points {
inline constexpr TPoint A{50, 42};
inline constexpr TPoint H{60, 66};
inline constexpr TPoint J{72, 66};
inline constexpr TPoint B{100, 66};
inline constexpr TPoint N{50, 111};
inline constexpr TPoint G{50, 316};
inline constexpr TPoint M{54, 377};
inline constexpr TPoint O{100, 377};
inline constexpr TPoint P{56, 395};
inline constexpr TPoint S{130, 395};
inline constexpr TPoint K{717, 395};
inline constexpr TPoint E{256, 215};
inline constexpr TPoint C{480, 215};
inline constexpr TPoint F{717, 215};
inline constexpr TPoint D{717, 140};
inline constexpr TPoint Q{50, 493};
inline constexpr TPoint L{717, 493};
inline constexpr TPoint PStable{56, 390};
inline constexpr TPoint SStable{120, 390};
inline constexpr TPoint KStable{717, 390};
inline constexpr TPoint EStable{250, 210};
inline constexpr TPoint CStable{470, 210};
inline constexpr TPoint FStable{717, 210};
inline constexpr TPoint DStable{590, 20};
// In the stable view the lines from Q and from G meet a little left of P´.
inline constexpr TPoint PStableCorner{54, 390};
} // namespace Points

// Phase boundaries are solid lines; the verticals below C, E and S and the magnetic
// transformation M–O are drawn dashed in the metastable system.
enum class Stroke { Solid, Dashed };

struct Line {
    int Number; // 1–18 metastable, 19–22 stable; 0 for the stable view's own lines
    const char* Name;
    Stroke Kind;
    std::vector<TPoint> Points;
};

// Lines 1–18 in drawing order.
const std::vector<Line>& MetastableLines();
// Lines 19–22 of the combined view, in drawing order.
const std::vector<Line>& StableLines();
// The complete stable system as its own view draws it (lines 19–22 first), all solid.
const std::vector<Line>& StableViewLines();

// The section the cooling screens draw: the same metastable lines 1–18, cut off at 450 (about
// 600 °C) instead of 500 °C, with the liquidus B–C passing one unit higher at 1.3 % carbon.
inline constexpr TRect CoolingSectionFrame{50, 20, 717, 452};
inline constexpr int CoolingSectionBottom = 450;
const std::vector<Line>& CoolingSectionLines();

// The fields that the lattice screens highlight, as closed outlines.
const std::vector<TPoint>& AusteniteField();
const std::vector<TPoint>& FerriteField();

// How design units become pixels: each coordinate times its factor, rounded to the nearest
// integer (ties to even). Factors of 1 draw the design one to one.
struct DesignScale {
    double FaktorX = 1;
    double FaktorY = 1;
    int X(long double design) const;
    int Y(long double design) const;
    TPoint operator()(TPoint design) const { return {X(design.X), Y(design.Y)}; }
};

// A polyline through the points, scaled.
void DrawPolyline(TCanvas& canvas, const DesignScale& scale, std::span<const TPoint> points);
// Every line of a set, the solid ones with the first pen and the dashed ones with the second.
void DrawLines(TCanvas& canvas, const DesignScale& scale, const std::vector<Line>& lines,
               const TPen& solid, const TPen& dashed);
// A closed outline, filled with the canvas's brush.
void DrawField(TCanvas& canvas, const DesignScale& scale, std::span<const TPoint> outline);

} // namespace IronCarbonGeometry
