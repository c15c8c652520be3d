#pragma once
// Basic value types of the window-system layer: colours, rounding and pixel buffers.
// Screen code sees only this vocabulary, never the toolkit's.

#include <cmath>
#include <cstdint>
#include <vector>

// A colour as the drawing interface takes it: 0x00BBGGRR, red in the low byte.
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clGray = 0x808080;
// The system's text colour; black on every desktop this program targets.
inline constexpr TColor clWindowText = 0x000000;

inline constexpr int RedOf(TColor c) {
    return c & 0xFF;
}
inline constexpr int GreenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
inline constexpr int BlueOf(TColor c) {
    return (c >> 16) & 0xFF;
}
inline constexpr TColor RGB(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// Nearest integer, ties to the even one, of the exact value. Callers pass products of design
// values and factors evaluated in long double, whose 64-bit mantissa keeps decimal products such as
// 4.1L * 55 = 225.5 exact enough to land on the tie (plain double lands just above it).
inline int Round(long double x) {
    return static_cast<int>(std::nearbyint(x));
}

// A picture in memory: rows top to bottom, each pixel 0xFFRRGGBB (opaque).
struct TPixels {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Data;

    TPixels() = default;
    TPixels(int w, int h, std::uint32_t fill = 0xFF000000u)
        : Width(w), Height(h), Data(static_cast<std::size_t>(w) * h, fill) {}
    std::uint32_t& at(int x, int y) { return Data[static_cast<std::size_t>(y) * Width + x]; }
    std::uint32_t at(int x, int y) const { return Data[static_cast<std::size_t>(y) * Width + x]; }
};

// 0xFFRRGGBB of a colour, the pixel layout of TPixels and of the drawing surfaces.
inline constexpr std::uint32_t PixelOf(TColor c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}
inline constexpr TColor ColorOfPixel(std::uint32_t p) {
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}
