// The three light micrographs of the steel C 45, 800 x 600, in the colours of an etched specimen
// under white light: normalised (light ferrite grains between dark-brown lamellar pearlite),
// hardened (uniform fine martensite needles in light brown) and quenched and tempered (fine
// mottled tempered martensite, light with dark carbide speckles).
//
// Every structure is built from a jittered grid of nuclei: each pixel looks only at the nine
// cells around it, so a whole picture costs a few passes over its pixels and the generator stays
// fast.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "assets/generator/Generator.h"
#include "assets/generator/Microstructure.h"
#include "assets/generator/Paint.h"

namespace Generator {
namespace {

constexpr int Width = 800;
constexpr int Height = 600;
constexpr int Quality = 90;

// --- grains ------------------------------------------------------------------------------------

// Grains as the cells of nuclei on a jittered grid: the nearest nucleus owns a pixel, and where
// the nearest two are almost equally near lies the boundary between them.
class TCells {
public:
    TCells(TRandom& random, int width, int height, double size) : size_(size) {
        columns_ = static_cast<int>(std::ceil(width / size)) + 2;
        rows_ = static_cast<int>(std::ceil(height / size)) + 2;
        for (int r = 0; r < rows_; ++r)
            for (int c = 0; c < columns_; ++c)
                nuclei_.push_back({(c - 1 + random.Uniform(0.1, 0.9)) * size,
                                   (r - 1 + random.Uniform(0.1, 0.9)) * size});
    }

    struct TNearest {
        int Cell = 0;
        // How much farther the second nearest nucleus lies than the nearest, half the gap of
        // squared distances over the distance between them: the distance to the boundary.
        double ToBoundary = 0;
    };

    TNearest Nearest(double x, double y) const {
        const int c0 = static_cast<int>(std::floor(x / size_)) + 1;
        const int r0 = static_cast<int>(std::floor(y / size_)) + 1;
        int best = -1;
        int second = -1;
        double bestD = 1e30;
        double secondD = 1e30;
        for (int r = std::max(r0 - 1, 0); r <= std::min(r0 + 1, rows_ - 1); ++r) {
            for (int c = std::max(c0 - 1, 0); c <= std::min(c0 + 1, columns_ - 1); ++c) {
                const int i = r * columns_ + c;
                const double dx = nuclei_[i].X - x;
                const double dy = nuclei_[i].Y - y;
                const double d = dx * dx + dy * dy;
                if (d < bestD) {
                    second = best;
                    secondD = bestD;
                    best = i;
                    bestD = d;
                } else if (d < secondD) {
                    second = i;
                    secondD = d;
                }
            }
        }
        const double between = Distance(nuclei_[best], nuclei_[second]);
        return {best, (secondD - bestD) / (2 * std::max(between, 1e-9))};
    }

    int Count() const { return static_cast<int>(nuclei_.size()); }

private:
    double size_;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<TPoint> nuclei_;
};

// --- noise -------------------------------------------------------------------------------------

// Smooth noise in [0, 1] from random values on a lattice, blended with a cosine step.
class TNoise {
public:
    TNoise(TRandom& random, double cell) : cell_(cell) {
        for (double& v : values_)
            v = random.Uniform();
    }
    double At(double x, double y) const {
        const double gx = x / cell_;
        const double gy = y / cell_;
        const int ix = static_cast<int>(std::floor(gx));
        const int iy = static_cast<int>(std::floor(gy));
        const float tx = CosineStep(static_cast<float>(gx - ix));
        const float ty = CosineStep(static_cast<float>(gy - iy));
        const double top = Lerp(Value(ix, iy), Value(ix + 1, iy), tx);
        const double bottom = Lerp(Value(ix, iy + 1), Value(ix + 1, iy + 1), tx);
        return Lerp(top, bottom, ty);
    }

private:
    static constexpr int Side = 64;
    static double Lerp(double a, double b, double t) { return a + (b - a) * t; }
    double Value(int x, int y) const {
        const int i = ((y % Side + Side) % Side) * Side + (x % Side + Side) % Side;
        return values_[static_cast<std::size_t>(i)];
    }
    double cell_;
    std::array<double, Side * Side> values_{};
};

// Noise over several scales, each half the size and half the weight of the one before.
class TFractalNoise {
public:
    TFractalNoise(TRandom& random, double largest, int octaves) {
        double cell = largest;
        for (int i = 0; i < octaves; ++i, cell /= 2)
            octaves_.emplace_back(random, cell);
    }
    double At(double x, double y) const {
        double sum = 0;
        double weight = 1;
        double total = 0;
        for (const TNoise& n : octaves_) {
            sum += weight * n.At(x, y);
            total += weight;
            weight /= 2;
        }
        return sum / total;
    }

private:
    std::vector<TNoise> octaves_;
};

// --- painting ----------------------------------------------------------------------------------

TRgb Shade(TRgb c, double f) {
    return c * static_cast<float>(f);
}

// Uneven illumination and the grain of the photograph: a broad brightness change towards the
// corners and fine noise, a grain of the grid the picture is painted on.
struct TPhotograph {
    TFractalNoise Light;
    TRandom Grain;

