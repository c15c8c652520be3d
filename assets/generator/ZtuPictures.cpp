// The two micrographs of the continuous ZTU screen: what the fastest cooling leaves (martensite,
// fine dark needles in the former austenite grains) and what the slowest leaves (a normalised
// structure, light ferrite grains beside dark lamellar pearlite), both as light-microscope
// photographs of 160 x 120 pixels.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

#include "assets/generator/Generator.h"
#include "assets/generator/Microstructure.h"
#include "assets/generator/Paint.h"

namespace Generator {
namespace {

constexpr int Width = 160;
constexpr int Height = 120;
constexpr int Samples = 3;

// A martensite plate seen in section: a lens, widest in its middle, pointed at both ends.
struct TNeedle {
    TPoint From;
    TPoint To;
    double HalfWidth = 1;

    bool Covers(double x, double y) const {
        const double dx = To.X - From.X;
        const double dy = To.Y - From.Y;
        const double length2 = dx * dx + dy * dy;
        const double t = ((x - From.X) * dx + (y - From.Y) * dy) / length2;
        if (t < 0 || t > 1) {
            return false;
        }
        const double px = From.X + t * dx - x;
        const double py = From.Y + t * dy - y;
        const double lens = HalfWidth * (1 - 4 * (t - 0.5) * (t - 0.5));
        return px * px + py * py < lens * lens;
    }
};

// The plates of each former austenite grain lie along three directions of its lattice, so
// neighbouring grains show different patterns; the first plates are long and span the grain, the
// later ones are shorter and fill the gaps between them.
TPixels Martensite(int scale) {
    TRandom random(0x4D617274656E7369ull);
    TNucleation grains;
    grains.Count = 40;
    grains.MinDistance = 34;
    grains.Margin = 20;
    grains.Roughness = 0.08;
    // The needles are placed on the map at the picture's own size, and painted on the grid of
    // the scale.
    const TGrainMap ownAustenite(Width, Height, Nucleate(random, Width, Height, grains));
    const TGrainMap austenite = Rescaled(ownAustenite, scale);
    std::vector<double> baseAngle;
    for (std::size_t g = 0; g < austenite.Grains().size(); ++g) {
        baseAngle.push_back(random.Uniform(0, std::numbers::pi));
    }
    std::vector<TNeedle> needles;
    std::vector<int> needleGrain;
    constexpr int NeedleCount = 420;
    for (int i = 0; i < NeedleCount; ++i) {
        const TPoint centre{random.Uniform(0, Width), random.Uniform(0, Height)};
        const int g = ownAustenite.Owner(static_cast<int>(centre.X), static_cast<int>(centre.Y));
        if (g == TGrainMap::NoGrain) {
            continue;
        }
        const int family = static_cast<int>(random.Uniform(0, 3));
        const double angle =
            baseAngle[g] + family * std::numbers::pi / 3 + random.Uniform(-0.08, 0.08);
        const double length = i < NeedleCount / 4 ? random.Uniform(18, 34) : random.Uniform(6, 16);
        const double hx = std::cos(angle) * length / 2;
        const double hy = std::sin(angle) * length / 2;
        needles.push_back({{centre.X - hx, centre.Y - hy},
                           {centre.X + hx, centre.Y + hy},
                           random.Uniform(0.7, 1.5)});
        needleGrain.push_back(g);
    }
    constexpr TRgb Matrix{214, 196, 164};
    constexpr TRgb Plate{74, 56, 44};
    constexpr TRgb PriorBoundary{150, 130, 104};
    return PaintSupersampled(Width, Height, scale, Samples, [&](double x, double y) {
        const int i = static_cast<int>(x * scale);
        const int j = static_cast<int>(y * scale);
        const int g = austenite.Owner(i, j);
        for (std::size_t n = 0; n < needles.size(); ++n) {
            // A plate stops at the boundary of the grain it grew in.
            if (needleGrain[n] == g && needles[n].Covers(x, y)) {
                return Plate;
            }
        }
        return austenite.IsBoundary(i, j) ? PriorBoundary : Matrix;
    });
}

// About 45 % ferrite for a steel with 0.45 % carbon: polygonal grains, each either ferrite or
// a pearlite colony whose lamellae run in a direction of its own.
TPixels Normalised(int scale) {
    TRandom random(0x4E6F726D616C6973ull);
    TNucleation grains;
    grains.Count = 120;
    grains.MinDistance = 15;
    grains.Margin = 10;
    grains.SpeedSpread = 0.15;
    grains.Roughness = 0.1;
    const TGrainMap map(Width, Height, Nucleate(random, Width, Height, grains), scale);
    constexpr double PearliteShare = 0.55;
    std::vector<bool> pearlite;
    std::vector<TLamellae> lamellae;
    for (std::size_t g = 0; g < map.Grains().size(); ++g) {
        pearlite.push_back(random.Uniform() < PearliteShare);
        lamellae.push_back(RandomLamellae(random, 2.5, 3.5, 0.5));
    }
    constexpr TRgb Ferrite{232, 226, 212};
    constexpr TRgb Seam{120, 110, 98};
    constexpr TRgb LamellaLight{150, 136, 118};
    constexpr TRgb Cementite{46, 36, 32};
    return PaintSupersampled(Width, Height, scale, Samples, [&](double x, double y) {
        const int i = static_cast<int>(x * scale);
        const int j = static_cast<int>(y * scale);
        const int g = map.Owner(i, j);
        if (map.IsBoundary(i, j) || g == TGrainMap::NoGrain) {
            return Seam;
        }
        if (pearlite[g]) {
            return lamellae[g].IsDark(x, y) ? Cementite : LamellaLight;
        }
        return Ferrite;
    });
}

} // namespace

TOutputs ZtuPictures() {
    return {
        {"ztu_martensite", TKind::JpegColour, 90, Martensite},
        {"ztu_normalised", TKind::JpegColour, 90, Normalised},
    };
}

} // namespace Generator
