#pragma once
// The static picture of the continuous and isothermal ZTU screens on a 750 × 500 surface: a
// gradient from yellow to dark red, on the left the steel corner of the iron–carbon diagram with
// the steel's composition marked, on the right the ZTU diagram with its logarithmic time axis, its
// transformation lines and its fields. The four screens differ only in the data below.

#include "platform/Controls.h"
#include "zta_ztu/TimeTemperature.h"

#include <span>
#include <vector>

namespace ZtuDiagram {

struct TText {
    const char* Text;
    int X;
    int Y;
};

// A point of the ZTU diagram: decade coordinate and °C.
struct TTimePoint {
    long double D;
    long double T;
};
using TCurve = std::vector<TTimePoint>;

// The steel's composition in the section: a dashed vertical from its A3 temperature down to
// 0 °C, and the A3 and A1 lines from the steel to the section's right edge with their texts.
struct TLevel {
    long double AtSteel; // °C where the line leaves the steel's vertical
    long double AtEdge;  // °C at the section's right edge
    TText Label;
};
struct TComposition {
    long double Carbon; // %
    long double Top;    // °C where the vertical starts
    TLevel A3;
    TLevel A1;
    // How far (in % carbon) the steel box stands left of its usual place, clear of the marks of
    // a steel richer in carbon.
    long double BoxShift = 0;
};

struct TData {
    int ZtuLinks;
    int ZtuRightMargin; // ZtuRechts = W − this
    int EkdRightMargin; // EkdRechts = W − this
    // The last time label "10" with exponent "5" sits 7 and 8 pixels further left on one screen.
    bool TightLastTimeLabel;
    std::vector<TText> SectionLabels;
    const char* SteelText;
    TComposition Composition;
    std::vector<TCurve> Curves;
    std::vector<TText> FieldLabels;
};

// The texts of the steel corner on the screens whose section is 310 pixels wide.
const std::vector<TText>& NarrowSectionLabels();

// The frame values every paint computes from the surface's size.
struct TFrames {
    TimeTemperature::TZtuFrame Ztu;
    TimeTemperature::TSectionFrame Ekd;
};
TFrames Frames(const TData& data, int width, int height);

// The whole static picture on the surface's canvas; returns the frames it used.
TFrames Paint(TPaintBox& surface, const TData& data);

// The pieces of the picture, for the time–temperature screens that arrange them otherwise.

// A temperature label left of a frame, its cell 6 pixels above the temperature's line.
struct TTemperatureLabel {
    const char* Text;
    long double Celsius;
    TColor Color;
};
// A point of the iron–carbon section: carbon % and °C.
struct TCarbonPoint {
    long double C;
    long double T;
};
// The gradient from yellow to dark red behind everything.
void DrawGradient(TCanvas& c, int width, int height);
// The two gold frames.
void DrawFrameBoxes(TCanvas& c, const TFrames& f);
// Dotted lines at the temperatures across both frames, at the decades and at every 0.2 % C.
void DrawGrids(TCanvas& c, const TFrames& f, std::span<const long double> celsius);
// "Temperatur/°C", "1200" and the labels left of the frame at `left`, read on `scale`.
void DrawTemperatureLabels(TCanvas& c, int left, const TimeTemperature::TZtuFrame& scale,
                           std::span<const TTemperatureLabel> labels);
// The section's temperatures are read on its own scale, which matches the diagram's.
TimeTemperature::TZtuFrame SectionScale(const TFrames& f);
// The time axis with "Zeit/sec" at its usual place.
void DrawTimeLabels(TCanvas& c, const TimeTemperature::TZtuFrame& z, bool tightLast);
void DrawCarbonLabels(TCanvas& c, const TimeTemperature::TSectionFrame& e);
// The lines of the steel corner; the A3 line's points differ a little between the screens.
void DrawSection(TCanvas& c, const TimeTemperature::TSectionFrame& e,
                 std::span<const TCarbonPoint> a3Line);
// The A3 line of the cooling diagrams.
std::span<const TCarbonPoint> CoolingA3Line();
void Write(TCanvas& c, std::span<const TText> texts);
// The purple steel box and the steel's composition marks.
void DrawSteel(TCanvas& c, const char* steelText, const TComposition& m,
               const TimeTemperature::TSectionFrame& e);

// The time axis below a ZTU frame: "10" with its exponent at every decade ("1" at 1 s), in white,
// the last label moved left where it is tight, and "Zeit/sec" at the given place.
void DrawTimeAxis(TCanvas& c, const TimeTemperature::TZtuFrame& z, bool tightLast, TPoint title);
// Transformation lines through their points, 2 pixels wide.
void DrawCurves(TCanvas& c, std::span<const TCurve> curves, const TimeTemperature::TZtuFrame& z,
                TColor color);

// The fixed size of the drawing surface on every ZTU screen, in both layouts.
inline constexpr int SurfaceWidth = 750;
inline constexpr int SurfaceHeight = 500;

// Colours of the picture that the animations refer to, too.
inline constexpr TColor NearBlack = 1; // lines and frames: one step above black
inline constexpr TColor FrameGold = 0x00D7FF;

} // namespace ZtuDiagram
