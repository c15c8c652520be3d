// The micrographs of the microstructure series: their sizes, grey, and what a metallographer
// would measure on them: pure ferrite bright with thin dark boundaries, and a pearlite share that
// follows the lever rule between 0.02 % carbon (ferrite) and 0.8 % (pearlite).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "assets/Assets.h"
#include "platform/Jpeg.h"

namespace {

int GreyOf(std::uint32_t p) {
    return static_cast<int>(p & 0xFF);
}

// Pearlite is dark as a whole though its lamellae are not: a pixel belongs to it when the mean of
// the 3 x 3 pixels round it is darker than the middle between ferrite (above 200) and pearlite
// (below 100). A thin dark grain boundary through ferrite does not darken that mean enough, a
// light lamella in pearlite does not lighten it enough, and the window is small enough not to
// swallow a thin ferrite seam between pearlite grains.
constexpr int Window = 1;
constexpr int PearliteBelow = 130;

double PearliteShare(const TPixels& p) {
    // Sums over the rows and columns, so that each mean costs four look-ups.
    const int w = p.Width, h = p.Height;
    std::vector<long> sum(static_cast<std::size_t>(w + 1) * (h + 1), 0);
    auto at = [&](int x, int y) -> long& { return sum[static_cast<std::size_t>(y) * (w + 1) + x]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            at(x + 1, y + 1) = GreyOf(p.at(x, y)) + at(x, y + 1) + at(x + 1, y) - at(x, y);
    long dark = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int x0 = std::max(0, x - Window), x1 = std::min(w, x + Window + 1);
            const int y0 = std::max(0, y - Window), y1 = std::min(h, y + Window + 1);
            const long total = at(x1, y1) - at(x0, y1) - at(x1, y0) + at(x0, y0);
            dark += total < static_cast<long>(PearliteBelow) * (x1 - x0) * (y1 - y0);
        }
    }
    return static_cast<double>(dark) / (static_cast<double>(w) * h);
}

// The heights of the nine pictures, pure ferrite first.
constexpr std::array Heights{277, 281, 286, 281, 276, 289, 289, 278, 280};

} // namespace

TEST(SteelSeries, NinePicturesFourHundredWideInGrey) {
    for (int k = 0; k < Assets::SeriesMicrographs; ++k) {
        const TPixels p = DecodeJpeg(Assets::SeriesMicrograph(k));
        EXPECT_EQ(p.Width, 400) << k;
        EXPECT_EQ(p.Height, Heights[k]) << k;
        const bool grey = std::all_of(p.Data.begin(), p.Data.end(), [](std::uint32_t c) {
            return ((c >> 16) & 0xFF) == (c & 0xFF) && ((c >> 8) & 0xFF) == (c & 0xFF);
        });
        EXPECT_TRUE(grey) << k;
    }
    EXPECT_TRUE(Assets::SeriesMicrograph(-1).empty());
    EXPECT_TRUE(Assets::SeriesMicrograph(Assets::SeriesMicrographs).empty());
}

TEST(SteelSeries, PureFerriteIsBrightGrainsWithThinDarkBoundaries) {
    const TPixels p = DecodeJpeg(Assets::SeriesMicrograph(0));
    long bright = 0, dark = 0;
    for (const std::uint32_t c : p.Data) {
        bright += GreyOf(c) > 170;
        dark += GreyOf(c) < 130;
    }
    const double n = static_cast<double>(p.Data.size());
    EXPECT_GT(bright / n, 0.9);
    // Boundaries show, but as lines: a few per cent of the picture, and nowhere a dark area.
    EXPECT_GT(dark / n, 0.005);
    EXPECT_LT(dark / n, 0.06);
    // Only where boundaries meet does a neighbourhood turn that dark.
    EXPECT_LT(PearliteShare(p), 0.03);
    // Crossing the picture meets boundaries, a few grains' worth, not a fine texture.
    int crossings = 0;
    for (int x = 1; x < p.Width; ++x)
        crossings +=
            GreyOf(p.at(x, p.Height / 2)) < 130 && GreyOf(p.at(x - 1, p.Height / 2)) >= 130;
    EXPECT_GE(crossings, 3);
    EXPECT_LE(crossings, 15);
}

TEST(SteelSeries, ThePearliteShareFollowsTheLeverRule) {
    constexpr double FerriteCarbon = 0.02, EutectoidCarbon = 0.8, Tolerance = 0.03;
    double last = 0;
    for (int k = 1; k <= 8; ++k) {
        const TPixels p = DecodeJpeg(Assets::SeriesMicrograph(k));
        const double want = (k / 10.0 - FerriteCarbon) / (EutectoidCarbon - FerriteCarbon);
        const double share = PearliteShare(p);
        EXPECT_NEAR(share, std::min(want, 1.0), Tolerance) << k << " tenths";
        EXPECT_GT(share, last) << k;
        last = share;
    }
}

TEST(SteelSeries, TheSteelsShowTheirFerriteGrainsAtOneSize) {
    // Boundaries met along rows through the ferrite of the 0.1 % and 0.2 % steels, per
    // 100 pixels of ferrite crossed: the same magnification gives about the same number.
    auto crossingsPerHundred = [](const TPixels& p) {
        int crossings = 0, ferrite = 0;
        for (int y = 20; y < p.Height; y += 40) {
            for (int x = 1; x < p.Width; ++x) {
                const int here = GreyOf(p.at(x, y)), before = GreyOf(p.at(x - 1, y));
                ferrite += here > 170;
                crossings += here < 140 && before > 170;
            }
        }
        return 100.0 * crossings / std::max(ferrite, 1);
    };
    const double low = crossingsPerHundred(DecodeJpeg(Assets::SeriesMicrograph(1)));
    const double high = crossingsPerHundred(DecodeJpeg(Assets::SeriesMicrograph(2)));
    const double pure = crossingsPerHundred(DecodeJpeg(Assets::SeriesMicrograph(0)));
    EXPECT_GT(low, 2.0); // ferrite grains of some 20 pixels
    EXPECT_LT(low, 10.0);
    EXPECT_NEAR(high / low, 1.0, 0.35);
    // Pure iron is shown four times as large.
    EXPECT_LT(pure, low / 2);
}
