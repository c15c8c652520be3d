// The light micrographs of the microstructure series: pure ferrite at a high magnification, then
// unalloyed steels from 0.1 % to 0.8 % carbon at a lower one, etched and photographed in grey.
//
// A hypoeutectoid steel cooled slowly from austenite first grows ferrite from the austenite grain
// boundaries into the grains; the austenite left in the grain cores at the eutectoid temperature
// turns into pearlite. So the pictures are painted from three point sets: the austenite grains,
// whose boundaries the ferrite grows from (the ferrite reaches a point by its distance from the
// nearest boundary, made uneven by a smooth noise, so that the ferrite forms a network of uneven
// thickness); the ferrite grains, the polygons of their own nuclei; and the pearlite colonies,
// whose lamellae are too fine at this magnification to show as more than a dark, finely striped
// mottle, each colony a little lighter or darker than its neighbours. The share of pearlite
// follows the lever rule between the carbon that ferrite holds and the eutectoid point, and is
// cut exactly from the same field that shapes the ferrite, so the pictures hold it to the pixel.
//
// Everything is sampled from continuous functions, several samples per pixel, so that grain
// boundaries and lamellae have the soft edges of a photograph. Nearest points are found through a
// grid of buckets: the whole series paints in a fraction of a second.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

#include "assets/generator/Generator.h"
#include "assets/generator/Microstructure.h"
#include "assets/generator/Paint.h"

namespace Generator {
namespace {

constexpr int PictureWidth = 400;
constexpr int Samples = 3; // per pixel and axis

// The carbon ferrite holds at the eutectoid temperature and the eutectoid point, mass per cent.
constexpr double FerriteCarbon = 0.02;
constexpr double EutectoidCarbon = 0.8;

// Grey levels of the etched specimen under white light.
constexpr float FerriteGrey = 214;
constexpr float FerriteTint = 11; // each grain a little lighter or darker (etching by orientation)
constexpr float BoundaryGrey = 72;
constexpr float LamellaDark = 46;
constexpr float LamellaLight = 98;
constexpr double LamellaDarkShare = 0.55;
constexpr double LamellaBend = 0.7; // periods the lamellae bend off straight, either way
constexpr float ColonyTint = 16;
constexpr float Grain = 6;        // fine noise of the photograph, either way
constexpr float Mottle = 7;       // slow unevenness of the etching, either way
constexpr float Vignette = 0.07f; // the corners are this much darker than the middle

// The nearest and second-nearest of a set of points, found through square buckets.
class TPointGrid {
public:
    struct TNearest {
        int First = -1;
        int Second = -1;
        double FirstSquared = std::numeric_limits<double>::infinity();
        double SecondSquared = std::numeric_limits<double>::infinity();
    };

    TPointGrid(std::vector<TPoint> points, TArea area, double cell)
        : points_(std::move(points)), area_(area), cell_(cell),
          columns_(std::max(1, static_cast<int>(std::ceil((area.Right - area.Left) / cell)))),
          rows_(std::max(1, static_cast<int>(std::ceil((area.Bottom - area.Top) / cell)))),
          buckets_(static_cast<std::size_t>(columns_) * rows_) {
        for (std::size_t i = 0; i < points_.size(); ++i) {
            buckets_[Bucket(Column(points_[i].X), Row(points_[i].Y))].push_back(
                static_cast<int>(i));
        }
    }

    const std::vector<TPoint>& Points() const { return points_; }

    TNearest Nearest(TPoint p) const {
        TNearest n;
        const int cx = Column(p.X);
        const int cy = Row(p.Y);
        const int rings = std::max(columns_, rows_);
        for (int r = 0; r <= rings; ++r) {
            for (int y = cy - r; y <= cy + r; ++y) {
                for (int x = cx - r; x <= cx + r; ++x) {
                    const bool onRing = y == cy - r || y == cy + r || x == cx - r || x == cx + r;
                    if (onRing && x >= 0 && y >= 0 && x < columns_ && y < rows_) {
                        Visit(buckets_[Bucket(x, y)], p, n);
                    }
                }
            }
            // Every point of a farther ring lies at least r cells away.
            const double reach = r * cell_;
            if (n.Second >= 0 && n.SecondSquared <= reach * reach) {
                break;
            }
        }
        return n;
    }

