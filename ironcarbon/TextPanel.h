#pragma once
// A white panel framed in black with a few lines of text, as the complete iron–carbon diagram
// and the lattice screens show their definitions. The lines' positions are design units scaled
// by the screen's factors; the font grows with the screen's width.

#include "platform/Controls.h"

#include <span>
#include <string>
#include <vector>

struct TextPanelLine {
    int Y;
    const char* Text;
};

// The panel's lines as a screen reader reads them.
std::vector<std::string> TextPanelText(std::span<const TextPanelLine> lines);

// Frames the whole paint box and writes the lines at the panel's left margin.
void DrawTextPanel(TPaintBox& box, double faktorX, double faktorY,
                   std::span<const TextPanelLine> lines);
