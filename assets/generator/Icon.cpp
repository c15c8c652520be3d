#include "assets/generator/Icon.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "assets/generator/Paint.h"
#include "assets/generator/Png.h"

// The program's desktop icon: a cooling curve with its halt, the picture the program is about,
// on a tile whose upper field is the warm melt and lower field the cold solid. Every size is
// painted afresh on its own pixel grid, so that the axes and the halt stay one sharp line even at
// 16 x 16 instead of blurring as a shrunk large picture would.

namespace Generator {
namespace {

struct TPoint {
    double X;
    double Y;
};

// The design on a 16-unit grid; a unit is one pixel at 16 x 16.
constexpr double Grid = 16;
constexpr double CornerRadius = 2.5;
constexpr double AxisX = 3, AxisTop = 2, AxisY = 13, AxisRight = 14;
constexpr TPoint Curve[] = {{5, 3}, {6.5, 7}, {10.5, 7}, {12.5, 11.5}};
constexpr double HaltY = 7;

constexpr TRgb Rim{90, 80, 72};
constexpr TRgb Melt{251, 222, 170};
constexpr TRgb Solid{205, 224, 244};
constexpr TRgb Axis{40, 40, 48};
constexpr TRgb Red{205, 30, 30};

// Line widths in pixels: whole pixels, so that straight lines cover whole rows and columns.
struct TWidths {
    double Rim;
    double Axis;
    double Curve;
};

TWidths WidthsFor(int size) {
    const double unit = size / Grid;
    return {std::max(1.0, std::round(unit * 0.75)), std::max(1.0, std::round(unit)),
            std::max(2.0, std::round(unit * 1.75))};
}

double SegmentDistance(TPoint p, TPoint a, TPoint b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double t =
        std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

// Distance outside the rounded tile, negative inside: the tile fills the whole icon.
double TileDistance(TPoint p, double size, double radius) {
    const double qx = std::abs(p.X - size / 2) - (size / 2 - radius);
    const double qy = std::abs(p.Y - size / 2) - (size / 2 - radius);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
           radius;
}

// A grid line of an odd pixel width lies on a pixel's middle, of an even width on a pixel edge.
double Snap(double gridPosition, int size, double width) {
    const double offset = std::fmod(width, 2.0) / 2;
    return std::round(gridPosition * size / Grid - offset) + offset;
}

// The colour and coverage (alpha 0..1) of one sample point.
struct TSample {
    TRgb Colour;
    double Alpha;
};

TSample SampleAt(TPoint p, int size, const TWidths& w) {
    const double s = size;
    const double edge = TileDistance(p, s, CornerRadius * s / Grid);
    if (edge > 0) {
        return {{}, 0};
    }
    const double axisX = Snap(AxisX, size, w.Axis), axisY = Snap(AxisY, size, w.Axis);
    const double haltY = Snap(HaltY, size, w.Curve);
    TPoint curve[std::size(Curve)];
    for (std::size_t i = 0; i < std::size(Curve); ++i) {
        curve[i] = {Curve[i].X * s / Grid, Curve[i].Y * s / Grid};
    }
    curve[1].Y = curve[2].Y = haltY;
    double toCurve = 1e9;
    for (std::size_t i = 0; i + 1 < std::size(curve); ++i) {
        toCurve = std::min(toCurve, SegmentDistance(p, curve[i], curve[i + 1]));
    }
    if (toCurve <= w.Curve / 2) {
        return {Red, 1};
    }
    const bool onVertical = std::abs(p.X - axisX) <= w.Axis / 2 && p.Y >= AxisTop * s / Grid &&
                            p.Y <= axisY + w.Axis / 2;
    const bool onHorizontal = std::abs(p.Y - axisY) <= w.Axis / 2 && p.X >= axisX - w.Axis / 2 &&
                              p.X <= AxisRight * s / Grid;
    if (onVertical || onHorizontal) {
        return {Axis, 1};
    }
    if (edge > -w.Rim) {
        return {Rim, 1};
    }
    return {p.Y < haltY ? Melt : Solid, 1};
}

TPixels PaintIcon(int size) {
    constexpr int Samples = 8;
    const TWidths widths = WidthsFor(size);
    TPixels out(size, size, 0);
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            TRgb sum;
            double alpha = 0;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const TSample sample = SampleAt(
                        {i + (sx + 0.5) / Samples, j + (sy + 0.5) / Samples}, size, widths);
                    sum = sum + sample.Colour * static_cast<float>(sample.Alpha);
                    alpha += sample.Alpha;
                }
            }
            if (alpha == 0) {
                continue;
            }
            // Colour un-premultiplied, so that a half-covered rim pixel keeps the rim's colour.
            const std::uint32_t rgb = PixelOfRgb(sum * static_cast<float>(1 / alpha)) & 0xFFFFFFu;
            const auto a =
                static_cast<std::uint32_t>(std::lround(255 * alpha / (Samples * Samples)));
            out.at(i, j) = (a << 24) | rgb;
        }
    }
    return out;
}

