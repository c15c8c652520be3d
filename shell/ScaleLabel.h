#pragma once
// The label of a micrograph's scale bar, as the screens give it: the length, a gap of blanks and
// the last letter of the unit "µm"; the µ is the letter m in the face "Symbol", set into the gap.

#include "platform/Canvas.h"

#include <string>

namespace ScaleLabel {

// Writes the label at `at` in the canvas's font, then the µ on row `microY`, ending where the
// label's last letter begins, so that the unit reads "µm" as one word however wide the blanks
// of the label's face are. The canvas keeps the face "Symbol".
void Write(TCanvas& canvas, TPoint at, const std::string& label, int microY);

} // namespace ScaleLabel
