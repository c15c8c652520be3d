// The strips and the micrograph of the cooling screens. 0.6 % carbon: austenite crystallising
// from the melt, then ferrite growing from the austenite grain boundaries, and the ferrite and
// pearlite structure the steel ends with. 1.2 %: the same solidification, then a cementite
// network on the grain boundaries around pearlite. 3.0 %: austenite crystals in the melt, the
// ledeburite around them, and the pearlite both end with.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
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
constexpr std::uint32_t CementiteGrey = 0xFF848484u;

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

namespace {

std::vector<TPixels> LoadStrip(const char* name, std::size_t frames) {
    std::vector<TPixels> strip = Assets::Strip(name);
    EXPECT_EQ(strip.size(), frames) << name;
    for (const TPixels& f : strip) {
        EXPECT_EQ(f.Width, Side) << name;
        EXPECT_EQ(f.Height, Side) << name;
        EXPECT_EQ(f.Data.size(), static_cast<std::size_t>(Side * Side)) << name;
    }
    return strip;
}

// Every pixel of the colour in frame `from` has it in frame `to` too.
void ExpectKept(const TPixels& from, const TPixels& to, std::uint32_t colour,
                const std::string& what) {
    for (int p = 0; p < Side * Side; ++p) {
        if (from.Data[p] == colour) {
            ASSERT_EQ(to.Data[p], colour) << what << ", " << Where(p);
        }
    }
}

// Connected areas of the pixels for which `in` holds, by size: 4-connected, or 8-connected with
// `diagonal`, as a one pixel line drawn at a slant is.
std::vector<int> AreaSizes(const std::function<bool(int)>& in, bool diagonal = false) {
    std::vector<int> sizes;
    std::vector<bool> seen(Side * Side);
    for (int start = 0; start < Side * Side; ++start) {
        if (seen[start] || !in(start)) {
            continue;
        }
        std::vector<int> stack{start};
        seen[start] = true;
        int area = 0;
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            ++area;
            const int x = p % Side;
            const int y = p / Side;
            for (const auto& [dx, dy] :
                 {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}}) {
                const int nx = x + dx;
                const int ny = y + dy;
                const int n = ny * Side + nx;
                if ((dx == 0 || dy == 0 || diagonal) && nx >= 0 && ny >= 0 && nx < Side &&
                    ny < Side && !seen[n] && in(n)) {
                    seen[n] = true;
                    stack.push_back(n);
                }
            }
        }
        sizes.push_back(area);
    }
    return sizes;
}

// Pixels whose whole 5 x 5 neighbourhood has the colour: the inside of solid areas, which lamellae
// or a mottle leave none of.
int SolidPixels(const TPixels& f, std::uint32_t colour) {
    int solid = 0;
    for (int y = 2; y < Side - 2; ++y) {
        for (int x = 2; x < Side - 2; ++x) {
            bool all = true;
            for (int dy = -2; dy <= 2 && all; ++dy) {
                for (int dx = -2; dx <= 2 && all; ++dx) {
                    all = f.at(x + dx, y + dy) == colour;
                }
            }
            solid += all;
        }
    }
    return solid;
}

// The 1.2 % steel: solidification, then the cementite network and the pearlite inside it.
class HypereutectoidStrips : public testing::Test {
protected:
    static constexpr int GrowthFrames = 18; // frames 1 to 18
    static constexpr int GrainFrame = 19;
    static constexpr int NetworkFrames = 8; // frames 1 to 8
    static constexpr int PearliteFrame = 9;

    static void SetUpTestSuite() {
        solidification_ = LoadStrip("EKD12.SchA", GrainFrame + 1);
        network_ = LoadStrip("EKD12.AZemPer", PearliteFrame + 1);
    }
    static void TearDownTestSuite() {
        solidification_.clear();
        network_.clear();
    }
    void SetUp() override {
        ASSERT_EQ(solidification_.size(), static_cast<std::size_t>(GrainFrame + 1));
        ASSERT_EQ(network_.size(), static_cast<std::size_t>(PearliteFrame + 1));
    }
    static const TPixels& SchA(int i) { return solidification_[i]; }
    static const TPixels& AZemPer(int i) { return network_[i]; }

private:
    static inline std::vector<TPixels> solidification_;
    static inline std::vector<TPixels> network_;
};

