#include "assets/generator/Microstructure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace Generator {
namespace {

// A pixel is sampled at its centre.
constexpr double PixelCentre = 0.5;
// Dart throwing gives up after this many misses per point wanted; by then the area is as full
// as the minimum distance allows, for all practical purposes.
constexpr int AttemptsPerPoint = 200;
// The outline never shrinks below this share of the mean radius in any direction, whatever the
// harmonics add up to, so that a front always moves outwards.
constexpr double SmallestOutline = 0.5;

} // namespace

std::uint64_t TRandom::Next() {
    // splitmix64, with its published constants.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double TRandom::Uniform() {
    constexpr int MantissaBits = 53;
    constexpr double Scale = 1.0 / static_cast<double>(std::uint64_t{1} << MantissaBits);
    return static_cast<double>(Next() >> (64 - MantissaBits)) * Scale;
}

double Distance(TPoint a, TPoint b) {
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

std::vector<TPoint> ScatterPoints(TRandom& random, TArea area, int count, double minDistance) {
    std::vector<TPoint> points;
    for (int attempt = 0;
         attempt < count * AttemptsPerPoint && static_cast<int>(points.size()) < count; ++attempt) {
        const TPoint p{random.Uniform(area.Left, area.Right),
                       random.Uniform(area.Top, area.Bottom)};
        const bool free = std::none_of(points.begin(), points.end(),
                                       [&](TPoint q) { return Distance(p, q) < minDistance; });
        if (free) {
            points.push_back(p);
        }
    }
    return points;
}

double TOutline::At(double angle) const {
    double r = 1;
    for (int k = 0; k < Harmonics; ++k) {
        r += Amplitude[k] * std::cos((FirstOrder + k) * angle - Phase[k]);
    }
    return std::max(r, SmallestOutline);
}

TOutline RoundedOutline(TRandom& random, double roughness) {
    TOutline o;
    for (int k = 0; k < TOutline::Harmonics; ++k) {
        // Amplitudes fall off with the order: the low ones shape the crystal, the high ones only
        // flatten it into faces a little.
        const double order = TOutline::FirstOrder + k;
        o.Amplitude[k] = roughness * random.Uniform(0.5, 1.0) * TOutline::FirstOrder / order;
        o.Phase[k] = random.Uniform(0, 2 * std::numbers::pi);
    }
    return o;
}

double TGrain::ArrivalAt(TPoint p) const {
    const double dx = p.X - Nucleus.X;
    const double dy = p.Y - Nucleus.Y;
    const double r = std::hypot(dx, dy);
    if (r == 0) {
        return Birth;
    }
    return Birth + r / (Speed * Outline.At(std::atan2(dy, dx)));
}

std::vector<TGrain> Nucleate(TRandom& random, int width, int height, const TNucleation& n) {
    const TArea area{-n.Margin, -n.Margin, width + n.Margin, height + n.Margin};
    std::vector<TGrain> candidates;
    for (const TPoint p : ScatterPoints(random, area, n.Count, n.MinDistance)) {
        TGrain g;
        g.Nucleus = p;
        g.Birth = random.Uniform(0, n.LastBirth);
        g.Speed = 1 + random.Uniform(-n.SpeedSpread, n.SpeedSpread);
        g.Outline = RoundedOutline(random, n.Roughness);
        candidates.push_back(g);
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const TGrain& a, const TGrain& b) { return a.Birth < b.Birth; });
    std::vector<TGrain> grains;
    for (const TGrain& c : candidates) {
        const bool room = std::all_of(grains.begin(), grains.end(), [&](const TGrain& g) {
            return g.ArrivalAt(c.Nucleus) >= c.Birth + n.MinHeadStart;
        });
        if (room) {
            grains.push_back(c);
        }
    }
    return grains;
}

TGrainMap::TGrainMap(int width, int height, std::vector<TGrain> grains)
    : width_(width), height_(height), grains_(std::move(grains)) {
    const std::size_t count = static_cast<std::size_t>(width) * height;
    owner_.assign(count, 0);
    arrival_.assign(count, 0);
    boundary_.assign(count, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const TPoint p{x + PixelCentre, y + PixelCentre};
            double first = std::numeric_limits<double>::infinity();
            int owner = NoGrain;
            for (std::size_t g = 0; g < grains_.size(); ++g) {
                const double a = grains_[g].ArrivalAt(p);
                if (a < first) {
                    first = a;
                    owner = static_cast<int>(g);
                }
            }
            owner_[Index(x, y)] = owner;
            arrival_[Index(x, y)] = first;
        }
    }

    // How much later the other grain would have reached the pixel: a measure of the distance to
    // the place where both fronts meet.
    auto lead = [&](int x, int y, int other) {
        return grains_[other].ArrivalAt({x + PixelCentre, y + PixelCentre}) - Arrival(x, y);
    };
    auto markPair = [&](int x, int y, int nx, int ny) {
        const int a = Owner(x, y);
        const int b = Owner(nx, ny);
        if (a == b || a == NoGrain || b == NoGrain) {
            return;
        }
        // Either choice closes the line; a tie goes to the first pixel, as a fixed rule.
        if (lead(x, y, b) <= lead(nx, ny, a)) {
            boundary_[Index(x, y)] = 1;
        } else {
            boundary_[Index(nx, ny)] = 1;
        }
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x + 1 < width) {
                markPair(x, y, x + 1, y);
            }
            if (y + 1 < height) {
                markPair(x, y, x, y + 1);
            }
        }
    }

    for (std::size_t i = 0; i < count; ++i) {
        if (boundary_[i] == 0 && owner_[i] != NoGrain) {
            sortedArrivals_.push_back(arrival_[i]);
        }
    }
    std::sort(sortedArrivals_.begin(), sortedArrivals_.end());
}

double TGrainMap::Covered(double time) const {
    const auto reached = std::upper_bound(sortedArrivals_.begin(), sortedArrivals_.end(), time) -
                         sortedArrivals_.begin();
    return static_cast<double>(reached) / (static_cast<double>(width_) * height_);
}

double TGrainMap::TimeOfCoverage(double share) const {
    constexpr double Never = std::numeric_limits<double>::infinity();
    if (sortedArrivals_.empty()) {
        return Never;
    }
    const double wanted = std::ceil(share * width_ * height_);
    if (wanted <= 0) {
        return std::nextafter(sortedArrivals_.front(), -Never); // just before anything arrives
    }
    if (wanted > static_cast<double>(sortedArrivals_.size())) {
        return sortedArrivals_.back();
    }
    return sortedArrivals_[static_cast<std::size_t>(wanted) - 1];
}

void PaintCrystals(TPixels& pixels, const TGrainMap& map, double time, std::uint32_t colour) {
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            if (!map.IsBoundary(x, y) && map.Arrival(x, y) <= time) {
                pixels.at(x, y) = colour;
            }
        }
    }
}

void PaintBoundaries(TPixels& pixels, const TGrainMap& map, std::uint32_t colour) {
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            if (map.IsBoundary(x, y)) {
                pixels.at(x, y) = colour;
            }
        }
    }
}

} // namespace Generator