    explicit TPhotograph(TRandom& random) : Light(random, 300, 3), Grain(random.Next()) {}

    // (x, y) is where the picture at its own size samples the pixel (CornerSample).
    TRgb Finish(TRgb c, double x, double y) {
        const double cx = (x - Width / 2.0) / Width;
        const double cy = (y - Height / 2.0) / Height;
        const double vignette = 1 - 0.35 * (cx * cx + cy * cy);
        const double light = 0.92 + 0.12 * Light.At(x, y);
        const float grain = static_cast<float>(Grain.Uniform(-5, 5));
        const TRgb lit = Shade(c, vignette * light);
        return {lit.R + grain, lit.G + grain, lit.B + grain};
    }
};

// A picture painted at the scale from the colour of each pixel's four quarter points, for the
// soft edges of a photograph; colourAt takes coordinates of the picture at its own size.
template <class ColourAt>
TPixels PaintPhotograph(TPhotograph& photo, int scale, ColourAt colourAt) {
    constexpr double Quarters[4][2] = {{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}};
    TPixels out(Width * scale, Height * scale);
    for (int y = 0; y < out.Height; ++y) {
        for (int x = 0; x < out.Width; ++x) {
            TRgb sum;
            for (const auto& q : Quarters)
                sum = sum + colourAt((x + q[0]) / scale, (y + q[1]) / scale);
            out.at(x, y) = PixelOfRgb(
                photo.Finish(sum * 0.25f, CornerSample(x, scale), CornerSample(y, scale)));
        }
    }
    return out;
}

// --- normalised --------------------------------------------------------------------------------

// Ferrite and pearlite grains of about 30 µm; a little over half the grains are pearlite, as a
// steel with 0.45 % carbon has. Each pearlite grain is a colony of parallel lamellae, slightly
// wavy, in its own direction.
TPixels Normalised(int scale) {
    TRandom random(0x43343520'4E6F726Dull);
    const TCells grains(random, Width, Height, 34);
    constexpr double PearliteShare = 0.56;
    std::vector<bool> pearlite;
    std::vector<TLamellae> lamellae;
    std::vector<double> tint;
    for (int i = 0; i < grains.Count(); ++i) {
        pearlite.push_back(random.Uniform() < PearliteShare);
        lamellae.push_back(RandomLamellae(random, 2.2, 3.4, 0.5));
        tint.push_back(random.Uniform(0.94, 1.04));
    }
    const TFractalNoise wave(random, 40, 2);
    // The boundaries bow and wander instead of running straight from corner to corner. The
    // noise changes slowly, so it is looked up once a pixel, not at every sample.
    const TFractalNoise warpX(random, 60, 2);
    const TFractalNoise warpY(random, 60, 2);
    constexpr double Warp = 18;
    struct TShift {
        float X, Y, Bend;
    };
    const int columns = Width * scale;
    std::vector<TShift> shift(static_cast<std::size_t>(columns) * Height * scale);
    for (int j = 0; j < Height * scale; ++j) {
        for (int i = 0; i < columns; ++i) {
            const double x = CornerSample(i, scale);
            const double y = CornerSample(j, scale);
            shift[static_cast<std::size_t>(j) * columns + i] = {
                static_cast<float>(Warp * (warpX.At(x, y) - 0.5)),
                static_cast<float>(Warp * (warpY.At(x, y) - 0.5)),
                static_cast<float>(3 * wave.At(x, y))};
        }
    }
    TPhotograph photo(random);

    constexpr TRgb Ferrite{232, 224, 200};
    constexpr TRgb FerriteBoundary{110, 92, 74};
    constexpr TRgb PearliteDark{52, 32, 20};
    constexpr TRgb PearliteLight{128, 90, 60};
    return PaintPhotograph(photo, scale, [&](double x, double y) {
        const TShift& d = shift[static_cast<std::size_t>(static_cast<int>(y * scale)) * columns +
                                static_cast<int>(x * scale)];
        const double wx = x + d.X;
        const double wy = y + d.Y;
        const TCells::TNearest n = grains.Nearest(wx, wy);
        const auto g = static_cast<std::size_t>(n.Cell);
        if (!pearlite[g]) {
            const double edge = std::clamp(n.ToBoundary / 1.2, 0.0, 1.0);
            return Shade(Mix(FerriteBoundary, Ferrite, static_cast<float>(edge)), tint[g]);
        }
        // The lamellae bend a little, as they do in a real colony.
        const bool dark = lamellae[g].IsDark(x + d.Bend, y - d.Bend);
        return Shade(dark ? PearliteDark : PearliteLight, tint[g]);
    });
}

// --- martensite --------------------------------------------------------------------------------

// Needles in the former austenite grains: within a grain they lie in three directions 60° apart,
// as the martensite plates grow along the planes of the austenite lattice.
struct TNeedle {
    TPoint Centre;
    double Cos = 1;
    double Sin = 0;
    double HalfLength = 10;
    double HalfWidth = 1;
    float Shade = 0; // below 0 darker, above 0 lighter
};

std::vector<TNeedle> Needles(TRandom& random, const TCells& austenite, int count, double minLength,
                             double maxLength) {
    std::vector<double> grainAngle;
    for (int i = 0; i < austenite.Count(); ++i)
        grainAngle.push_back(random.Uniform(0, std::numbers::pi));
    std::vector<TNeedle> needles;
    for (int i = 0; i < count; ++i) {
        TNeedle n;
        n.Centre = {random.Uniform(-20, Width + 20), random.Uniform(-20, Height + 20)};
        const int grain = austenite.Nearest(n.Centre.X, n.Centre.Y).Cell;
        const int variant = static_cast<int>(random.Uniform(0, 3));
        const double angle = grainAngle[static_cast<std::size_t>(grain)] +
                             variant * std::numbers::pi / 3 + random.Uniform(-0.08, 0.08);
        n.Cos = std::cos(angle);
        n.Sin = std::sin(angle);
        n.HalfLength = random.Uniform(minLength, maxLength) / 2;
        n.HalfWidth = random.Uniform(0.6, 1.4);
        n.Shade = static_cast<float>(random.Uniform(-1, 0.6));
        needles.push_back(n);
    }
    return needles;
}

// How much of each pixel of the grid at the scale the needles darken or lighten: later needles
// lie over earlier ones. A needle's edge blends over one pixel of that grid.
std::vector<float> NeedleField(const std::vector<TNeedle>& needles, int scale) {
    const int columns = Width * scale;
    const int rows = Height * scale;
    std::vector<float> field(static_cast<std::size_t>(columns) * rows, 0.0f);
    for (const TNeedle& n : needles) {
        const double reach = n.HalfLength + n.HalfWidth + 1;
        const int x0 = std::max(0, static_cast<int>((n.Centre.X - reach) * scale));
        const int x1 = std::min(columns - 1, static_cast<int>((n.Centre.X + reach) * scale));
        const int y0 = std::max(0, static_cast<int>((n.Centre.Y - reach) * scale));
        const int y1 = std::min(rows - 1, static_cast<int>((n.Centre.Y + reach) * scale));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const TPoint c = PixelCentre(x, y, scale);
                const double dx = c.X - n.Centre.X;
                const double dy = c.Y - n.Centre.Y;
                const double along = dx * n.Cos + dy * n.Sin;
                const double across = -dx * n.Sin + dy * n.Cos;
                // Lens-shaped: widest in the middle, pointed at both ends.
                const double t = along / n.HalfLength;
                if (t <= -1 || t >= 1)
                    continue;
                const double half = n.HalfWidth * (1 - t * t) + 0.3;
                const double cover = std::clamp((half - std::abs(across)) * scale + 0.5, 0.0, 1.0);
                if (cover > 0) {
                    float& f = field[static_cast<std::size_t>(y) * columns + x];
                    f = f + static_cast<float>(cover) * (n.Shade - f);
                }
            }
        }
    }
    return field;
}

// The field of the grid at the scale in colour.
TPixels PaintField(TPhotograph& photo, int scale, const std::vector<float>& field, TRgb base,
                   TRgb dark, TRgb light) {
    TPixels out(Width * scale, Height * scale);
    for (int y = 0; y < out.Height; ++y) {
        for (int x = 0; x < out.Width; ++x) {
            const float f = field[static_cast<std::size_t>(y) * out.Width + x];
            const TRgb c = f < 0 ? Mix(base, dark, -f) : Mix(base, light, f);
            out.at(x, y) =
                PixelOfRgb(photo.Finish(c, CornerSample(x, scale), CornerSample(y, scale)));
        }
    }
    return out;
}

TPixels Hardened(int scale) {
    TRandom random(0x43343520'48617274ull);
    const TCells austenite(random, Width, Height, 90);
    const std::vector<float> field = NeedleField(Needles(random, austenite, 26000, 8, 34), scale);
    TPhotograph photo(random);
    constexpr TRgb Base{196, 160, 118};
    constexpr TRgb Dark{120, 86, 56};
    constexpr TRgb Light{228, 204, 168};
    return PaintField(photo, scale, field, Base, Dark, Light);
}

// The needles faded into the mottle of tempering, on the grid at the scale.
std::vector<float> Tempered(const std::vector<TNeedle>& needles, const TFractalNoise& mottle,
                            int scale) {
    std::vector<float> field = NeedleField(needles, scale);
    const int columns = Width * scale;
    for (int j = 0; j < Height * scale; ++j)
        for (int i = 0; i < columns; ++i) {
            float& f = field[static_cast<std::size_t>(j) * columns + i];
            const double m = mottle.At(CornerSample(i, scale), CornerSample(j, scale));
            f = 0.35f * f + 0.9f * static_cast<float>(m - 0.5);
        }
    return field;
}

// A carbide speck as it was put into the field of the picture at its own size: the value one
// pixel got, in the order they were put, so that a later speck on the same pixel wins.
struct TSpeck {
    int X = 0;
    int Y = 0;
    float Value = 0;
};

// Carbides come out as dark specks, most of them along the former needles. Chosen on the field
// of the picture at its own size, which takes them.
std::vector<TSpeck> PlaceSpecks(TRandom& random, std::vector<float>& field) {
    constexpr int Specks = 30000;
    std::vector<TSpeck> placed;
    auto put = [&](int x, int y, float value) {
        field[static_cast<std::size_t>(y) * Width + x] = value;
        placed.push_back({x, y, value});
    };
    for (int i = 0; i < Specks; ++i) {
        const int x = static_cast<int>(random.Uniform(0, Width));
        const int y = static_cast<int>(random.Uniform(0, Height));
        const float f = field[static_cast<std::size_t>(y) * Width + x];
        // Specks sit where the needle boundaries were, which the field shows darker.
        if (f < 0.05f || random.Uniform() < 0.3) {
            put(x, y, -1);
            if (random.Uniform() < 0.4 && x + 1 < Width)
                put(x + 1, y, -0.8f);
        }
    }
    return placed;
}

// The specks on the grid at the scale: each covers its pixel of the picture.
void PutSpecks(std::vector<float>& field, const std::vector<TSpeck>& specks, int scale) {
    const int columns = Width * scale;
    for (const TSpeck& s : specks)
        for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
                field[static_cast<std::size_t>(s.Y * scale + dy) * columns + s.X * scale + dx] =
                    s.Value;
}

// Tempered: the needles fade into a fine mottle, and carbides come out as dark specks, most of
// them along the former needles.
TPixels QuenchedAndTempered(int scale) {
    TRandom random(0x43343520'56657267ull);
    const TCells austenite(random, Width, Height, 90);
    const std::vector<TNeedle> needles = Needles(random, austenite, 18000, 6, 26);
    const TFractalNoise mottle(random, 14, 3);
    std::vector<float> field = Tempered(needles, mottle, 1);
    const std::vector<TSpeck> specks = PlaceSpecks(random, field);
    if (scale != 1) {
        field = Tempered(needles, mottle, scale);
        PutSpecks(field, specks, scale);
    }
    TPhotograph photo(random);
    constexpr TRgb Base{214, 204, 184};
    constexpr TRgb Dark{70, 58, 48};
    constexpr TRgb Light{238, 232, 218};
    return PaintField(photo, scale, field, Base, Dark, Light);
}

} // namespace

TOutputs C45Micrographs() {
    return {
        {"c45_normalised", TKind::JpegColour, Quality, Normalised},
        {"c45_hardened", TKind::JpegColour, Quality, Hardened},
        {"c45_quenched_tempered", TKind::JpegColour, Quality, QuenchedAndTempered},
    };
}

} // namespace Generator
