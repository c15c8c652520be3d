#include "zta_ztu/TimeTemperature.h"

#include <cmath>

namespace TimeTemperature {

long double Decade(long double seconds) {
    return std::log10(seconds / FirstSeconds);
}

int TZtuFrame::X(long double decade) const {
    return Round(Links + decade * static_cast<long double>(Dekade));
}

int TZtuFrame::Y(long double celsius) const {
    return Round(Unten - (celsius - Bottom) / KelvinPerStep * static_cast<long double>(Stufe));
}

TZtuFrame MakeZtuFrame(int links, int rechts, int oben, int unten, int steps, long double bottom) {
    return {links,
            rechts,
            oben,
            unten,
            static_cast<float>((rechts - links) / Decades),
            static_cast<float>((unten - oben) / steps),
            bottom};
}

int TSectionFrame::X(long double carbon) const {
    return Round(Links + carbon / PercentPerStep * static_cast<long double>(StufeC));
}

int TSectionFrame::Y(long double celsius) const {
    return Round(Unten - (celsius - Bottom) / KelvinPerStep * static_cast<long double>(Stufe));
}

TSectionFrame MakeSectionFrame(int links, int rechts, int oben, int unten, int steps,
                               long double bottom) {
    return {links,
            rechts,
            oben,
            unten,
            static_cast<float>((rechts - links) / TSectionFrame::CarbonSteps),
            static_cast<float>((unten - oben) / steps),
            bottom};
}

TRect OverlayBounds(const TControl& surface, const TZtuFrame& frame, long double stepsDown) {
    const int drop = Round(stepsDown * static_cast<long double>(frame.Stufe));
    const int left = surface.Left() + frame.Links;
    const int top = surface.Top() + frame.Oben + drop;
    return {left, top, left + frame.Rechts - frame.Links + OverlayExtraWidth,
            top + frame.Unten - frame.Oben - drop};
}

void PlaceOverlay(TControl& overlay, const TControl& surface, const TZtuFrame& frame,
                  long double stepsDown) {
    const TRect r = OverlayBounds(surface, frame, stepsDown);
    if (overlay.BoundsRect() != r)
        overlay.SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

float CurveY(long double k, int x) {
    const long double exponent = static_cast<long double>(x - CurveDecadeWidth) / CurveDecadeWidth;
    return static_cast<float>(k * std::pow(10.0L, exponent));
}

void GrowCurve(TCanvas& canvas, std::span<const TSegment> segments, long double k, int& kurveX,
               float& kurveY, double faktorX, double faktorY) {
    kurveY = CurveY(k, kurveX);
    for (const TSegment& s : segments) {
        if (kurveX <= s.From || kurveX > s.To)
            continue;
        if (!s.Exponential)
            kurveY = static_cast<float>((kurveX - s.Pivot) * s.Slope + s.Offset);
        const int before = kurveX;
        kurveX += s.Step;
        const int x = s.DrawAfterStep ? kurveX : before;
        canvas.LineTo(
            Round(x * static_cast<long double>(faktorX)),
            Round((static_cast<long double>(kurveY) + s.Dy) * static_cast<long double>(faktorY)));
    }
}

void Dot(TCanvas& canvas, TColor pen, TColor fill, int x1, int y1, int x2, int y2) {
    canvas.Pen.Width = 1;
    canvas.Pen.Color = pen;
    canvas.Pen.Style = psSolid;
    canvas.Brush.Color = fill;
    canvas.Ellipse(x1, y1, x2, y2);
}

void Caption(TCanvas& canvas, int x, int y, const std::string& text, TColor font, TColor brush) {
    canvas.Brush.Color = brush;
    canvas.Font.Color = font;
    canvas.TextOut(x, y, text);
}

TPen MakePen(TColor color, int width, TPenStyle style) {
    TPen pen;
    pen.Color = color;
    pen.Width = width;
    pen.Style = style;
    return pen;
}

void Line(TCanvas& canvas, TPoint from, TPoint to) {
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
}

} // namespace TimeTemperature
