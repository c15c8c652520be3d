#pragma once
// Painting pieces for the microstructures of the binary phase diagrams (types 2 to 4): red melt,
// white α and black β crystals growing to the shares the lever rule gives, a fine lamellar
// eutectic that takes the place of the last melt, and grain pictures with their boundaries.
// Growth is always "every pixel a crystal has reached by a time": so a later frame only adds to
// an earlier one, and a share of the picture turns into the time at which it is covered.

#include <cstdint>
#include <vector>

#include "assets/generator/Microstructure.h"
#include "platform/Types.h"

namespace Generator {

// The colour code of these strips.
inline constexpr std::uint32_t PhaseMelt = 0xFFFF0000u;  // red (255, 0, 0)
inline constexpr std::uint32_t PhaseAlpha = 0xFFFFFFFFu; // white
inline constexpr std::uint32_t PhaseBeta = 0xFF000000u;  // black
inline constexpr std::uint32_t PhaseGrey = 0xFF808080u;  // grain boundaries (128, 128, 128)

// Pixels of a picture, row by row: 1 where a property holds.
using TMask = std::vector<std::uint8_t>;

// The top rows of a picture (all of it when rows >= height): what a screen shows of a frame whose
// lower rows its drawing surface cuts off.
TMask TopRows(int width, int height, int rows);
// The pixels of a colour.
TMask PixelsOf(const TPixels& picture, std::uint32_t colour);

// The share of the area's pixels that have the colour.
double ShareOf(const TPixels& picture, std::uint32_t colour, const TMask& area);

// When a pixel turns solid: when the first crystal reaches it, and for the line where two crystals
// meet `seamDelay` later, so that a thin seam of melt stays between them for a while and then
// closes bit by bit.
double SolidAt(const TGrainMap& map, int x, int y, double seamDelay);

// The earliest time by which pixels of `where` that make up the share of the whole area have
// turned solid (only pixels in both count); the last such time when they never get that far.
double TimeToCover(const TGrainMap& map, const TMask& area, const TMask& where, double share,
                   double seamDelay = 0);
double TimeToCover(const TGrainMap& map, const TMask& area, double share, double seamDelay = 0);

// Every pixel of `where` that has turned solid by the time, in the colour.
void PaintGrown(TPixels& picture, const TGrainMap& map, double time, std::uint32_t colour,
                const TMask& where, double seamDelay = 0);
void PaintGrown(TPixels& picture, const TGrainMap& map, double time, std::uint32_t colour,
                double seamDelay = 0);

// Nuclei of a width x height map, only those that lie on pixels of the mask, a mask of the
// picture at its own size (whatever scale the map is painted at, so that every scale gets the
// same nuclei).
std::vector<TGrain> NucleateInside(TRandom& random, int width, int height, const TNucleation& n,
                                   const TMask& inside);

// A fine lamellar eutectic: colonies of parallel black β and white α lamellae a few pixels
// apart, each colony with its own direction. The lamellae's black share is tuned so that the
// eutectic painted over `where` is black in the given share, slivers cleaned away. Where it
// meets primary crystals it may start with a seam of the other phase, one pixel of the picture
// wide, which nucleated on them first: it sets the crystals off from the lamellae of their own
// colour. The eutectic of a width x height picture at the scale; `where` and the pictures it
// paints are on that grid.
class TEutectic {
public:
    TEutectic(TRandom& random, int width, int height, int scale, double blackShare,
              const TMask& where, std::uint32_t seam = 0);
    // Paints the eutectic over the pixels of `where`.
    void Paint(TPixels& picture, const TMask& where) const;

private:
    void PaintWith(TPixels& picture, const TMask& where, double darkShare) const;

    TGrainMap colonies_;
    std::vector<TLamellae> lamellae_;
    std::uint32_t seam_;
    int scale_;
    double darkShare_ = 0.5;
};

} // namespace Generator
