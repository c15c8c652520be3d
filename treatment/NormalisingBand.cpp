#include "treatment/NormalisingBand.h"

namespace NormalisingBand {

float FallingY(const Shape& shape, int x) {
    return static_cast<float>(Slope * x + shape.C);
}

bool Grow(TCanvas& canvas, const Shape& shape, int& x, float& y) {
    canvas.Pen.Color = PenColor;
    canvas.Pen.Width = PenWidth;
    canvas.Pen.Style = psSolid;
    x += Step;
    if (x <= Bend) {
        y = FallingY(shape, x);
        canvas.LineTo(x, Round(y));
    }
    if (x > Bend && x < shape.Stop) {
        y = shape.Level;
        canvas.LineTo(x, Round(y));
    }
    return x > shape.Stop;
}

} // namespace NormalisingBand
