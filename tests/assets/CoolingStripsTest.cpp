// The strips and the micrograph of the 0.6 % carbon cooling screen: austenite crystallising from
// the melt, then ferrite growing from the austenite grain boundaries, and the ferrite and pearlite
// structure the steel ends with.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "platform/Jpeg.h"

namespace {

constexpr std::uint32_t MeltRed = 0xFFFF0000u;
constexpr std::uint32_t AusteniteBrown = 0xFF844200u;
constexpr std::uint32_t Black = 0xFF000000u;
constexpr std::uint32_t FerriteWhite = 0xFFFFFFFFu;

constexpr int Side = 100;
constexpr int SolidificationFrames = 19;
constexpr int FirstCrystalFrame = 1;
constexpr int LastCrystalFrame = 17;
constexpr int GrainFrame = 18;
constexpr int FerriteFrames = 8;
constexpr int FirstFerriteFrame = 1;
constexpr int LastFerriteFrame = 6;
constexpr int PearliteFrame = 7;

double Share(const TPixels& f, std::uint32_t colour) {
    return static_cast<double>(std::count(f.Data.begin(), f.Data.end(), colour)) /
           static_cast<double>(f.Data.size());
}

std::string Where(int p) {
    return "pixel (" + std::to_string(p % Side) + ", " + std::to_string(p / Side) + ")";
}

class CoolingStrips : public testing::Test {
protected:
    static void SetUpTestSuite() {
        solidification_ = Assets::Strip("EKD06.SchA");
        ferrite_ = Assets::Strip("EKD06.AFerPer");
    }
    static void TearDownTestSuite() {
        solidification_.clear();
        ferrite_.clear();
    }
    void SetUp() override {
        ASSERT_EQ(solidification_.size(), static_cast<std::size_t>(SolidificationFrames));
        ASSERT_EQ(ferrite_.size(), static_cast<std::size_t>(FerriteFrames));
        for (const auto* strip : {&solidification_, &ferrite_}) {
            for (const TPixels& f : *strip) {
                ASSERT_EQ(f.Width, Side);
                ASSERT_EQ(f.Height, Side);
                ASSERT_EQ(f.Data.size(), static_cast<std::size_t>(Side * Side));
            }
        }
    }
    static const TPixels& SchA(int i) { return solidification_[i]; }
    static const TPixels& AFerPer(int i) { return ferrite_[i]; }
    // The pixels that are still austenite when the pearlite forms.
    static bool IsPearlite(int p) { return AFerPer(LastFerriteFrame).Data[p] == AusteniteBrown; }

private:
    static inline std::vector<TPixels> solidification_;
    static inline std::vector<TPixels> ferrite_;
};

using CoolingSolidification = CoolingStrips;
using CoolingFerrite = CoolingStrips;
using CoolingPearlite = CoolingStrips;

void ExpectOnlyColours(const TPixels& f, std::set<std::uint32_t> allowed, const std::string& what) {
    const std::set<std::uint32_t> colours(f.Data.begin(), f.Data.end());
    EXPECT_TRUE(std::includes(allowed.begin(), allowed.end(), colours.begin(), colours.end()))
        << what;
}

} // namespace

TEST_F(CoolingStrips, UseOnlyTheColoursOfTheirPhases) {
    for (int i = 0; i < GrainFrame; ++i) {
        ExpectOnlyColours(SchA(i), {MeltRed, AusteniteBrown}, "SchA " + std::to_string(i));
    }
    ExpectOnlyColours(SchA(GrainFrame), {AusteniteBrown, Black}, "SchA grains");
    for (int i = 0; i < PearliteFrame; ++i) {
        ExpectOnlyColours(AFerPer(i), {AusteniteBrown, Black, FerriteWhite},
                          "AFerPer " + std::to_string(i));
    }
    ExpectOnlyColours(AFerPer(PearliteFrame), {Black, FerriteWhite}, "AFerPer final");
}

