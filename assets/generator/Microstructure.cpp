#include "assets/generator/Microstructure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace Generator {
namespace {

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

double TOutline::Farthest() const {
    double r = 1;
    for (const double a : Amplitude) {
        r += std::abs(a);
    }
    return r;
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

namespace {

// Crystals from the nuclei: births, speeds and outlines drawn in this order, point by point, then
// the nuclei that would form in solid (or too late to grow) dropped.
std::vector<TGrain> GrowFrom(TRandom& random, const std::vector<TPoint>& points,
                             const TNucleation& n) {
    std::vector<TGrain> candidates;
    for (const TPoint p : points) {
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

} // namespace

std::vector<TGrain> Nucleate(TRandom& random, int width, int height, const TNucleation& n) {
    const TArea area{-n.Margin, -n.Margin, width + n.Margin, height + n.Margin};
    return GrowFrom(random, ScatterPoints(random, area, n.Count, n.MinDistance), n);
}

std::vector<TGrain> NucleateOnBoundaries(TRandom& random, const TGrainMap& parent,
                                         const TNucleation& n) {
    std::vector<TPoint> sites;
    for (int y = 0; y < parent.Height(); ++y) {
        for (int x = 0; x < parent.Width(); ++x) {
            if (parent.IsBoundary(x, y)) {
                sites.push_back(PixelCentre(x, y, parent.Scale()));
            }
        }
    }
    // Dart throwing as in ScatterPoints, but the darts land on boundary pixels only.
    std::vector<TPoint> points;
    for (int attempt = 0; !sites.empty() && attempt < n.Count * AttemptsPerPoint &&
                          static_cast<int>(points.size()) < n.Count;
         ++attempt) {
        const TPoint p = sites[static_cast<std::size_t>(random.Next() % sites.size())];
        const bool free = std::none_of(points.begin(), points.end(),
                                       [&](TPoint q) { return Distance(p, q) < n.MinDistance; });
        if (free) {
            points.push_back(p);
        }
    }
    return GrowFrom(random, points, n);
}

TGrainMap::TGrainMap(int width, int height, std::vector<TGrain> grains, int scale)
    : TGrainMap(width, height, std::move(grains), {}, scale) {}

double TGrainMap::ArrivalOf(int g, int x, int y) const {
    const double a = grains_[g].ArrivalAt(PixelCentre(x, y, scale_));
    return delay_.empty() ? a : a + delay_[Index(x, y)];
}

std::pair<int, double> TGrainMap::FirstArrival(int x, int y, int guess) const {
    if (grains_.empty()) {
        return {NoGrain, std::numeric_limits<double>::infinity()};
    }
    if (guess == NoGrain) {
        guess = 0;
    }
    int owner = guess;
    double first = ArrivalOf(guess, x, y);
    const TPoint p = PixelCentre(x, y, scale_);
    const double delay = delay_.empty() ? 0 : delay_[Index(x, y)];
    // A grain whose earliest possible arrival (its front at its farthest reach in every
    // direction) lies clearly after the best so far cannot win. The margin covers rounding, so
    // a skipped grain is never one that would have tied or won: the owners are those of trying
    // every grain in order, the earliest and among equals the first.
    constexpr double Margin = 1e-9;
    for (std::size_t g = 0; g < grains_.size(); ++g) {
        const int i = static_cast<int>(g);
        if (i == guess) {
            continue;
        }
        const TGrain& grain = grains_[g];
        const double soonest =
            grain.Birth + Distance(p, grain.Nucleus) / (grain.Speed * grain.Outline.Farthest());
        if (soonest + delay - Margin * (1 + std::abs(first)) > first) {
            continue;
        }
        const double a = ArrivalOf(i, x, y);
        if (a < first || (a == first && i < owner)) {
            first = a;
            owner = i;
        }
    }
    return {owner, first};
}

TGrainMap::TGrainMap(int width, int height, std::vector<TGrain> grains, std::vector<double> delay,
                     int scale)
    : width_(width * scale), height_(height * scale), scale_(scale), grains_(std::move(grains)),
      delay_(std::move(delay)) {
    const std::size_t count = static_cast<std::size_t>(width_) * height_;
    if (!delay_.empty() && delay_.size() != count) {
        delay_.assign(count, 0); // a delay of the wrong size is a painter's mistake; ignore it
    }
    owner_.assign(count, 0);
    arrival_.assign(count, 0);
    boundary_.assign(count, 0);
    for (int y = 0; y < height_; ++y) {
        int guess = NoGrain;
        for (int x = 0; x < width_; ++x) {
            // A pixel mostly belongs to the grain of its left neighbour.
            const auto [owner, first] = FirstArrival(x, y, guess);
            owner_[Index(x, y)] = owner;
            arrival_[Index(x, y)] = first;
            guess = owner;
        }
    }

    // How much later the other grain would have reached the pixel: a measure of the distance to
    // the place where both fronts meet.
    auto lead = [&](int x, int y, int other) { return ArrivalOf(other, x, y) - Arrival(x, y); };
    auto markPair = [&](int x, int y, int nx, int ny) {
        const int a = Owner(x, y);
        const int b = Owner(nx, ny);
        if (a == b || a == NoGrain || b == NoGrain) {
            return;
        }
        // At scale 2 both pixels of the pair, together one pixel of the picture wide, on the
        // line where the fronts meet.
        if (scale_ > 1) {
            boundary_[Index(x, y)] = 1;
            boundary_[Index(nx, ny)] = 1;
            return;
        }
        // Either choice closes the line; a tie goes to the first pixel, as a fixed rule.
        if (lead(x, y, b) <= lead(nx, ny, a)) {
            boundary_[Index(x, y)] = 1;
        } else {
            boundary_[Index(nx, ny)] = 1;
        }
    };
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (x + 1 < width_) {
                markPair(x, y, x + 1, y);
            }
            if (y + 1 < height_) {
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

TGrainMap Rescaled(const TGrainMap& map, int scale) {
    if (scale == map.Scale()) {
        return map;
    }
    return TGrainMap(map.Width() / map.Scale(), map.Height() / map.Scale(), map.Grains(), scale);
}

void FillPixel(TPixels& pixels, int x, int y, int scale, std::uint32_t colour) {
    for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
            pixels.at(x * scale + dx, y * scale + dy) = colour;
        }
    }
}

std::vector<std::uint8_t> BoundaryMask(const TGrainMap& map) {
    std::vector<std::uint8_t> mask;
    mask.reserve(static_cast<std::size_t>(map.Width()) * map.Height());
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            mask.push_back(map.IsBoundary(x, y) ? 1 : 0);
        }
    }
    return mask;
}

double ValueAtShare(const std::vector<double>& values, const std::vector<std::uint8_t>& area,
                    double share) {
    constexpr double Never = std::numeric_limits<double>::infinity();
    std::vector<double> inside;
    for (std::size_t i = 0; i < values.size() && i < area.size(); ++i) {
        if (area[i] != 0) {
            inside.push_back(values[i]);
        }
    }
    if (inside.empty()) {
        return Never;
    }
    std::sort(inside.begin(), inside.end());
    const double wanted = std::ceil(share * static_cast<double>(inside.size()));
    if (wanted <= 0) {
        return std::nextafter(inside.front(), -Never); // just below every value
    }
    return inside[std::min(static_cast<std::size_t>(wanted), inside.size()) - 1];
}

double TimeToReach(const TGrainMap& map, const std::vector<std::uint8_t>& area, double share) {
    std::vector<double> arrivals;
    arrivals.reserve(static_cast<std::size_t>(map.Width()) * map.Height());
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            arrivals.push_back(map.Arrival(x, y));
        }
    }
    return ValueAtShare(arrivals, area, share);
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

void PaintReached(TPixels& pixels, const TGrainMap& map, double time, std::uint32_t colour) {
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            if (map.Arrival(x, y) <= time) {
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

void PaintBoundaries(TPixels& pixels, const TGrainMap& map, double time, std::uint32_t colour) {
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            if (map.IsBoundary(x, y) && map.Arrival(x, y) <= time) {
                pixels.at(x, y) = colour;
            }
        }
    }
}

namespace {

// Squared distances in whole pixels, exact in integers.
using TSquared = std::int64_t;
constexpr TSquared Unreached = std::numeric_limits<TSquared>::max();

// The lower envelope of the parabolas (q - v)^2 + f(v) over one line: for every q the smallest
// of them, skipping the v where f is Unreached. Exact, and linear in the line's length (the
// distance transform of Felzenszwalb and Huttenlocher).
void LowerEnvelope(const std::vector<TSquared>& f, std::vector<TSquared>& out) {
    const int n = static_cast<int>(f.size());
    std::vector<int> v(f.size());
    std::vector<double> z(f.size() + 1);
    auto height = [&](int q) { return static_cast<double>(f[q] + TSquared{q} * q); };
    int k = -1;
    for (int q = 0; q < n; ++q) {
        if (f[q] == Unreached) {
            continue;
        }
        double cross = -std::numeric_limits<double>::infinity();
        while (k >= 0) {
            cross = (height(q) - height(v[k])) / (2.0 * (q - v[k]));
            if (cross > z[k]) {
                break;
            }
            --k;
        }
        ++k;
        v[k] = q;
        z[k] = k == 0 ? -std::numeric_limits<double>::infinity() : cross;
        z[k + 1] = std::numeric_limits<double>::infinity();
    }
    out.assign(f.size(), Unreached);
    if (k < 0) {
        return;
    }
    int j = 0;
    for (int q = 0; q < n; ++q) {
        while (z[j + 1] < q) {
            ++j;
        }
        const TSquared d = q - v[j];
        out[q] = d * d + f[v[j]];
    }
}

} // namespace

std::vector<double> DistanceToMask(int width, int height, const std::vector<std::uint8_t>& mask,
                                   int scale) {
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    // First down every column, then along every row over the columns' results.
    std::vector<TSquared> columns(w * h, Unreached);
    std::vector<TSquared> line(h);
    std::vector<TSquared> envelope;
    for (std::size_t x = 0; x < w; ++x) {
        for (std::size_t y = 0; y < h; ++y) {
            line[y] = mask.at(y * w + x) != 0 ? 0 : Unreached;
        }
        LowerEnvelope(line, envelope);
        for (std::size_t y = 0; y < h; ++y) {
            columns[y * w + x] = envelope[y];
        }
    }
    // The picture at its own size measures from the centre of the nearest mask pixel, half a
    // pixel inside the mask's edge; the finer grid's mask pixels are smaller, so a pixel outside
    // the mask lies that much farther from the same point. Without the difference a phase held up
    // by the distance would spread faster on the finer grid.
    const double edgeToCentre = (scale - 1) / (2.0 * scale);
    std::vector<double> distance;
    distance.reserve(w * h);
    line.resize(w);
    for (std::size_t y = 0; y < h; ++y) {
        std::copy_n(columns.begin() + static_cast<std::ptrdiff_t>(y * w), w, line.begin());
        LowerEnvelope(line, envelope);
        for (const TSquared d : envelope) {
            if (d == Unreached) {
                distance.push_back(std::numeric_limits<double>::infinity());
            } else if (d == 0) {
                distance.push_back(0);
            } else {
                distance.push_back(std::sqrt(static_cast<double>(d)) / scale + edgeToCentre);
            }
        }
    }
    return distance;
}

std::vector<double> DistanceToBoundaries(const TGrainMap& map) {
    return DistanceToMask(map.Width(), map.Height(), BoundaryMask(map), map.Scale());
}

std::vector<int> Overlay(const TGrainMap& outer, const TGrainMap& inner) {
    const int innerCount = static_cast<int>(inner.Grains().size());
    std::vector<int> regions;
    regions.reserve(static_cast<std::size_t>(outer.Width()) * outer.Height());
    for (int y = 0; y < outer.Height(); ++y) {
        for (int x = 0; x < outer.Width(); ++x) {
            const int a = outer.Owner(x, y);
            const int b = inner.Owner(x, y);
            regions.push_back(a == TGrainMap::NoGrain || b == TGrainMap::NoGrain
                                  ? TGrainMap::NoGrain
                                  : a * innerCount + b);
        }
    }
    return regions;
}

bool TLamellae::IsDark(double x, double y) const {
    // Position across the stripes, in periods.
    const double across = (-std::sin(Angle) * x + std::cos(Angle) * y) / Spacing + Offset;
    return across - std::floor(across) < DarkShare;
}

TLamellae RandomLamellae(TRandom& random, double minSpacing, double maxSpacing, double darkShare) {
    TLamellae l;
    // Stripes at angle a and a + pi are the same; half a turn gives every direction once.
    l.Angle = random.Uniform(0, std::numbers::pi);
    l.Spacing = random.Uniform(minSpacing, maxSpacing);
    l.Offset = random.Uniform();
    l.DarkShare = darkShare;
    return l;
}

void RemoveSpecks(TPixels& pixels, std::uint32_t colour, std::uint32_t replacement, int minArea) {
    const int width = pixels.Width;
    const int height = pixels.Height;
    std::vector<std::uint8_t> seen(pixels.Data.size(), 0);
    std::vector<std::size_t> area;
    std::vector<std::size_t> stack;
    for (std::size_t start = 0; start < pixels.Data.size(); ++start) {
        if (seen[start] != 0 || pixels.Data[start] != colour) {
            continue;
        }
        area.clear();
        stack.assign(1, start);
        seen[start] = 1;
        while (!stack.empty()) {
            const std::size_t i = stack.back();
            stack.pop_back();
            area.push_back(i);
            const int x = static_cast<int>(i % width);
            const int y = static_cast<int>(i / width);
            auto visit = [&](int nx, int ny) {
                if (nx < 0 || ny < 0 || nx >= width || ny >= height) {
                    return;
                }
                const std::size_t n = static_cast<std::size_t>(ny) * width + nx;
                if (seen[n] == 0 && pixels.Data[n] == colour) {
                    seen[n] = 1;
                    stack.push_back(n);
                }
            };
            visit(x + 1, y);
            visit(x - 1, y);
            visit(x, y + 1);
            visit(x, y - 1);
        }
        if (static_cast<int>(area.size()) < minArea) {
            for (const std::size_t i : area) {
                pixels.Data[i] = replacement;
            }
        }
    }
}

} // namespace Generator
