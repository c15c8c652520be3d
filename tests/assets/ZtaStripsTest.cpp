// The strips of the heating screens: a ferrite–pearlite steel turning into austenite. The pink of
// the austenite, the light pink and dark red of the homogeneous grains are exact colour codes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "assets/Assets.h"

namespace {

constexpr std::uint32_t White = 0xFFFFFFFFu;
constexpr std::uint32_t Black = 0xFF000000u;
constexpr std::uint32_t Rose = 0xFFFF6B6Bu;      // (255, 107, 107)
constexpr std::uint32_t LightRose = 0xFFFF8484u; // (255, 132, 132)
constexpr std::uint32_t GrainRed = 0xFFC60000u;  // (198, 0, 0)

double Share(const TPixels& f, std::uint32_t colour) {
    return static_cast<double>(std::count(f.Data.begin(), f.Data.end(), colour)) /
           static_cast<double>(f.Data.size());
}

std::set<std::uint32_t> Colours(const TPixels& f) {
    return {f.Data.begin(), f.Data.end()};
}

std::vector<TPixels> Strip(const char* name, std::size_t frames) {
    std::vector<TPixels> strip = Assets::Strip(name);
    EXPECT_EQ(strip.size(), frames) << name;
    for (const TPixels& f : strip) {
        EXPECT_EQ(f.Width, 100);
        EXPECT_EQ(f.Height, 100);
    }
    return strip;
}

// Frame 0 of each steel: white ferrite and black lamellae, about half dark in the pearlite.
void ExpectFerritePearlite(const TPixels& f, double minDark) {
    EXPECT_EQ(Colours(f), (std::set{White, Black}));
    EXPECT_GT(Share(f, Black), minDark);
}

// The last frame: light pink grains and their dark red boundaries, nothing else.
void ExpectHomogeneous(const TPixels& f) {
    EXPECT_EQ(Colours(f), (std::set{LightRose, GrainRed}));
    EXPECT_GT(Share(f, LightRose), 0.8);
}

TEST(ZtaStrips, TheIsothermalRunOfTheSteelWith045PercentCarbon) {
    const auto s = Strip("ZTAiso045.Gef", 4);
    ASSERT_EQ(s.size(), 4u);
    ExpectFerritePearlite(s[0], 0.15);
    // Austenite with carbides in a ferrite network, then the carbides gone and less ferrite.
    EXPECT_EQ(Colours(s[1]), (std::set{White, Black, Rose}));
    EXPECT_EQ(Colours(s[2]), (std::set{White, Rose}));
    EXPECT_GT(Share(s[1], White), Share(s[2], White));
    EXPECT_GT(Share(s[2], White), 0.05);
    ExpectHomogeneous(s[3]);
}

TEST(ZtaStrips, TheContinuousRunsShowTheSameSteelsStages) {
    const auto iso = Assets::Strip("ZTAiso045.Gef");
    const auto s045 = Strip("ZTAcon045.Gef", 3);
    ASSERT_EQ(s045.size(), 3u);
    ASSERT_EQ(iso.size(), 4u);
    EXPECT_EQ(s045[0].Data, iso[0].Data);
    EXPECT_EQ(s045[1].Data, iso[1].Data);
    EXPECT_EQ(s045[2].Data, iso[3].Data);

    // 0.70 %: mostly pearlite; austenite in it beside lamellae and ferrite; austenite with
    // carbides; austenite.
    const auto s07 = Strip("ZTAcon07.Gef", 4);
    ASSERT_EQ(s07.size(), 4u);
    ExpectFerritePearlite(s07[0], Share(s045[0], Black));
    EXPECT_EQ(Colours(s07[1]), (std::set{White, Black, Rose}));
    EXPECT_GT(Share(s07[1], Black), 0.1);
    EXPECT_EQ(Colours(s07[2]), (std::set{Black, Rose}));
    EXPECT_LT(Share(s07[2], Black), 0.25);
    ExpectHomogeneous(s07[3]);
}

} // namespace