    // How far a point lies from the border between the cells of its two nearest points.
    double BorderDistance(const TNearest& n) const {
        if (n.Second < 0) {
            return std::numeric_limits<double>::infinity();
        }
        const double apart = Distance(points_[n.First], points_[n.Second]);
        return (n.SecondSquared - n.FirstSquared) / (2 * apart);
    }

private:
    int Column(double x) const {
        return std::clamp(static_cast<int>((x - area_.Left) / cell_), 0, columns_ - 1);
    }
    int Row(double y) const {
        return std::clamp(static_cast<int>((y - area_.Top) / cell_), 0, rows_ - 1);
    }
    std::size_t Bucket(int x, int y) const { return static_cast<std::size_t>(y) * columns_ + x; }
    void Visit(const std::vector<int>& bucket, TPoint p, TNearest& n) const {
        for (const int i : bucket) {
            const double dx = points_[i].X - p.X;
            const double dy = points_[i].Y - p.Y;
            const double d = dx * dx + dy * dy;
            if (d < n.FirstSquared) {
                n.Second = n.First;
                n.SecondSquared = n.FirstSquared;
                n.First = i;
                n.FirstSquared = d;
            } else if (d < n.SecondSquared) {
                n.Second = i;
                n.SecondSquared = d;
            }
        }
    }

    std::vector<TPoint> points_;
    TArea area_;
    double cell_;
    int columns_;
    int rows_;
    std::vector<std::vector<int>> buckets_;
};

// Smooth noise in [-1, 1]: random values on a square lattice, blended with a smooth step (a cubic,
// flat at both ends like a cosine step, but cheap: the series samples it millions of times).
class TSmoothNoise {
public:
    TSmoothNoise(TRandom& random, int width, int height, double spacing)
        : spacing_(spacing), columns_(static_cast<int>(width / spacing) + 3),
          rows_(static_cast<int>(height / spacing) + 3) {
        for (int i = 0; i < columns_ * rows_; ++i) {
            values_.push_back(random.Uniform(-1, 1));
        }
    }

