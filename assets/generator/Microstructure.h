#pragma once
// Reusable pieces for painting microstructures: a random source whose output is fixed for all
// time, nuclei scattered over a picture, and a grain map that says which crystal reaches each
// pixel and when. Painters then colour the map: melt where nothing has arrived yet, crystals,
// grains and their boundaries. Later kinds (lamellar colonies, networks on the boundaries,
// needles) are further painters over the same map.
//
// Growth model: every crystal nucleates at its own time and its front moves outwards at its own
// speed, a little faster in some directions than in others (a rounded, slightly polygonal
// outline). A pixel belongs to the crystal whose front reaches it first. So a crystal only ever
// grows, two fronts meet at the same moment on their common boundary and stop there, and with
// equal births and speeds and round outlines the grains are the Voronoi cells of the nuclei.
//
// Scale: every picture is also painted at twice its size for high-resolution screens, with the
// same content on a finer pixel grid. Nuclei, speeds, spacings and distances are always in pixels
// of the picture at its own size; a map or painter at scale s has s x s pixels for each of those.
// Every choice that looks at pixels (where a nucleus may form, which grain a point lies in) is
// made on the picture at its own size, so that each scale gets the same nuclei from the same seed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/Types.h"

namespace Generator {

// splitmix64. The std:: distributions are not used anywhere in the generator: their output may
// change with the standard library, and the pictures must come out the same on every build.
class TRandom {
public:
    explicit TRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next();
    // Uniform in [0, 1), from the top 53 bits.
    double Uniform();
    // Uniform in [low, high).
    double Uniform(double low, double high) { return low + (high - low) * Uniform(); }

private:
    std::uint64_t state_;
};

struct TPoint {
    double X = 0;
    double Y = 0;
};

double Distance(TPoint a, TPoint b);

// The centre of pixel (x, y) of a grid with scale x scale pixels to a pixel of the picture, in
// the picture's pixels: (x + 0.5, y + 0.5) at scale 1.
inline TPoint PixelCentre(int x, int y, int scale) {
    return {(x + 0.5) / scale, (y + 0.5) / scale};
}

// Whether the predicate holds for some pixel up to `reach` pixels left, right, above or below
// (x, y): with reach = scale, a band one pixel of the picture wide along the edge of an area.
// The predicate gets coordinates outside the picture too and must say false for them.
template <class Predicate>
bool NearAlongAxes(int x, int y, int reach, Predicate predicate) {
    for (int d = 1; d <= reach; ++d) {
        if (predicate(x + d, y) || predicate(x - d, y) || predicate(x, y + d) ||
            predicate(x, y - d)) {
            return true;
        }
    }
    return false;
}

struct TArea {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// Up to `count` points in the area, no two closer than minDistance, by dart throwing: evenly
// spread but not on a lattice. Fewer come back when the area is full.
std::vector<TPoint> ScatterPoints(TRandom& random, TArea area, int count, double minDistance);

// How far a crystal's front has got in each direction, relative to its mean radius:
// 1 + sum over the harmonics of Amplitude * cos(Order * angle - Phase). Low orders with small
// amplitudes give the rounded, slightly polygonal crystals of a solid solution, not dendrites.
struct TOutline {
    static constexpr int Harmonics = 4;
    static constexpr int FirstOrder = 2;
    std::array<double, Harmonics> Amplitude{};
    std::array<double, Harmonics> Phase{};

    double At(double angle) const;
    // No direction reaches farther than this.
    double Farthest() const;
};

// A random outline; roughness is the largest amplitude of a harmonic (0 gives a circle). Higher
// orders get smaller amplitudes, so the outline stays smooth.
TOutline RoundedOutline(TRandom& random, double roughness);

struct TGrain {
    TPoint Nucleus;
    double Birth = 0; // when the nucleus forms
    double Speed = 1; // of the mean front, pixels per unit of time
    TOutline Outline;

    // When this crystal's front reaches the point, if no other crystal is in the way.
    double ArrivalAt(TPoint p) const;
};

struct TNucleation {
    int Count = 0;           // nuclei tried; fewer remain (see Nucleate)
    double MinDistance = 0;  // between nuclei
    double Margin = 0;       // nuclei also lie this far outside, so that grains enter over the edge
    double LastBirth = 0;    // nuclei form at times spread over [0, LastBirth]
    double SpeedSpread = 0;  // speeds vary by up to this share either way
    double Roughness = 0;    // of the outlines, see RoundedOutline
    double MinHeadStart = 0; // a nucleus needs at least this much time before a front arrives
};

// Nuclei scattered over a width x height picture and its margin, sorted by birth. A nucleus that
// an earlier crystal would reach before it forms, or too soon after for it to grow into a grain of
// its own (MinHeadStart), is dropped: nothing nucleates in solid.
std::vector<TGrain> Nucleate(TRandom& random, int width, int height, const TNucleation& n);

class TGrainMap;

// Nuclei of a new phase on the boundaries of an earlier one (ferrite or pearlite forming at the
// grain boundaries of austenite): up to n.Count boundary pixels of the parent, no two closer than
// n.MinDistance, each the start of a crystal as in Nucleate (births, speeds, outlines, and the
// same rule against nucleating in solid). n.Margin is not used. A grain map of the result says
// how far the new phase has grown into the old grains at any time. The parent is the map at the
// picture's own size, whatever scale the new phase is painted at.
std::vector<TGrain> NucleateOnBoundaries(TRandom& random, const TGrainMap& parent,
                                         const TNucleation& n);

class TGrainMap {
public:
    // Owner of the pixels no crystal ever reaches (all of them when there is no grain).
    static constexpr int NoGrain = -1;

