// The two full-window backgrounds: the cover behind the ring animation and the starburst behind
// the main menu's panel. Both are shown stretched to the client area, so they are painted at one
// size and have no detail that would suffer from a changed aspect ratio.

#include <array>
#include <cmath>
#include <numbers>

#include "assets/generator/Generator.h"
#include "assets/generator/Paint.h"

namespace Generator {
namespace {

constexpr int BackgroundWidth = 1078;
constexpr int BackgroundHeight = 768;

// The palette both backgrounds share: saturated, a little darker than the pure primaries, so
// that the white and black texts drawn over them stay readable.
constexpr TRgb Blue{16, 64, 168};
constexpr TRgb Yellow{250, 204, 20};
constexpr TRgb Red{204, 28, 36};

// Cover: broad bands running from lower left to upper right. A band is a line x + y = const, so
// the position across the bands is the distance along the other diagonal.
TPixels Cover(int scale) {
    constexpr std::array Bands{Blue, Yellow, Red, Blue, Yellow, Red};
    // Share of each band in flat colour; the rest on either side is the blend to its neighbour.
    constexpr double FlatShare = 0.3;
    const double across = (BackgroundWidth + BackgroundHeight) / std::numbers::sqrt2;
    const double bandWidth = across / Bands.size();

    return PaintSupersampled(BackgroundWidth, BackgroundHeight, scale, 1, [&](double x, double y) {
        // Band i is centred at (i + 0.5) * bandWidth; s counts band centres from the first.
        const double s = (x + y) / std::numbers::sqrt2 / bandWidth - 0.5;
        if (s <= 0) {
            return Bands.front();
        }
        const int i = static_cast<int>(s);
        if (i + 1 >= static_cast<int>(Bands.size())) {
            return Bands.back();
        }
        const double f = s - i; // 0 at the centre of band i, 1 at the centre of band i + 1
        const double t = (f - FlatShare / 2) / (1 - FlatShare);
        return MixLinear(Bands[i], Bands[i + 1], CosineStep(static_cast<float>(t)));
    });
}

// Menu background: a starburst of straight rays from the centre, alternately blue and yellow,
// each yellow ray carrying a thin red line along its middle.
TPixels MenuBackground(int scale) {
    constexpr int Rays = 28; // even, so that blue and yellow alternate all the way round
    constexpr double CoreLineWidth = 4;
    // Near the centre the rays get narrower than a pixel and the red lines run into each other;
    // a red hub covering that tangle gives the lines a common point to leave from.
    constexpr double HubRadius = 10;
    constexpr double RayAngle = 2 * std::numbers::pi / Rays;
    const double cx = BackgroundWidth / 2.0;
    const double cy = BackgroundHeight / 2.0;

    return PaintSupersampled(BackgroundWidth, BackgroundHeight, scale, 4, [&](double x, double y) {
        const double dx = x - cx;
        const double dy = y - cy;
        if (dx * dx + dy * dy < HubRadius * HubRadius) {
            return Red;
        }
        // Rays are numbered from the positive x axis; ray 0 is centred on it.
        const double a = std::atan2(dy, dx) + RayAngle / 2;
        const double turns = a / RayAngle;
        const int ray = static_cast<int>(std::floor(turns));
        if ((ray & 1) == 0) {
            return Blue;
        }
        // Distance from the ray's middle line, measured perpendicular to it.
        const double middle = ray * RayAngle;
        const double off = std::abs(-dx * std::sin(middle) + dy * std::cos(middle));
        if (off < CoreLineWidth / 2) {
            return Red;
        }
        return Yellow;
    });
}

} // namespace

TOutputs Backgrounds() {
    return {
        {"cover", TKind::JpegColour, 90, Cover},
        {"menu_background", TKind::JpegColour, 90, MenuBackground},
    };
}

} // namespace Generator