// The 3.0 % cast iron: austenite crystals and ledeburite, then cementite out of the austenite and
// pearlite in the end.
class HypoeutecticStrips : public testing::Test {
protected:
    static constexpr int GrowthFrames = 14; // frames 1 to 14
    static constexpr int LedeburiteFrame = 15;
    static constexpr int CoolingFrames = 9; // frames 0 to 8
    static constexpr int PearliteFrame = 9;

    static void SetUpTestSuite() {
        solidification_ = LoadStrip("EKD30.SchAuLede", LedeburiteFrame + 1);
        cooling_ = LoadStrip("EKD30.LedePer", PearliteFrame + 1);
    }
    static void TearDownTestSuite() {
        solidification_.clear();
        cooling_.clear();
    }
    void SetUp() override {
        ASSERT_EQ(solidification_.size(), static_cast<std::size_t>(LedeburiteFrame + 1));
        ASSERT_EQ(cooling_.size(), static_cast<std::size_t>(PearliteFrame + 1));
    }
    static const TPixels& SchAuLede(int i) { return solidification_[i]; }
    static const TPixels& LedePer(int i) { return cooling_[i]; }
    // The pixels the crystals fill when the rest of the melt turns into ledeburite.
    static bool IsCrystal(int p) { return SchAuLede(GrowthFrames).Data[p] == AusteniteBrown; }

private:
    static inline std::vector<TPixels> solidification_;
    static inline std::vector<TPixels> cooling_;
};

} // namespace

TEST_F(HypereutectoidStrips, UseOnlyTheColoursOfTheirPhases) {
    for (int i = 0; i < GrainFrame; ++i) {
        ExpectOnlyColours(SchA(i), {MeltRed, AusteniteBrown}, "SchA " + std::to_string(i));
    }
    ExpectOnlyColours(SchA(GrainFrame), {AusteniteBrown, Black}, "SchA grains");
    for (int i = 0; i < PearliteFrame; ++i) {
        ExpectOnlyColours(AZemPer(i), {AusteniteBrown, Black, CementiteGrey},
                          "AZemPer " + std::to_string(i));
    }
    ExpectOnlyColours(AZemPer(PearliteFrame), {FerriteWhite, CementiteGrey}, "AZemPer final");
}

TEST_F(HypereutectoidStrips, SolidifyFromMeltToTheGrainsTheNetworkStartsFrom) {
    EXPECT_DOUBLE_EQ(Share(SchA(0), MeltRed), 1.0);
    EXPECT_EQ(SchA(GrainFrame).Data, AZemPer(0).Data);
    const double boundaries = Share(AZemPer(0), Black);
    EXPECT_GT(boundaries, 0.02);
    EXPECT_LT(boundaries, 0.10);

    const double first = Share(SchA(1), AusteniteBrown);
    EXPECT_GT(first, 0.0);
    EXPECT_LT(first, 0.03);
    const double last = Share(SchA(GrowthFrames), AusteniteBrown);
    EXPECT_NEAR(last, 0.90, 0.03);
    const double evenStep = (last - first) / (GrowthFrames - 1);
    for (int i = 2; i <= GrowthFrames; ++i) {
        const double step = Share(SchA(i), AusteniteBrown) - Share(SchA(i - 1), AusteniteBrown);
        EXPECT_GT(step, evenStep / 2) << "frame " << i;
        EXPECT_LT(step, evenStep * 2) << "frame " << i;
        ExpectKept(SchA(i - 1), SchA(i), AusteniteBrown, "SchA " + std::to_string(i));
    }
}