    // The grains of a width x height picture on a grid of scale x scale pixels to each pixel of
    // it, (width * scale) x (height * scale) pixels in all. Scale 1 or 2.
    TGrainMap(int width, int height, std::vector<TGrain> grains, int scale = 1);
    // The same, with every front held up at each pixel by the pixel's delay (row by row like the
    // pixels of the grid): a phase that spreads fast along the boundaries of the old one and
    // slowly into its grains gets a delay that rises with the distance from those boundaries. The
    // delay is the same for every crystal, so it changes when a pixel is reached, not by which
    // crystal.
    TGrainMap(int width, int height, std::vector<TGrain> grains, std::vector<double> delay,
              int scale = 1);

    // The size of the grid, in its own pixels.
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Scale() const { return scale_; }
    const std::vector<TGrain>& Grains() const { return grains_; }

    // The crystal that reaches pixel (x, y) first, and when (pixels are sampled at their centres;
    // infinity for NoGrain).
    int Owner(int x, int y) const { return owner_[Index(x, y)]; }
    double Arrival(int x, int y) const { return arrival_[Index(x, y)]; }
    // A line between grains one pixel of the picture wide: of two 4-neighbours that belong to
    // different grains, the one nearer to where the fronts meet; at scale 2 both of them, so that
    // the line is two pixels of the grid wide and lies on the true boundary. So every path from
    // one grain into another, in steps to the side or up and down, crosses it, and it follows the
    // true boundary. Pixels at the picture's edge are not boundary for that reason; the picture
    // is a window onto a larger specimen.
    bool IsBoundary(int x, int y) const { return boundary_[Index(x, y)] != 0; }

    // Share of the picture covered by crystals at the time: pixels reached, boundaries left out.
    // The crystals fill their grains up to the boundary line, which stays melt until it solidifies
    // as a whole; so a boundary pixel is never covered, and never uncovered again.
    double Covered(double time) const;
    // The earliest time at which Covered reaches the share; the last arrival when it never does
    // (the boundaries make up the rest), infinity when nothing is ever reached.
    double TimeOfCoverage(double share) const;

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    // When grain g's front reaches pixel (x, y), delay included.
    double ArrivalOf(int g, int x, int y) const;
    // The first grain to reach the pixel and when, or NoGrain; `guess` is tried first, which
    // spares the far grains (any grain gives the same answer).
    std::pair<int, double> FirstArrival(int x, int y, int guess) const;

    int width_;
    int height_;
    int scale_;
    std::vector<TGrain> grains_;
    std::vector<int> owner_;
    std::vector<double> arrival_;
    std::vector<std::uint8_t> boundary_;
    std::vector<double> delay_;          // per pixel; empty for none
    std::vector<double> sortedArrivals_; // of the pixels that are no boundary
};

// The same grains on the grid of another scale: the map itself at its own scale. Only for maps
// without a delay, which belongs to the grid it was made for; those are built anew.
TGrainMap Rescaled(const TGrainMap& map, int scale);

// A mask of the map's boundary pixels, row by row like the pixels (1 on the boundary).
std::vector<std::uint8_t> BoundaryMask(const TGrainMap& map);

// The earliest time by which the share of the area's pixels (mask row by row, non-zero inside)
// has been reached by the map's crystals, the map's own boundaries counted like any pixel: for a
// phase that is painted without seams, or to find when a new phase has covered the boundaries of
// an old one. Infinity when the area is never reached that far; just before the first arrival
// when the share is 0.
double TimeToReach(const TGrainMap& map, const std::vector<std::uint8_t>& area, double share);

// Painters. Pixels are 0xFFRRGGBB.

// Colours the scale x scale pixels that make up pixel (x, y) of the picture at its own size: a
// dot one pixel of the picture across.
void FillPixel(TPixels& pixels, int x, int y, int scale, std::uint32_t colour);

// Colours every pixel a crystal has reached by the time, boundaries left out.
void PaintCrystals(TPixels& pixels, const TGrainMap& map, double time, std::uint32_t colour);

// Colours every pixel of the grains, boundaries left out, with colourOf(grain, x, y): a plain
// grain colour, or one that varies inside a grain (lamellae, for example).
template <class ColourOf>
void PaintGrains(TPixels& pixels, const TGrainMap& map, ColourOf colourOf) {
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            if (!map.IsBoundary(x, y) && map.Owner(x, y) != TGrainMap::NoGrain) {
                pixels.at(x, y) = colourOf(map.Owner(x, y), x, y);
            }
        }
    }
}