    double At(double x, double y) const {
        const double gx = std::clamp(x / spacing_ + 1, 0.0, columns_ - 2.0);
        const double gy = std::clamp(y / spacing_ + 1, 0.0, rows_ - 2.0);
        const int i = std::min(static_cast<int>(gx), columns_ - 2);
        const int j = std::min(static_cast<int>(gy), rows_ - 2);
        const double tx = SmoothStep(gx - i);
        const double ty = SmoothStep(gy - j);
        const double top = Value(i, j) * (1 - tx) + Value(i + 1, j) * tx;
        const double bottom = Value(i, j + 1) * (1 - tx) + Value(i + 1, j + 1) * tx;
        return top * (1 - ty) + bottom * ty;
    }

private:
    static double SmoothStep(double t) { return t * t * (3 - 2 * t); }
    double Value(int i, int j) const { return values_[static_cast<std::size_t>(j) * columns_ + i]; }
    double spacing_;
    int columns_;
    int rows_;
    std::vector<double> values_;
};

// The ferrite front: its distance from the austenite boundary varies by this share over a grain,
// and its edge is ragged by this many pixels either way.
constexpr double FrontSpread = 0.45;
constexpr double FrontRagged = 2.0;
constexpr double FineFrontSpacing = 7;
constexpr double BendSpacing = 12;

// How a picture's grains are laid out, in pixels.
struct TLayout {
    double FerriteSpacing = 0;   // between ferrite nuclei: about the ferrite grain size
    double AusteniteSpacing = 0; // between austenite nuclei, for the steels
    double ColonySpacing = 0;    // between pearlite colony nuclei
    double BoundaryWidth = 0;    // of the dark lines between ferrite grains
    double Waviness = 0;         // how far grain boundaries bend off straight lines
};

// Points evenly spread but not on a lattice over the picture and a margin round it, so that grains
// run over the picture's edge like those of a larger specimen: darts thrown at random, each kept
// unless it falls nearer than the spacing's MinShare to one kept before. A grid of cells that hold
// at most one point each finds the near ones.
TPointGrid Nuclei(TRandom& random, int height, double spacing) {
    constexpr double MinShare = 0.8;
    constexpr int DartsPerPoint = 30;
    const double min = MinShare * spacing;
    const TArea area{-2 * spacing, -2 * spacing, PictureWidth + 2 * spacing, height + 2 * spacing};
    const double cell = min / std::numbers::sqrt2;
    const int columns = static_cast<int>(std::ceil((area.Right - area.Left) / cell));
    const int rows = static_cast<int>(std::ceil((area.Bottom - area.Top) / cell));
    std::vector<int> taken(static_cast<std::size_t>(columns) * rows, -1);
    std::vector<TPoint> points;
    const double expected =
        (area.Right - area.Left) * (area.Bottom - area.Top) / (spacing * spacing);
    const int darts = static_cast<int>(DartsPerPoint * expected);
    for (int d = 0; d < darts; ++d) {
        const TPoint p{random.Uniform(area.Left, area.Right),
                       random.Uniform(area.Top, area.Bottom)};
        const int cx = std::min(static_cast<int>((p.X - area.Left) / cell), columns - 1);
        const int cy = std::min(static_cast<int>((p.Y - area.Top) / cell), rows - 1);
        bool free = true;
        for (int y = std::max(0, cy - 2); free && y <= std::min(rows - 1, cy + 2); ++y) {
            for (int x = std::max(0, cx - 2); free && x <= std::min(columns - 1, cx + 2); ++x) {
                const int q = taken[static_cast<std::size_t>(y) * columns + x];
                free = q < 0 || Distance(points[static_cast<std::size_t>(q)], p) >= min;
            }
        }
        if (free) {
            taken[static_cast<std::size_t>(cy) * columns + cx] = static_cast<int>(points.size());
            points.push_back(p);
        }
    }
    return TPointGrid(std::move(points), area, spacing);
}

// A colour that comes back the same for every grain number and seed, in [-1, 1].
double Tint(std::uint64_t seed, int index) {
    TRandom r(seed ^ (static_cast<std::uint64_t>(index) * 0x9E3779B97F4A7C15ull));
    return r.Uniform(-1, 1);
}

struct TLamellaColony {
    double Cos = 1;
    double Sin = 0;
    double Spacing = 3;
    double Offset = 0;
    float Tone = 0;
};

class TSpecimen {
public:
    TSpecimen(std::uint64_t seed, int height, const TLayout& layout, double pearliteShare)
        : seed_(seed), height_(height), layout_(layout), random_(seed),
          ferrite_(Nuclei(random_, height, layout.FerriteSpacing)),
          austenite_(Nuclei(random_, height, OrFerrite(layout.AusteniteSpacing))),
          colonies_(Nuclei(random_, height, OrFerrite(layout.ColonySpacing))),
          front_(random_, PictureWidth, height, OrFerrite(layout.AusteniteSpacing) / 2),
          frontFine_(random_, PictureWidth, height, FineFrontSpacing),
          bend_(random_, PictureWidth, height, BendSpacing),
          warpX_(random_, PictureWidth, height, 2 * layout.FerriteSpacing),
          warpY_(random_, PictureWidth, height, 2 * layout.FerriteSpacing),
          mottle_(random_, PictureWidth, height, 3 * layout.FerriteSpacing) {
        for (std::size_t i = 0; i < colonies_.Points().size(); ++i) {
            const double angle = random_.Uniform(0, std::numbers::pi);
            colonyLamellae_.push_back({std::cos(angle), std::sin(angle), random_.Uniform(2.4, 3.6),
                                       random_.Uniform(0, 1),
                                       static_cast<float>(random_.Uniform(-1, 1)) * ColonyTint});
        }
        CutPearlite(pearliteShare);
    }