// The cementite takes the black boundaries over and thickens a little: grey only ever gains,
// black only ever turns grey, the grains lose only a little to the network, and in the end no
// boundary is left without cementite.
TEST_F(HypereutectoidStrips, CementiteNetworkGrowsAlongTheBoundaries) {
    const TPixels& grains = AZemPer(0);
    double previous = 0;
    for (int i = 1; i <= NetworkFrames; ++i) {
        const TPixels& f = AZemPer(i);
        const double grey = Share(f, CementiteGrey);
        EXPECT_GT(grey, previous) << "frame " << i;
        previous = grey;
        ExpectKept(AZemPer(i - 1), f, CementiteGrey, "AZemPer " + std::to_string(i));
        for (int p = 0; p < Side * Side; ++p) {
            if (f.Data[p] == Black) {
                ASSERT_EQ(grains.Data[p], Black) << "frame " << i << ", " << Where(p);
            }
        }
    }
    EXPECT_GT(Share(AZemPer(1), Black), 0.0) << "the network starts somewhere, not everywhere";
    const TPixels& network = AZemPer(NetworkFrames);
    EXPECT_DOUBLE_EQ(Share(network, Black), 0.0);
    for (int p = 0; p < Side * Side; ++p) {
        if (grains.Data[p] == Black) {
            ASSERT_EQ(network.Data[p], CementiteGrey) << Where(p);
        }
    }
    const double grey = Share(network, CementiteGrey);
    EXPECT_GT(grey, Share(grains, Black) * 1.3) << "thicker than the boundaries";
    EXPECT_LT(grey, 0.15) << "a network, not a phase of its own";
    // The network is (almost) one piece: only where a boundary cuts a corner off the picture can
    // a piece lie apart.
    const std::vector<int> pieces =
        AreaSizes([&](int p) { return network.Data[p] == CementiteGrey; }, true);
    EXPECT_GT(*std::max_element(pieces.begin(), pieces.end()),
              std::count(network.Data.begin(), network.Data.end(), CementiteGrey) * 9 / 10);
}

// The final structure: the network stays where it was, and the grains inside it turn into
// lamellar pearlite of white and grey.
TEST_F(HypereutectoidStrips, EndAsPearliteInsideTheNetwork) {
    const TPixels& network = AZemPer(NetworkFrames);
    const TPixels& f = AZemPer(PearliteFrame);
    ExpectKept(network, f, CementiteGrey, "network");
    auto isPearlite = [&](int p) { return network.Data[p] == AusteniteBrown; };
    int pearlite = 0;
    int dark = 0;
    int alternations = 0;
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            const int p = y * Side + x;
            if (!isPearlite(p)) {
                continue;
            }
            ++pearlite;
            dark += f.Data[p] == CementiteGrey;
            if (x + 1 < Side && isPearlite(p + 1)) {
                alternations += f.Data[p] != f.Data[p + 1];
            }
            if (y + 1 < Side && isPearlite(p + Side)) {
                alternations += f.Data[p] != f.Data[p + Side];
            }
        }
    }
    EXPECT_GT(dark, pearlite / 5);
    EXPECT_LT(dark, pearlite / 2) << "white pearlite with grey lamellae, not grey";
    // Lamellae at most 6 px apart crossed in rows and columns.
    EXPECT_GT(alternations, pearlite / 4);
    EXPECT_LT(SolidPixels(f, FerriteWhite), pearlite / 100) << "no lamella-free white areas";
}

TEST_F(HypoeutecticStrips, UseOnlyTheColoursOfTheirPhases) {
    for (int i = 0; i < LedeburiteFrame; ++i) {
        ExpectOnlyColours(SchAuLede(i), {MeltRed, AusteniteBrown},
                          "SchAuLede " + std::to_string(i));
    }
    ExpectOnlyColours(SchAuLede(LedeburiteFrame), {AusteniteBrown, CementiteGrey}, "ledeburite");
    for (int i = 0; i < PearliteFrame; ++i) {
        ExpectOnlyColours(LedePer(i), {AusteniteBrown, CementiteGrey},
                          "LedePer " + std::to_string(i));
    }
    ExpectOnlyColours(LedePer(PearliteFrame), {FerriteWhite, CementiteGrey}, "LedePer final");
}

// Small crystals keep appearing while the first grow, until they fill about half of the melt.
TEST_F(HypoeutecticStrips, CrystalsAppearAndGrowToHalfTheMelt) {
    EXPECT_DOUBLE_EQ(Share(SchAuLede(0), MeltRed), 1.0);
    const double first = Share(SchAuLede(1), AusteniteBrown);
    EXPECT_GT(first, 0.0);
    EXPECT_LT(first, 0.03);
    EXPECT_NEAR(Share(SchAuLede(GrowthFrames), AusteniteBrown), 0.5, 0.05);
    for (int i = 2; i <= GrowthFrames; ++i) {
        EXPECT_GT(Share(SchAuLede(i), AusteniteBrown), Share(SchAuLede(i - 1), AusteniteBrown))
            << "frame " << i;
        ExpectKept(SchAuLede(i - 1), SchAuLede(i), AusteniteBrown,
                   "SchAuLede " + std::to_string(i));
    }
    auto crystals = [&](int i) {
        return AreaSizes([&](int p) { return SchAuLede(i).Data[p] == AusteniteBrown; }).size();
    };
    const std::size_t early = crystals(1);
    std::size_t most = 0;
    for (int i = 2; i <= GrowthFrames; ++i) {
        most = std::max(most, crystals(i));
    }
    EXPECT_GT(most, early + 5) << "new crystals appear after the first";
    EXPECT_GT(crystals(GrowthFrames), 10u) << "many small crystals, not a few grains";
}

