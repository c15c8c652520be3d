#pragma once
// The build-time painter of every picture and frame strip the program embeds. Each screen group
// has one source file that lists its outputs; Main.cpp paints them all, encodes each by its kind,
// writes the files and the assembler file that embeds them. Adding a picture is one more entry
// in its group's list and one accessor in assets/Assets.h; adding a frame strip is one more entry
// only, since Assets::Strip finds strips by name.
//
// Every output is painted at each of Scales: at its own size, and at twice its size for screens
// that draw at a higher resolution. Both come from the same painter and the same seeds, the larger
// on a finer pixel grid (see Microstructure.h), not enlarged from the smaller.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Types.h"

namespace Generator {

// How an output is stored; the run-time side decodes it accordingly.
enum class TKind {
    JpegColour, // a picture decoded with libjpeg at run time
    JpegGrey,   // the same, luminance only (micrograph photographs)
    Strip,      // a frame strip, stored without loss in the strip archive (assets/StripCodec.h)
};

using TFrames = std::vector<TPixels>;

inline constexpr int Scales[] = {1, 2};

// What several outputs of a group share (one steel that two strips show), built once for each
// scale on first use. Every call site has a lambda of its own type and so a cache of its own.
template <class Build>
const auto& OncePerScale(int scale, Build build) {
    static std::map<int, decltype(build(scale))> built;
    auto it = built.find(scale);
    if (it == built.end()) {
        it = built.emplace(scale, build(scale)).first;
    }
    return it->second;
}

// The painters must depend on nothing but constants and fixed seeds, so that every build embeds
// the same bytes.
struct TOutput {
    // Pictures: file name stem and symbol suffix (wb_asset_<Name>), lower-case letters, digits
    // and '_'. Strips: the name Assets::Strip takes, "<Screen>.<Strip>" in letters and digits.
    std::string Name;
    TKind Kind;
    int Quality = 0;                       // JPEG quality, 1..100; unused for strips
    TPixels (*Paint)(int scale) = nullptr; // pictures, (width * scale) x (height * scale)
    // Strips: equal-sized frames in their order, each (width * scale) x (height * scale).
    TFrames (*PaintFrames)(int scale) = nullptr;
};

inline TOutput StripOutput(std::string name, TFrames (*paintFrames)(int scale)) {
    return {std::move(name), TKind::Strip, 0, nullptr, paintFrames};
}

using TOutputs = std::vector<TOutput>;

// One function per screen group, each returning its outputs in a fixed order.
TOutputs Backgrounds();    // cover and main menu
TOutputs PhaseDiagrams();  // the animated phase diagrams, types 1 to 4
TOutputs CoolingScreens(); // the iron-carbon cooling screens: strips and micrograph
TOutputs C45Micrographs(); // the micrographs of the steel C 45 after three treatments
TOutputs SteelSeries();    // the micrographs of pure ferrite and the steels to 0.8 % carbon
TOutputs ZtuPictures();    // the micrographs of the continuous ZTU screen
TOutputs ProcessRoutes();  // the microstructure strips of hardening, normalising, quench and temper
TOutputs ZtaPictures();    // the frame strips of the heating screens

} // namespace Generator
