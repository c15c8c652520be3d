#include "assets/generator/PhaseMicrostructure.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Generator {
namespace {

std::size_t IndexOf(int width, int x, int y) {
    return static_cast<std::size_t>(y) * width + x;
}

// Colonies of the eutectic: some ten in an 80-pixel picture, grown from equal births, so that
// they are the cells round their nuclei.
TNucleation ColonyNucleation() {
    TNucleation n;
    n.Count = 12;
    n.MinDistance = 20;
    n.Margin = 10;
    n.Roughness = 0.05;
    return n;
}
// The lamellae lie 3 to 4 pixels apart: fine, yet each lamella at least a pixel wide.
constexpr double MinSpacing = 2.8;
constexpr double MaxSpacing = 3.6;
// Black or white islands smaller than this (pixels of the picture at its own size) are slivers
// where a colony's edge cuts a lamella.
constexpr int Sliver = 3;
// Tuning the black share: halving the interval this often leaves it far below a pixel's share.
constexpr int TuningSteps = 24;
constexpr double LeastDark = 0.05;
constexpr double MostDark = 0.95;

} // namespace

TMask TopRows(int width, int height, int rows) {
    TMask mask(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < std::min(rows, height); ++y) {
        for (int x = 0; x < width; ++x) {
            mask[IndexOf(width, x, y)] = 1;
        }
    }
    return mask;
}

TMask PixelsOf(const TPixels& picture, std::uint32_t colour) {
    TMask mask(picture.Data.size(), 0);
    for (std::size_t i = 0; i < picture.Data.size(); ++i) {
        mask[i] = picture.Data[i] == colour ? 1 : 0;
    }
    return mask;
}

double ShareOf(const TPixels& picture, std::uint32_t colour, const TMask& area) {
    std::size_t in = 0;
    std::size_t all = 0;
    for (std::size_t i = 0; i < picture.Data.size(); ++i) {
        if (area[i] != 0) {
            ++all;
            in += picture.Data[i] == colour ? 1 : 0;
        }
    }
    return all == 0 ? 0 : static_cast<double>(in) / static_cast<double>(all);
}

double SolidAt(const TGrainMap& map, int x, int y, double seamDelay) {
    return map.Arrival(x, y) + (map.IsBoundary(x, y) ? seamDelay : 0);
}

double TimeToCover(const TGrainMap& map, const TMask& area, const TMask& where, double share,
                   double seamDelay) {
    constexpr double Never = std::numeric_limits<double>::infinity();
    std::vector<double> arrivals;
    std::size_t areaPixels = 0;
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            const std::size_t i = IndexOf(map.Width(), x, y);
            if (area[i] == 0) {
                continue;
            }
            ++areaPixels;
            if (where[i] != 0 && map.Owner(x, y) != TGrainMap::NoGrain) {
                arrivals.push_back(SolidAt(map, x, y, seamDelay));
            }
        }
    }
    if (arrivals.empty()) {
        return Never;
    }
    std::sort(arrivals.begin(), arrivals.end());
    const double wanted = std::ceil(share * static_cast<double>(areaPixels));
    if (wanted <= 0) {
        return std::nextafter(arrivals.front(), -Never); // just before anything arrives
    }
    return arrivals[std::min(static_cast<std::size_t>(wanted), arrivals.size()) - 1];
}

double TimeToCover(const TGrainMap& map, const TMask& area, double share, double seamDelay) {
    return TimeToCover(map, area, TMask(area.size(), 1), share, seamDelay);
}

void PaintGrown(TPixels& picture, const TGrainMap& map, double time, std::uint32_t colour,
                const TMask& where, double seamDelay) {
    for (int y = 0; y < map.Height(); ++y) {
        for (int x = 0; x < map.Width(); ++x) {
            if (where[IndexOf(map.Width(), x, y)] != 0 && SolidAt(map, x, y, seamDelay) <= time) {
                picture.at(x, y) = colour;
            }
        }
    }
}

void PaintGrown(TPixels& picture, const TGrainMap& map, double time, std::uint32_t colour,
                double seamDelay) {
    PaintGrown(picture, map, time, colour, TMask(picture.Data.size(), 1), seamDelay);
}

std::vector<TGrain> NucleateInside(TRandom& random, int width, int height, const TNucleation& n,
                                   const TMask& inside) {
    std::vector<TGrain> grains = Nucleate(random, width, height, n);
    std::erase_if(grains, [&](const TGrain& g) {
        const int x = static_cast<int>(std::floor(g.Nucleus.X));
        const int y = static_cast<int>(std::floor(g.Nucleus.Y));
        return x < 0 || y < 0 || x >= width || y >= height || inside[IndexOf(width, x, y)] == 0;
    });
    return grains;
}

TEutectic::TEutectic(TRandom& random, int width, int height, int scale, double blackShare,
                     const TMask& where, std::uint32_t seam)
    : colonies_(width, height, Nucleate(random, width, height, ColonyNucleation()), scale),
      seam_(seam), scale_(scale) {
    for (std::size_t c = 0; c < colonies_.Grains().size(); ++c) {
        lamellae_.push_back(RandomLamellae(random, MinSpacing, MaxSpacing, darkShare_));
    }
    // The black share grows with the lamellae's dark share; halve the interval until the painted
    // eutectic has the share wanted.
    double low = LeastDark;
    double high = MostDark;
    TPixels probe(colonies_.Width(), colonies_.Height(), PhaseMelt);
    for (int step = 0; step < TuningSteps; ++step) {
        const double middle = (low + high) / 2;
        PaintWith(probe, where, middle);
        (ShareOf(probe, PhaseBeta, where) < blackShare ? low : high) = middle;
    }
    darkShare_ = (low + high) / 2;
}

void TEutectic::PaintWith(TPixels& picture, const TMask& where, double darkShare) const {
    // The lamellae where the eutectic goes, and a colour of neither phase elsewhere, so that a
    // lamella cut short by the edge of a crystal counts as the sliver it is.
    TPixels pattern(picture.Width, picture.Height, PhaseMelt);
    for (int y = 0; y < picture.Height; ++y) {
        for (int x = 0; x < picture.Width; ++x) {
            if (where[IndexOf(picture.Width, x, y)] == 0) {
                continue;
            }
            TLamellae l = lamellae_.at(static_cast<std::size_t>(colonies_.Owner(x, y)));
            l.DarkShare = darkShare;
            const TPoint c = PixelCentre(x, y, scale_);
            pattern.at(x, y) = l.IsDark(c.X, c.Y) ? PhaseBeta : PhaseAlpha;
        }
    }
    RemoveSpecks(pattern, PhaseBeta, PhaseAlpha, Sliver * scale_ * scale_);
    RemoveSpecks(pattern, PhaseAlpha, PhaseBeta, Sliver * scale_ * scale_);
    if (seam_ != 0) {
        const int w = picture.Width;
        const int h = picture.Height;
        auto outside = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < w && y < h && where[IndexOf(w, x, y)] == 0;
        };
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (where[IndexOf(w, x, y)] != 0 && NearAlongAxes(x, y, scale_, outside)) {
                    pattern.at(x, y) = seam_;
                }
            }
        }
    }
    for (std::size_t i = 0; i < picture.Data.size(); ++i) {
        if (where[i] != 0) {
            picture.Data[i] = pattern.Data[i];
        }
    }
}

void TEutectic::Paint(TPixels& picture, const TMask& where) const {
    PaintWith(picture, where, darkShare_);
}

} // namespace Generator
