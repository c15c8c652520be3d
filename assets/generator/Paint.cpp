#include "assets/generator/Paint.h"

namespace Generator {
namespace {

// The sRGB transfer curve, channel values 0..255 against linear light 0..1.
float LinearOf(float v) {
    v /= 255;
    return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
}

float EncodedOf(float l) {
    l = std::clamp(l, 0.0f, 1.0f);
    return 255 * (l <= 0.0031308f ? l * 12.92f : 1.055f * std::pow(l, 1 / 2.4f) - 0.055f);
}

float MixChannel(float a, float b, float t) {
    return EncodedOf(LinearOf(a) * (1 - t) + LinearOf(b) * t);
}

} // namespace

TRgb MixLinear(TRgb a, TRgb b, float t) {
    return {MixChannel(a.R, b.R, t), MixChannel(a.G, b.G, t), MixChannel(a.B, b.B, t)};
}

} // namespace Generator