TEST_F(CoolingStrips, FerriteStartsFromTheSolidifiedGrains) {
    EXPECT_DOUBLE_EQ(Share(SchA(0), MeltRed), 1.0) << "frame 0 is all melt";
    EXPECT_EQ(SchA(GrainFrame).Data, AFerPer(0).Data);
    EXPECT_DOUBLE_EQ(Share(AFerPer(0), MeltRed), 0.0);
    // Thin boundaries between real grains, not a mesh.
    const double boundaries = Share(AFerPer(0), Black);
    EXPECT_GT(boundaries, 0.02);
    EXPECT_LT(boundaries, 0.10);
}

// The crystal share rises with every cooling step, about evenly, from a few nuclei to nine tenths,
// and no crystal pixel ever turns back into melt.
TEST_F(CoolingSolidification, CrystalsGrowSteadilyToNineTenths) {
    const double first = Share(SchA(FirstCrystalFrame), AusteniteBrown);
    EXPECT_GT(first, 0.0) << "the first nuclei show";
    EXPECT_LT(first, 0.03) << "the first nuclei are small";
    const double last = Share(SchA(LastCrystalFrame), AusteniteBrown);
    EXPECT_NEAR(last, 0.90, 0.03);
    const double evenStep = (last - first) / (LastCrystalFrame - FirstCrystalFrame);
    for (int i = FirstCrystalFrame + 1; i <= LastCrystalFrame; ++i) {
        const double step = Share(SchA(i), AusteniteBrown) - Share(SchA(i - 1), AusteniteBrown);
        EXPECT_GT(step, evenStep / 2) << "frame " << i;
        EXPECT_LT(step, evenStep * 2) << "frame " << i;
    }
    for (int i = FirstCrystalFrame; i < LastCrystalFrame; ++i) {
        for (int p = 0; p < Side * Side; ++p) {
            if (SchA(i).Data[p] == AusteniteBrown) {
                ASSERT_EQ(SchA(i + 1).Data[p], AusteniteBrown) << "frame " << i + 1 << Where(p);
            }
        }
    }
}

// Ferrite only ever grows, up to about a quarter of the field, and the pearlite that follows
// takes none of it.
TEST_F(CoolingFerrite, GrowsToAQuarterAndStays) {
    double previous = 0;
    for (int i = FirstFerriteFrame; i <= LastFerriteFrame; ++i) {
        const double share = Share(AFerPer(i), FerriteWhite);
        EXPECT_GT(share, previous) << "frame " << i;
        previous = share;
    }
    EXPECT_NEAR(Share(AFerPer(LastFerriteFrame), FerriteWhite), 0.25, 0.03);
    for (int i = FirstFerriteFrame; i < PearliteFrame; ++i) {
        for (int p = 0; p < Side * Side; ++p) {
            if (AFerPer(i).Data[p] == FerriteWhite) {
                ASSERT_EQ(AFerPer(i + 1).Data[p], FerriteWhite) << "frame " << i + 1 << Where(p);
            }
        }
    }
}

// The first ferrite lies on the austenite grain boundaries, not somewhere inside a grain.
TEST_F(CoolingFerrite, NucleatesOnTheGrainBoundaries) {
    constexpr int Near = 3;
    const TPixels& grains = AFerPer(0);
    const TPixels& first = AFerPer(FirstFerriteFrame);
    int ferrite = 0;
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            if (first.at(x, y) != FerriteWhite) {
                continue;
            }
            ++ferrite;
            bool nearBoundary = false;
            for (int dy = -Near; dy <= Near && !nearBoundary; ++dy) {
                for (int dx = -Near; dx <= Near && !nearBoundary; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    nearBoundary =
                        nx >= 0 && ny >= 0 && nx < Side && ny < Side && grains.at(nx, ny) == Black;
                }
            }
            EXPECT_TRUE(nearBoundary) << "ferrite at (" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(ferrite, 0);
}

