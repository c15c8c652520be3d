// The first frame strip: a solid solution crystallising from the melt, as the type 1 phase
// diagram shows it frame by frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <vector>

#include "assets/Assets.h"

namespace {

constexpr std::uint32_t MeltRed = 0xFFFF0000u;
constexpr std::uint32_t CrystalBrown = 0xFF844200u;
constexpr std::uint32_t BoundaryBlack = 0xFF000000u;

constexpr int FrameCount = 19;
constexpr int Side = 100;
constexpr int SeamFrame = 17;
constexpr int SolidFrame = 18;
// The crystal share the screen's lever box shows while frames 2 to 17 are up.
constexpr std::array LeverShares{0.07, 0.14, 0.22, 0.29, 0.36, 0.42, 0.47, 0.52,
                                 0.58, 0.64, 0.70, 0.75, 0.80, 0.85, 0.90, 0.95};
constexpr int FirstLeverFrame = 2;

double Share(const TPixels& f, std::uint32_t colour) {
    return static_cast<double>(std::count(f.Data.begin(), f.Data.end(), colour)) /
           static_cast<double>(f.Data.size());
}

// Sizes of the 4-connected areas of one colour.
std::vector<int> Areas(const TPixels& f, std::uint32_t colour) {
    std::vector<bool> seen(f.Data.size());
    std::vector<int> areas;
    for (int start = 0; start < static_cast<int>(f.Data.size()); ++start) {
        if (seen[start] || f.Data[start] != colour) {
            continue;
        }
        int area = 0;
        std::vector<int> stack{start};
        seen[start] = true;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            ++area;
            const int x = i % f.Width;
            const int y = i / f.Width;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx;
                const int ny = y + dy;
                const int n = ny * f.Width + nx;
                if (nx >= 0 && ny >= 0 && nx < f.Width && ny < f.Height && !seen[n] &&
                    f.Data[n] == colour) {
                    seen[n] = true;
                    stack.push_back(n);
                }
            }
        }
        areas.push_back(area);
    }
    return areas;
}

// Neighbour pairs (side by side or one above the other) where the colour meets another one:
// the length of its outline inside the frame.
int OutlineLength(const TPixels& f, std::uint32_t colour) {
    int length = 0;
    for (int y = 0; y < f.Height; ++y) {
        for (int x = 0; x < f.Width; ++x) {
            const bool in = f.at(x, y) == colour;
            length += x + 1 < f.Width && in != (f.at(x + 1, y) == colour);
            length += y + 1 < f.Height && in != (f.at(x, y + 1) == colour);
        }
    }
    return length;
}

class MkBildung : public testing::Test {
protected:
    static void SetUpTestSuite() { frames_ = Assets::Strip("ZuTyp1.MkBildung"); }
    static void TearDownTestSuite() { frames_.clear(); }
    void SetUp() override {
        ASSERT_EQ(frames_.size(), static_cast<std::size_t>(FrameCount));
        for (const TPixels& f : frames_) {
            ASSERT_EQ(f.Width, Side);
            ASSERT_EQ(f.Height, Side);
            ASSERT_EQ(f.Data.size(), static_cast<std::size_t>(Side * Side));
        }
    }
    static const TPixels& Frame(int i) { return frames_[i]; }

private:
    static inline std::vector<TPixels> frames_;
};

using MkBildungStrip = MkBildung;
using MkBildungMicrostructure = MkBildung;

} // namespace

TEST(StripNames, UnknownNamesGiveNoFrames) {
    for (const char* name : {"", "ZuTyp1", "ZuTyp1.", "ZuTyp1.MkBildun", "ZuTyp1.MkBildungX",
                             "zutyp1.mkbildung", "ImageListMkBildung", "strips"}) {
        EXPECT_TRUE(Assets::Strip(name).empty()) << name;
    }
}

TEST_F(MkBildungStrip, UsesOnlyMeltCrystalAndBoundaryColours) {
    for (int i = 0; i < FrameCount; ++i) {
        std::set<std::uint32_t> colours(Frame(i).Data.begin(), Frame(i).Data.end());
        std::set<std::uint32_t> allowed{MeltRed, CrystalBrown};
        if (i == SolidFrame) {
            allowed = {CrystalBrown, BoundaryBlack};
        }
        EXPECT_TRUE(std::includes(allowed.begin(), allowed.end(), colours.begin(), colours.end()))
            << "frame " << i;
    }
    EXPECT_DOUBLE_EQ(Share(Frame(0), MeltRed), 1.0) << "frame 0 is all melt";
    EXPECT_DOUBLE_EQ(Share(Frame(SolidFrame), MeltRed), 0.0) << "no melt left when solid";
    EXPECT_GT(Share(Frame(SolidFrame), BoundaryBlack), 0.0);
}