    TPixels Paint(int scale) {
        TPixels picture =
            PaintSupersampled(PictureWidth, height_, scale, Samples, [&](double x, double y) {
                const float g = Grey({x, y});
                return TRgb{g, g, g};
            });
        Finish(picture, scale);
        return picture;
    }

private:
    // Pure iron has no austenite or pearlite; its unused point sets take the ferrite's spacing.
    double OrFerrite(double spacing) const {
        return spacing > 0 ? spacing : layout_.FerriteSpacing;
    }

    // Grain boundaries are not straight: every point is looked up a little displaced.
    TPoint Warped(TPoint p) const {
        return {p.X + layout_.Waviness * warpX_.At(p.X, p.Y),
                p.Y + layout_.Waviness * warpY_.At(p.X, p.Y)};
    }

    // When the ferrite front reaches the point: its distance from the austenite boundary, made
    // uneven. Without austenite (pure iron) everything is ferrite from the start.
    double Arrival(TPoint w) const {
        return HasAustenite() ? ArrivalFrom(w, austenite_.Nearest(w)) : 0;
    }
    bool HasAustenite() const { return layout_.AusteniteSpacing > 0; }
    double ArrivalFrom(TPoint w, const TPointGrid::TNearest& austenite) const {
        const double d = austenite_.BorderDistance(austenite);
        return d * (1 + FrontSpread * front_.At(w.X, w.Y)) + FrontRagged * frontFine_.At(w.X, w.Y);
    }

    // The ferrite stops where the share of pearlite is left: the pixels reached last, counted
    // on the picture at its own size, so that every scale cuts at the same front.
    void CutPearlite(double share) {
        if (share <= 0) {
            cut_ = std::numeric_limits<double>::infinity();
            return;
        }
        if (share >= 1) {
            cut_ = -std::numeric_limits<double>::infinity();
            return;
        }
        std::vector<double> arrivals;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < PictureWidth; ++x) {
                arrivals.push_back(Arrival(Warped({x + 0.5, y + 0.5})));
            }
        }
        const auto ferrite = static_cast<std::size_t>(std::lround((1 - share) * arrivals.size()));
        std::nth_element(arrivals.begin(), arrivals.begin() + ferrite, arrivals.end());
        cut_ = arrivals[ferrite];
    }

    float FerriteAt(TPoint w) const {
        const TPointGrid::TNearest n = ferrite_.Nearest(w);
        if (ferrite_.BorderDistance(n) < layout_.BoundaryWidth / 2) {
            return BoundaryGrey;
        }
        return FerriteGrey + FerriteTint * static_cast<float>(Tint(seed_, n.First));
    }

    // A colony never crosses an austenite grain boundary: the pair names the colony.
    float PearliteAt(TPoint p, TPoint w, int grain) const {
        const int colony = colonies_.Nearest(w).First;
        const TLamellaColony& c = colonyLamellae_[static_cast<std::size_t>(colony)];
        const float tone = c.Tone + ColonyTint * 0.5f * static_cast<float>(Tint(seed_, grain));
        const double phase =
            (p.X * c.Cos + p.Y * c.Sin) / c.Spacing + c.Offset + LamellaBend * bend_.At(p.X, p.Y);
        const bool dark = phase - std::floor(phase) < LamellaDarkShare;
        return (dark ? LamellaDark : LamellaLight) + tone;
    }

