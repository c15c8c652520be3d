#pragma once
// The iron–carbon diagram from 0 to 6.67 % carbon and 500 to 1600 °C as data: its frame, its
// carbon and temperature scales, the characteristic points and the phase boundaries of the
// metastable (iron–cementite) and the stable (iron–graphite) system, all in design units of an
// 800 × 600 screen. The complete diagram draws them scaled by its factors; the microstructure
// series draws the metastable lines again one to one in pixels, so the lines and the drawing of
// a line set know nothing about the screen that uses them.

#include "platform/Canvas.h"

#include <array>
#include <span>
#include <string_view>
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

// The top edge of the frame, where D´ lies.
inline constexpr long double TopCelsius = 1600;

inline constexpr std::array<CharacteristicPoint, 24> CharacteristicPointTable{{
    {"A", System::Metastable, 0, 1536, Points::A},
    {"H", System::Metastable, 0.10L, 1493, Points::H},
    {"J", System::Metastable, 0.22L, 1493, Points::J},
    {"B", System::Metastable, 0.50L, 1493, Points::B},
    {"N", System::Metastable, 0, 1392, Points::N},
    {"G", System::Metastable, 0, 911, Points::G},
    {"M", System::Both, 0.04L, 769, Points::M},
    {"O", System::Both, 0.50L, 769, Points::O},
    {"P", System::Metastable, 0.06L, 723, Points::P},
    {"S", System::Metastable, 0.80L, 723, Points::S},
    {"K", System::Metastable, 6.67L, 723, Points::K},
    {"E", System::Metastable, 2.06L, 1147, Points::E},
    {"C", System::Metastable, 4.30L, 1147, Points::C},
    {"F", System::Metastable, 6.67L, 1147, Points::F},
    {"D", System::Metastable, 6.67L, 1320, Points::D},
    {"Q", System::Both, 0, BottomCelsius, Points::Q},
    {"L", System::Both, 6.67L, BottomCelsius, Points::L},
    {"P´", System::Stable, 0.06L, 738, Points::PStable},
    {"S´", System::Stable, 0.70L, 738, Points::SStable},
    {"K´", System::Stable, 6.67L, 738, Points::KStable},
    {"E´", System::Stable, 2.00L, 1153, Points::EStable},
    {"C´", System::Stable, 4.20L, 1153, Points::CStable},
    {"F´", System::Stable, 6.67L, 1153, Points::FStable},
    {"D´", System::Stable, 5.40L, TopCelsius, Points::DStable},
}};

// The point printed with this letter ("S´" for the stable system). Sections of the diagram on
// other screens take their corners from here; the lookup runs while compiling, so a letter that
// is not in the table does not build.
consteval const CharacteristicPoint& Characteristic(std::string_view letter) {
    for (const CharacteristicPoint& p : CharacteristicPointTable)
        if (std::string_view(p.Letter) == letter)
            return p;
    throw "no characteristic point with this letter";
}

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