// An SVG colour: #rrggbb.
std::string Hex(TRgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<int>(std::lround(c.R)),
                  static_cast<int>(std::lround(c.G)), static_cast<int>(std::lround(c.B)));
    return text;
}

} // namespace

std::string IconSvg() {
    // The same design in grid units, for desktops that scale the icon to any size: the tile's
    // two fields meet at the halt, the rim lies inside the tile, the curve has round ends.
    constexpr double RimWidth = 0.75, AxisWidth = 1, CurveWidth = 1.75;
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Grid << "\" height=\"" << Grid
        << "\" viewBox=\"0 0 " << Grid << ' ' << Grid << "\">\n"
        << "  <defs><clipPath id=\"tile\"><rect width=\"" << Grid << "\" height=\"" << Grid
        << "\" rx=\"" << CornerRadius << "\"/></clipPath></defs>\n"
        << "  <g clip-path=\"url(#tile)\">\n"
        << "    <rect width=\"" << Grid << "\" height=\"" << HaltY << "\" fill=\"" << Hex(Melt)
        << "\"/>\n"
        << "    <rect y=\"" << HaltY << "\" width=\"" << Grid << "\" height=\"" << Grid - HaltY
        << "\" fill=\"" << Hex(Solid)
        << "\"/>\n"
        // Half of a stroke twice the rim's width falls inside the clipped tile.
        << "    <rect width=\"" << Grid << "\" height=\"" << Grid << "\" rx=\"" << CornerRadius
        << "\" fill=\"none\" stroke=\"" << Hex(Rim) << "\" stroke-width=\"" << 2 * RimWidth
        << "\"/>\n"
        << "  </g>\n"
        << "  <path d=\"M" << AxisX << ' ' << AxisTop << "V" << AxisY + AxisWidth / 2 << "M"
        << AxisX - AxisWidth / 2 << ' ' << AxisY << "H" << AxisRight << "\" fill=\"none\" stroke=\""
        << Hex(Axis) << "\" stroke-width=\"" << AxisWidth << "\"/>\n"
        << "  <polyline points=\"";
    for (std::size_t i = 0; i < std::size(Curve); ++i) {
        svg << (i ? " " : "") << Curve[i].X << ',' << Curve[i].Y;
    }
    svg << "\" fill=\"none\" stroke=\"" << Hex(Red) << "\" stroke-width=\"" << CurveWidth
        << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"
        << "</svg>\n";
    return svg.str();
}

std::filesystem::path IconFile(const std::filesystem::path& dir, const std::string& name,
                               int size) {
    const std::string edge = std::to_string(size);
    return dir / (edge + "x" + edge) / "apps" / (name + ".png");
}

bool WriteIcons(const std::filesystem::path& dir, const std::string& name) {
    for (int size : IconSizes) {
        const std::filesystem::path path = IconFile(dir, name, size);
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
        const std::vector<std::uint8_t> png = EncodePng(PaintIcon(size));
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(png.data()),
                   static_cast<std::streamsize>(png.size()));
        if (ec || !file) {
            return false;
        }
    }
    const std::filesystem::path scalable = dir / "scalable" / "apps";
    std::error_code ec;
    std::filesystem::create_directories(scalable, ec);
    const std::string svg = IconSvg();
    std::ofstream file(scalable / (name + ".svg"), std::ios::binary | std::ios::trunc);
    file.write(svg.data(), static_cast<std::streamsize>(svg.size()));
    return !ec && static_cast<bool>(file);
}

} // namespace Generator