    float Grey(TPoint p) const {
        const TPoint w = Warped(p);
        if (!HasAustenite()) {
            return FerriteAt(w);
        }
        const TPointGrid::TNearest austenite = austenite_.Nearest(w);
        return ArrivalFrom(w, austenite) <= cut_ ? FerriteAt(w) : PearliteAt(p, w, austenite.First);
    }

    // The photograph's unevenness: slow mottle of the etching, a darker rim, fine grain (a grain
    // of the grid it is painted on).
    void Finish(TPixels& picture, int scale) {
        TRandom noise(seed_ + 1);
        const double cx = PictureWidth / 2.0;
        const double cy = height_ / 2.0;
        const double corner = cx * cx + cy * cy;
        for (int j = 0; j < picture.Height; ++j) {
            for (int i = 0; i < picture.Width; ++i) {
                const double x = CornerSample(i, scale);
                const double y = CornerSample(j, scale);
                const double r = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / corner;
                const float darker = 1 - Vignette * static_cast<float>(r);
                const float shift = Mottle * static_cast<float>(mottle_.At(x, y)) +
                                    Grain * static_cast<float>(noise.Uniform(-1, 1));
                const float g = static_cast<float>(picture.at(i, j) & 0xFF) * darker + shift;
                picture.at(i, j) = PixelOfRgb({g, g, g});
            }
        }
    }

    std::uint64_t seed_;
    int height_;
    TLayout layout_;
    TRandom random_;
    TPointGrid ferrite_;
    TPointGrid austenite_;
    TPointGrid colonies_;
    TSmoothNoise front_;
    TSmoothNoise frontFine_;
    TSmoothNoise bend_;
    TSmoothNoise warpX_;
    TSmoothNoise warpY_;
    TSmoothNoise mottle_;
    std::vector<TLamellaColony> colonyLamellae_;
    double cut_ = 0;
};

// Pure iron at four times the steels' magnification: a few dozen large grains.
TPixels Ferrite(int scale) {
    constexpr int Height = 277;
    const TLayout layout{.FerriteSpacing = 62, .BoundaryWidth = 1.6, .Waviness = 4};
    return TSpecimen(0x4665727269744665ull, Height, layout, 0).Paint(scale);
}

// The steels all at one magnification, so their grains are the same size; each picture is a
// specimen of its own.
TPixels Steel(int tenths, int height, int scale) {
    const double carbon = tenths / 10.0;
    const double pearlite =
        std::clamp((carbon - FerriteCarbon) / (EutectoidCarbon - FerriteCarbon), 0.0, 1.0);
    const TLayout layout{.FerriteSpacing = 19,
                         .AusteniteSpacing = 46,
                         .ColonySpacing = 17,
                         .BoundaryWidth = 1.1,
                         .Waviness = 1.5};
    return TSpecimen(0x5374616869433030ull + static_cast<std::uint64_t>(tenths), height, layout,
                     pearlite)
        .Paint(scale);
}

template <int Tenths, int Height>
TPixels SteelPicture(int scale) {
    return Steel(Tenths, Height, scale);
}

constexpr int Quality = 88;

} // namespace

TOutputs SteelSeries() {
    return {
        {"series_fe", TKind::JpegGrey, Quality, Ferrite},
        {"series_c01", TKind::JpegGrey, Quality, SteelPicture<1, 281>},
        {"series_c02", TKind::JpegGrey, Quality, SteelPicture<2, 286>},
        {"series_c03", TKind::JpegGrey, Quality, SteelPicture<3, 281>},
        {"series_c04", TKind::JpegGrey, Quality, SteelPicture<4, 276>},
        {"series_c05", TKind::JpegGrey, Quality, SteelPicture<5, 289>},
        {"series_c06", TKind::JpegGrey, Quality, SteelPicture<6, 289>},
        {"series_c07", TKind::JpegGrey, Quality, SteelPicture<7, 278>},
        {"series_c08", TKind::JpegGrey, Quality, SteelPicture<8, 280>},
    };
}

} // namespace Generator