// A crystal never shrinks, jumps or vanishes: every crystal pixel stays crystal, and at the end
// the seams and only the seams turn into the grain boundaries.
TEST_F(MkBildungMicrostructure, GrowthOnlyAdds) {
    for (int i = 0; i + 1 < SolidFrame; ++i) {
        for (int p = 0; p < Side * Side; ++p) {
            if (Frame(i).Data[p] == CrystalBrown) {
                ASSERT_EQ(Frame(i + 1).Data[p], CrystalBrown)
                    << "frame " << i + 1 << ", pixel (" << p % Side << ", " << p / Side << ")";
            }
        }
    }
    for (int p = 0; p < Side * Side; ++p) {
        const bool seam = Frame(SeamFrame).Data[p] == MeltRed;
        ASSERT_EQ(Frame(SolidFrame).Data[p], seam ? BoundaryBlack : CrystalBrown)
            << "pixel (" << p % Side << ", " << p / Side << ")";
    }
}

// The crystals cover what the lever rule says, so the picture and the lever box tell one story.
TEST_F(MkBildungMicrostructure, CrystalShareFollowsTheLeverRule) {
    constexpr double Tolerance = 0.025;
    const double firstNuclei = Share(Frame(1), CrystalBrown);
    EXPECT_GT(firstNuclei, 0.0) << "frame 1 shows the first nuclei";
    EXPECT_LT(firstNuclei, 0.015) << "at 0 % the nuclei are tiny";
    double previous = firstNuclei;
    for (std::size_t k = 0; k < LeverShares.size(); ++k) {
        const int i = FirstLeverFrame + static_cast<int>(k);
        const double share = Share(Frame(i), CrystalBrown);
        EXPECT_NEAR(share, LeverShares[k], Tolerance) << "frame " << i;
        EXPECT_GT(share, previous) << "frame " << i;
        previous = share;
    }
}

// Nuclei keep appearing over the first frames; at the end there is a dozen or so grains, each a
// real grain and not a speck.
TEST_F(MkBildungMicrostructure, NucleiAppearOverTimeAndEndAsADozenGrains) {
    const std::size_t firstNuclei = Areas(Frame(1), CrystalBrown).size();
    EXPECT_GE(firstNuclei, 3u);
    EXPECT_GT(Areas(Frame(3), CrystalBrown).size(), firstNuclei + 2);

    const std::vector<int> grains = Areas(Frame(SolidFrame), CrystalBrown);
    constexpr int Speck = 20;
    constexpr int Large = Side * Side / 50;
    EXPECT_EQ(std::count_if(grains.begin(), grains.end(), [](int a) { return a < Speck; }), 0);
    const auto large =
        std::count_if(grains.begin(), grains.end(), [](int a) { return a >= Large; });
    EXPECT_GE(large, 8);
    EXPECT_LE(large, 16);
    EXPECT_LE(grains.size(), 20u);
}

// Thin seams: in the frame where the grains touch, the melt left is a few per cent, in lines one
// pixel wide, not pockets.
TEST_F(MkBildungMicrostructure, GrainsTouchWithThinSeams) {
    const TPixels& seams = Frame(SeamFrame);
    EXPECT_LT(Share(seams, MeltRed), 0.07);
    int blocks = 0;
    for (int y = 0; y + 1 < Side; ++y) {
        for (int x = 0; x + 1 < Side; ++x) {
            blocks += seams.at(x, y) == MeltRed && seams.at(x + 1, y) == MeltRed &&
                      seams.at(x, y + 1) == MeltRed && seams.at(x + 1, y + 1) == MeltRed;
        }
    }
    EXPECT_LE(blocks, 3) << "2 x 2 blocks of melt";
}

// Rounded crystals, not noise: the crystals' outline is at most a little longer than that of as
// many circles of the same total area (pixel stairs make a circle's outline 4/pi times as long).
TEST_F(MkBildungMicrostructure, CrystalsAreRoundedNotRagged) {
    constexpr double Raggedness = 1.5;
    for (int i = FirstLeverFrame; i < SeamFrame - 4; ++i) {
        const std::vector<int> crystals = Areas(Frame(i), CrystalBrown);
        double circles = 0;
        for (const int a : crystals) {
            circles += 2 * std::sqrt(std::numbers::pi * a) * 4 / std::numbers::pi;
        }
        EXPECT_LE(OutlineLength(Frame(i), CrystalBrown), Raggedness * circles) << "frame " << i;
    }
}
