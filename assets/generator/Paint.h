#pragma once
// Painting helpers shared by all screen groups: colours with fractional channels, blends, and
// supersampled rendering of a picture given as a colour function of continuous coordinates.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "platform/Types.h"

namespace Generator {

// A colour with channels 0..255 as floats, so that blends and averages round only once, at the end.
struct TRgb {
    float R = 0;
    float G = 0;
    float B = 0;
};

inline constexpr TRgb operator+(TRgb a, TRgb b) {
    return {a.R + b.R, a.G + b.G, a.B + b.B};
}
inline constexpr TRgb operator*(TRgb a, float f) {
    return {a.R * f, a.G * f, a.B * f};
}

// a at t = 0, b at t = 1, straight in sRGB values.
inline constexpr TRgb Mix(TRgb a, TRgb b, float t) {
    return a * (1 - t) + b * t;
}

// The same blend in linear light: what two lights of those colours would give. Between opposite
// hues it stays bright (blue to yellow passes through a light beige, not through olive grey).
TRgb MixLinear(TRgb a, TRgb b, float t);

// 0 below 0, 1 above 1, and half a cosine wave between: a blend weight whose slope is zero at
// both ends, so that flat colour runs into a gradient without a visible crease.
inline float CosineStep(float t) {
    if (t <= 0) {
        return 0;
    }
    if (t >= 1) {
        return 1;
    }
    return 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * t);
}

inline std::uint32_t PixelOfRgb(TRgb c) {
    auto channel = [](float v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
    };
    return 0xFF000000u | (channel(c.R) << 16) | (channel(c.G) << 8) | channel(c.B);
}

// Paints a width x height picture at the scale, (width * scale) x (height * scale) pixels, from
// colourAt(x, y), where (x, y) are coordinates of the picture at its own size with its pixel
// (i, j) covering [i, i + 1) x [j, j + 1); so every scale shows the same picture, the larger ones
// on a finer grid. Each pixel is the mean of samples x samples evenly spread points inside it,
// which smooths the edges of shapes that colourAt draws hard.
template <class ColourAt>
TPixels PaintSupersampled(int width, int height, int scale, int samples, ColourAt colourAt) {
    TPixels out(width * scale, height * scale);
    const float weight = 1.0f / static_cast<float>(samples * samples);
    const double step = 1.0 / samples;
    for (int j = 0; j < out.Height; ++j) {
        for (int i = 0; i < out.Width; ++i) {
            TRgb sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    sum = sum + colourAt((i + (sx + 0.5) * step) / scale,
                                         (j + (sy + 0.5) * step) / scale);
                }
            }
            out.at(i, j) = PixelOfRgb(sum * weight);
        }
    }
    return out;
}

// Where the picture at its own size samples a field that it looks up once per pixel at the
// pixel's corner (x, y): a pixel (i, j) of the grid at the scale looks it up at the same place
// relative to its own centre, so the finer pixels average to what the coarse one shows.
inline double CornerSample(int i, int scale) {
    return (i + 0.5) / scale - 0.5;
}

} // namespace Generator