// Every pixel reached by the time, boundaries included: a phase whose crystals show no seams,
// such as a cementite network.
void PaintReached(TPixels& pixels, const TGrainMap& map, double time, std::uint32_t colour);

void PaintBoundaries(TPixels& pixels, const TGrainMap& map, std::uint32_t colour);
// Only the boundary pixels both fronts have reached by the time: the seams between crystals that
// have already met, while the rest of the map is still the old phase.
void PaintBoundaries(TPixels& pixels, const TGrainMap& map, double time, std::uint32_t colour);

// For every pixel (row by row) of a width x height grid the distance from its centre to the
// centre of the nearest pixel of the mask (non-zero), in pixels of the picture; infinity when the
// mask is empty. On a grid at a larger scale the distance is to where the centre of that mask
// pixel's pixel of the picture would be, half a pixel of the picture inside the mask, so that a
// phase held up by the distance spreads as on the picture at its own size.
std::vector<double> DistanceToMask(int width, int height, const std::vector<std::uint8_t>& mask,
                                   int scale = 1);
// The same for the boundary pixels of the map.
std::vector<double> DistanceToBoundaries(const TGrainMap& map);

// The smallest of the values (one per pixel) such that at least the share of the area's pixels
// have a value no larger: where to cut a field that orders the pixels by when a phase reaches
// them. Infinity for an empty area or one never reached that far.
double ValueAtShare(const std::vector<double>& values, const std::vector<std::uint8_t>& area,
                    double share);

// Regions of two maps laid over each other: pixels that share the grain of `outer` and the grain
// of `inner` form one region, numbered outerGrain * inner.Grains().size() + innerGrain, or
// TGrainMap::NoGrain where either map has none; row by row like the pixels. Pearlite colonies,
// for example, are the colony cells cut by the austenite grains they grew in, since no colony
// crosses a grain boundary. Both maps must be the same size.
std::vector<int> Overlay(const TGrainMap& outer, const TGrainMap& inner);

// One colony of a lamellar eutectoid or eutectic: parallel straight stripes, alternately dark and
// light, all with the same period. Pearlite has thin dark cementite lamellae in ferrite; ledeburite
// and cementite plates are the same painter with other shares and spacings.
struct TLamellae {
    double Angle = 0;       // of the stripes against the x axis, radians
    double Spacing = 4;     // from one dark lamella to the next, pixels
    double Offset = 0;      // where the first dark lamella starts, as a share of Spacing
    double DarkShare = 0.4; // of each period the dark lamella takes

    // Whether the point (picture coordinates, pixel (i, j) covering [i, i + 1) x [j, j + 1)) lies
    // on a dark lamella.
    bool IsDark(double x, double y) const;
};

// A colony with any direction, a spacing in [minSpacing, maxSpacing) and any offset.
TLamellae RandomLamellae(TRandom& random, double minSpacing, double maxSpacing, double darkShare);

// Colours every pixel of a region (see Overlay) for which inside(x, y) holds with the lamellae of
// its region, sampled at the pixel's centre; the pixels are a grid at the scale. Pixels of no
// region stay as they are.
template <class Inside>
void PaintLamellae(TPixels& pixels, int scale, const std::vector<int>& regions,
                   const std::vector<TLamellae>& lamellae, std::uint32_t light, std::uint32_t dark,
                   Inside inside) {
    for (int y = 0; y < pixels.Height; ++y) {
        for (int x = 0; x < pixels.Width; ++x) {
            const int r = regions.at(static_cast<std::size_t>(y) * pixels.Width + x);
            if (r != TGrainMap::NoGrain && inside(x, y)) {
                const TPoint c = PixelCentre(x, y, scale);
                pixels.at(x, y) = lamellae.at(r).IsDark(c.X, c.Y) ? dark : light;
            }
        }
    }
}

// Repaints every 4-connected area of the colour smaller than minArea pixels (of the picture as
// given, so a painter at scale s passes s * s times its size) with the replacement:
// the slivers a pattern leaves where a region's edge cuts a lamella off at a glancing angle, which
// read as noise, not as structure.
void RemoveSpecks(TPixels& pixels, std::uint32_t colour, std::uint32_t replacement, int minArea);

} // namespace Generator
