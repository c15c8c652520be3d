// The three micrographs of C 45: full 800 x 600 colour JPEGs, each with the look its treatment
// gives under the microscope, told apart by how light, how brown and how speckled they are.

#include <gtest/gtest.h>

#include <cstdint>
#include <span>

#include "assets/Assets.h"
#include "platform/Jpeg.h"

namespace {

struct TLook {
    double Light = 0;    // share of pixels brighter than a light ferrite or tempered matrix
    double Dark = 0;     // share of pixels as dark as pearlite or carbide specks
    double MeanRed = 0;  // mean channels over the picture
    double MeanBlue = 0; //
    double Grey = 0;     // share of pixels without colour (all channels within 6 of each other)
};

int Luminance(std::uint32_t p) {
    const int r = (p >> 16) & 0xFF;
    const int g = (p >> 8) & 0xFF;
    const int b = p & 0xFF;
    return (299 * r + 587 * g + 114 * b) / 1000;
}

TLook LookOf(const TPixels& picture) {
    TLook look;
    const double n = static_cast<double>(picture.Data.size());
    for (std::uint32_t p : picture.Data) {
        const int r = (p >> 16) & 0xFF;
        const int g = (p >> 8) & 0xFF;
        const int b = p & 0xFF;
        const int y = Luminance(p);
        look.Light += y > 190;
        look.Dark += y < 90;
        look.MeanRed += r;
        look.MeanBlue += b;
        look.Grey += std::abs(r - g) <= 6 && std::abs(g - b) <= 6 && std::abs(r - b) <= 6;
    }
    look.Light /= n;
    look.Dark /= n;
    look.MeanRed /= n;
    look.MeanBlue /= n;
    look.Grey /= n;
    return look;
}

TPixels Decoded(std::span<const std::uint8_t> jpeg) {
    TPixels p = DecodeJpeg(jpeg);
    EXPECT_EQ(p.Width, 800);
    EXPECT_EQ(p.Height, 600);
    return p;
}

TEST(C45Micrographs, AreFullSizeColourPictures) {
    for (auto jpeg :
         {Assets::C45Normalised(), Assets::C45Hardened(), Assets::C45QuenchedAndTempered()}) {
        const TLook look = LookOf(Decoded(jpeg));
        // An etched specimen under white light is warm: more red than blue, hardly any pure grey.
        EXPECT_GT(look.MeanRed, look.MeanBlue + 10);
        EXPECT_LT(look.Grey, 0.2);
    }
}

TEST(C45Micrographs, NormalisedShowsLightFerriteBetweenDarkPearlite) {
    const TLook look = LookOf(Decoded(Assets::C45Normalised()));
    // Somewhat less than half ferrite and somewhat more than half pearlite at 0.45 % carbon.
    EXPECT_GT(look.Light, 0.25);
    EXPECT_LT(look.Light, 0.55);
    EXPECT_GT(look.Dark, 0.3);
}

TEST(C45Micrographs, HardenedIsUniformLightBrownNeedles) {
    const TPixels picture = Decoded(Assets::C45Hardened());
    const TLook look = LookOf(picture);
    // Neither ferrite nor pearlite: a mid, brown tone throughout.
    EXPECT_LT(look.Light, 0.1);
    EXPECT_LT(look.Dark, 0.1);
    EXPECT_GT(look.MeanRed, look.MeanBlue + 40);
    // Uniform: every quarter of the picture has nearly the same mean brightness.
    double quarters[4] = {};
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            quarters[(y * 2 / picture.Height) * 2 + x * 2 / picture.Width] +=
                Luminance(picture.at(x, y));
    for (double& q : quarters)
        q /= picture.Width * picture.Height / 4.0;
    for (double q : quarters)
        EXPECT_NEAR(q, quarters[0], 12);
}

TEST(C45Micrographs, QuenchedAndTemperedIsLightWithDarkSpecks) {
    const TLook tempered = LookOf(Decoded(Assets::C45QuenchedAndTempered()));
    const TLook hardened = LookOf(Decoded(Assets::C45Hardened()));
    EXPECT_GT(tempered.Light, 0.2);
    // Specks, not areas: a few per cent dark.
    EXPECT_GT(tempered.Dark, 0.01);
    EXPECT_LT(tempered.Dark, 0.15);
    // Lighter and less brown than the hardened structure.
    EXPECT_GT(tempered.Light, hardened.Light);
    EXPECT_LT(tempered.MeanRed - tempered.MeanBlue, hardened.MeanRed - hardened.MeanBlue);
}

} // namespace
