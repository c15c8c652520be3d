#pragma once
// The build-time painter of every picture and frame strip the program embeds. Each screen group
// has one source file that lists its outputs; Main.cpp paints them all, encodes each by its kind,
// writes the files and the assembler file that embeds them. Adding a picture is one more entry
// in its group's list and one accessor in assets/Assets.h.

#include <string>
#include <vector>

#include "platform/Types.h"

namespace Generator {

// How an output is stored; the run-time side decodes it accordingly.
enum class TKind {
    JpegColour, // a picture decoded with libjpeg at run time
    JpegGrey,   // the same, luminance only (micrograph photographs)
};

struct TOutput {
    // File name stem and symbol suffix (wb_asset_<Name>): lower-case letters, digits and '_'.
    std::string Name;
    TKind Kind;
    int Quality; // JPEG quality, 1..100
    // Paints the picture. Must depend on nothing but constants and fixed seeds, so that every
    // build embeds the same bytes.
    TPixels (*Paint)();
};

using TOutputs = std::vector<TOutput>;

// One function per screen group, each returning its outputs in a fixed order.
TOutputs Backgrounds(); // cover and main menu

} // namespace Generator