// The final structure: solid ferrite areas beside pearlite, whose lamellae alternate black and
// white a few pixels apart in every direction one crosses them, with no loose specks of black.
TEST_F(CoolingPearlite, FerriteAreasBesideLamellarColonies) {
    const TPixels& f = AFerPer(PearliteFrame);
    auto white = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < Side && y < Side && f.at(x, y) == FerriteWhite;
    };
    // Ferrite is thicker than the white between two lamellae: count the pixels whose whole 5 x 5
    // neighbourhood is white. Inside pearlite there must be none.
    int solidFerrite = 0;
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            bool allWhite = true;
            bool allPearlite = true;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    allWhite = allWhite && white(x + dx, y + dy);
                    allPearlite = allPearlite && white(x + dx, y + dy) &&
                                  IsPearlite((y + dy) * Side + x + dx);
                }
            }
            solidFerrite += allWhite;
            EXPECT_FALSE(allPearlite) << "no lamella near " << Where(y * Side + x);
        }
    }
    EXPECT_GT(solidFerrite, Side * Side / 40);

    int pearlite = 0;
    int dark = 0;
    int alternations = 0;
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            const int p = y * Side + x;
            if (!IsPearlite(p)) {
                continue;
            }
            ++pearlite;
            dark += f.Data[p] == Black;
            if (x + 1 < Side && IsPearlite(p + 1)) {
                alternations += f.Data[p] != f.Data[p + 1];
            }
            if (y + 1 < Side && IsPearlite(p + Side)) {
                alternations += f.Data[p] != f.Data[p + Side];
            }
        }
    }
    EXPECT_NEAR(static_cast<double>(pearlite) / (Side * Side), 0.75, 0.04);
    EXPECT_GT(dark, pearlite * 3 / 10);
    EXPECT_LT(dark, pearlite * 7 / 10);
    // Crossing lamellae spaced s apart at any angle, a step along a row and one along a column
    // meet at least 2 / s edges between them; with s at most 5 that is 0.4 per pixel.
    EXPECT_GT(alternations, pearlite * 3 / 10);

    // Black areas of fewer than five pixels lying wholly in pearlite would be specks, not
    // lamellae.
    std::vector<bool> seen(f.Data.size());
    for (int start = 0; start < Side * Side; ++start) {
        if (seen[start] || f.Data[start] != Black) {
            continue;
        }
        std::vector<int> stack{start};
        seen[start] = true;
        int area = 0;
        bool inPearlite = true;
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++area;
            inPearlite = inPearlite && IsPearlite(p);
            const int x = p % Side;
            const int y = p / Side;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int nx = x + dx;
                const int ny = y + dy;
                const int n = ny * Side + nx;
                if (nx >= 0 && ny >= 0 && nx < Side && ny < Side && !seen[n] &&
                    f.Data[n] == Black) {
                    seen[n] = true;
                    stack.push_back(n);
                }
            }
        }
        EXPECT_FALSE(inPearlite && area < 5) << "speck at " << Where(start);
    }
}

// The micrograph: a colour photograph-like picture with light ferrite and dark lamellae.
TEST(CoolingMicrograph, ShowsLightFerriteAndDarkLamellarPearlite) {
    const TPixels p = DecodeJpeg(Assets::CoolingMicrograph());
    ASSERT_EQ(p.Width, 317);
    ASSERT_EQ(p.Height, 209);
    int light = 0;
    int dark = 0;
    int warm = 0;
    int alternations = 0;
    for (int y = 0; y < p.Height; ++y) {
        bool wasDark = false;
        for (int x = 0; x < p.Width; ++x) {
            const std::uint32_t c = p.at(x, y);
            const int r = (c >> 16) & 0xFF;
            const int g = (c >> 8) & 0xFF;
            const int b = c & 0xFF;
            const int luma = (r * 3 + g * 6 + b) / 10;
            light += luma > 200;
            const bool isDark = luma < 100;
            dark += isDark;
            warm += r > b + 8;
            alternations += x > 0 && isDark != wasDark;
            wasDark = isDark;
        }
    }
    const int pixels = p.Width * p.Height;
    EXPECT_GT(light, pixels / 6) << "ferrite";
    EXPECT_GT(dark, pixels / 6) << "cementite lamellae";
    EXPECT_GT(warm, pixels / 2) << "the warm tint of an etched specimen";
    // Many lamellae crossed along the rows, not a few dark blobs.
    EXPECT_GT(alternations, pixels / 10);
}
