#pragma once
// What every time–temperature screen shares: the frame of a diagram with a logarithmic time axis
// (six decades from 0.1 s to 10^5 s, 200-K steps from 0 to 1200 °C), the frame of the steel
// corner of the iron–carbon diagram beside it, the transparent overlay on which curves grow, the
// model of a cooling curve of constant rate, and the dots and captions the animations leave.

#include "platform/Canvas.h"
#include "platform/Controls.h"

#include <span>
#include <string>

namespace TimeTemperature {

// Decades of the time axis and 200-K steps of the temperature axis that a frame holds; the
// decade and step widths are whole pixels, so the six of them may not fill the frame.
inline constexpr int Decades = 6;
inline constexpr int Steps = 6;
inline constexpr long double KelvinPerStep = 200;
// The shortest time on the axis, at its left edge.
inline constexpr long double FirstSeconds = 0.1L;

// The decade coordinate of a time in seconds: 0 at 0.1 s, 1 at 1 s, 6 at 10^5 s.
long double Decade(long double seconds);

// One diagram's frame with its log time axis: x = round(Links + d · Dekade) for a decade
// coordinate d, y = round(Unten − (T − Bottom) / 200 · Stufe) for T in °C.
struct TZtuFrame {
    int Links = 0;
    int Rechts = 0;
    int Oben = 0;
    int Unten = 0;
    float Dekade = 0; // pixels per decade
    float Stufe = 0;  // pixels per 200 K
    // The temperature of the bottom edge: 0 °C on the cooling diagrams, 200 °C on the heating
    // ones, whose steps start there.
    long double Bottom = 0;

    int X(long double decade) const;
    int Y(long double celsius) const;
    TPoint At(long double decade, long double celsius) const { return {X(decade), Y(celsius)}; }
    TRect Rect() const { return {Links, Oben, Rechts, Unten}; }
};
// The frame between the edges; decade and step are the integer sixths of its width and height,
// unless fewer steps span the height above a warmer bottom edge.
TZtuFrame MakeZtuFrame(int links, int rechts, int oben, int unten, int steps = Steps,
                       long double bottom = 0);

// The steel corner of the iron–carbon diagram: x = round(Links + C / 0.2 · StufeC) for C in %
// carbon, y as in the time–temperature frame.
struct TSectionFrame {
    static constexpr int CarbonSteps = 11;
    static constexpr long double PercentPerStep = 0.2L;
    int Links = 0;
    int Rechts = 0;
    int Oben = 0;
    int Unten = 0;
    float StufeC = 0;       // pixels per 0.2 % carbon
    float Stufe = 0;        // pixels per 200 K
    long double Bottom = 0; // °C at the bottom edge

    int X(long double carbon) const;
    int Y(long double celsius) const;
    TPoint At(long double carbon, long double celsius) const { return {X(carbon), Y(celsius)}; }
    TRect Rect() const { return {Links, Oben, Rechts, Unten}; }
};
TSectionFrame MakeSectionFrame(int links, int rechts, int oben, int unten, int steps = Steps,
                               long double bottom = 0);

// The transparent overlay lies over the diagram's frame from the temperature `stepsDown` 200-K
// steps below the top edge down to the bottom edge, and 20 pixels beyond the right edge; its
// origin is the diagram point at 0.1 s and that temperature. `surface` is the drawing surface the
// frame belongs to, in the form's coordinates.
inline constexpr int OverlayExtraWidth = 20;
TRect OverlayBounds(const TControl& surface, const TZtuFrame& frame, long double stepsDown);
void PlaceOverlay(TControl& overlay, const TControl& surface, const TZtuFrame& frame,
                  long double stepsDown);

// A cooling curve of constant rate on the overlay: straight with slope 1 in a log–log plot,
// y = k · 10^((x − 55) / 55), computed in single precision as the curves are stored.
inline constexpr int CurveDecadeWidth = 55;
float CurveY(long double k, int x);

// One piece of a cooling curve on the overlay: while KurveX lies in (From, To], KurveY is either
// the curve of constant rate (Exponential) or (X − Pivot) · Slope + Offset; a line is drawn to the
// point (X, KurveY + Dy), scaled by the factors, and KurveX advances by Step. The point takes the X
// before the step unless DrawAfterStep.
struct TSegment {
    int From;
    int To;
    bool Exponential;
    long double Pivot = 0;
    long double Slope = 0;
    long double Offset = 0;
    int Step = 1;
    bool DrawAfterStep = false;
    int Dy = 0;
};
// One tick of a curve: KurveY from the model, then every piece in turn, each tested on the X the
// previous one left, so that one tick may draw two pieces.
void GrowCurve(TCanvas& canvas, std::span<const TSegment> segments, long double k, int& kurveX,
               float& kurveY, double faktorX = 1, double faktorY = 1);

// A marker dot where a curve crosses a line of the diagram: a 1-pixel outline in the pen colour
// around a fill in the brush colour.
void Dot(TCanvas& canvas, TColor pen, TColor fill, int x1, int y1, int x2, int y2);
// A text on a solid cell of the brush colour.
void Caption(TCanvas& canvas, int x, int y, const std::string& text, TColor font, TColor brush);

// A pen of the given colour, width and style in copy mode.
TPen MakePen(TColor color, int width, TPenStyle style = psSolid);
void Line(TCanvas& canvas, TPoint from, TPoint to);

} // namespace TimeTemperature