// The rest of the melt becomes ledeburite around the crystals, which stay as they were: a fine
// mottle of grey cementite and brown austenite, not solid areas of either.
TEST_F(HypoeutecticStrips, LedeburiteFillsTheMeltAroundTheCrystals) {
    const TPixels& f = SchAuLede(LedeburiteFrame);
    ExpectKept(SchAuLede(GrowthFrames), f, AusteniteBrown, "crystals");
    int ledeburite = 0;
    int grey = 0;
    for (int p = 0; p < Side * Side; ++p) {
        if (!IsCrystal(p)) {
            ++ledeburite;
            grey += f.Data[p] == CementiteGrey;
        }
    }
    EXPECT_GT(grey, ledeburite / 5);
    EXPECT_LT(grey, ledeburite * 3 / 5);
    const std::vector<int> specks = AreaSizes([&](int p) { return f.Data[p] == CementiteGrey; });
    EXPECT_GT(specks.size(), 50u) << "finely mottled";
    EXPECT_EQ(SolidPixels(f, CementiteGrey), 0);
    // The crystals still show as solid brown areas in it.
    EXPECT_GT(SolidPixels(f, AusteniteBrown), Side * Side / 8);
}

// Cooling to the eutectoid line: it starts where solidification ended, and the cementite only
// ever gains, from 15 % to 29 % of the field, all of it outside the crystals.
TEST_F(HypoeutecticStrips, CementiteGrowsBetweenTheCrystals) {
    EXPECT_EQ(SchAuLede(LedeburiteFrame).Data, LedePer(0).Data);
    double previous = 0;
    for (int i = 0; i < CoolingFrames; ++i) {
        const double grey = Share(LedePer(i), CementiteGrey);
        EXPECT_GE(grey, 0.15) << "frame " << i;
        EXPECT_LE(grey, 0.29) << "frame " << i;
        EXPECT_GT(grey, previous) << "frame " << i;
        previous = grey;
        if (i > 0) {
            ExpectKept(LedePer(i - 1), LedePer(i), CementiteGrey, "LedePer " + std::to_string(i));
        }
        for (int p = 0; p < Side * Side; ++p) {
            if (IsCrystal(p)) {
                ASSERT_EQ(LedePer(i).Data[p], AusteniteBrown) << "frame " << i << ", " << Where(p);
            }
        }
    }
    EXPECT_GT(Share(LedePer(CoolingFrames - 1), CementiteGrey), 0.25);
}

// The final structure: the crystals turn into white pearlite areas, the ledeburite keeps its
// cementite and its austenite turns into white specks in the grey.
TEST_F(HypoeutecticStrips, EndAsWhitePearliteInGreyLedeburite) {
    const TPixels& before = LedePer(CoolingFrames - 1);
    const TPixels& f = LedePer(PearliteFrame);
    int crystals = 0;
    int whiteCrystals = 0;
    int ledeburite = 0;
    int greyLedeburite = 0;
    for (int p = 0; p < Side * Side; ++p) {
        if (before.Data[p] == CementiteGrey) {
            ASSERT_EQ(f.Data[p], CementiteGrey) << Where(p);
        }
        if (IsCrystal(p)) {
            ++crystals;
            whiteCrystals += f.Data[p] == FerriteWhite;
        } else {
            ++ledeburite;
            greyLedeburite += f.Data[p] == CementiteGrey;
        }
    }
    EXPECT_GT(whiteCrystals, crystals * 4 / 5) << "white pearlite areas";
    EXPECT_GT(greyLedeburite, ledeburite / 2) << "grey ledeburite";
    EXPECT_LT(greyLedeburite, ledeburite * 9 / 10) << "mottled, not plain grey";
    EXPECT_GT(SolidPixels(f, FerriteWhite), Side * Side / 8);
}
