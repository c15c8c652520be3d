#include "shell/ScaleLabel.h"

namespace ScaleLabel {

namespace {
constexpr const char* GreekFace = "Symbol";
constexpr const char* Micro = "m";
} // namespace

void Write(TCanvas& canvas, TPoint at, const std::string& label, int microY) {
    canvas.TextOut(at.X, at.Y, label);
    if (label.empty())
        return;
    const int lastLetter = at.X + canvas.TextWidth(label.substr(0, label.size() - 1));
    canvas.Font.Name = GreekFace;
    canvas.TextOut(lastLetter - canvas.TextWidth(Micro), microY, Micro);
}

} // namespace ScaleLabel
