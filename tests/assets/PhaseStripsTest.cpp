// The frame strips of the eutectic and peritectic diagrams: their sizes and colour code, growth
// that only adds, crystals in the shares the screens' lever rule gives at the same rows, and
// pictures that are crystals and lamellae, not noise.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <numeric>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "phase/PhaseDiagram.h"
#include "phase/UnitZutyp2.h"
#include "phase/UnitZutyp3.h"
#include "phase/UnitZutyp4.h"

namespace {

constexpr std::uint32_t Melt = 0xFFFF0000u;
constexpr std::uint32_t Alpha = 0xFFFFFFFFu;
constexpr std::uint32_t Beta = 0xFF000000u;
constexpr std::uint32_t Grey = 0xFF808080u;
constexpr int Side = 80;
// The drawing surfaces of types 3 and 4 show the top 75 rows of a frame.
constexpr int ShownRows = 75;
// How far a frame's share of a phase may lie from the lever rule's.
constexpr double LeverTolerance = 0.03;

struct StripPlan {
    const char* Name;
    int Frames;
    int Rows; // the rows the screen shows
};
const StripPlan Strips[] = {
    {"ZuTyp2.Unter", 21, Side},   {"ZuTyp2.Eu", 2, Side},       {"ZuTyp2.Ueber", 19, Side},
    {"ZuTyp3.L1", 16, ShownRows}, {"ZuTyp3.L2", 30, ShownRows}, {"ZuTyp3.L3", 2, ShownRows},
    {"ZuTyp3.L4", 22, ShownRows}, {"ZuTyp4.L1", 21, ShownRows}, {"ZuTyp4.L2", 16, ShownRows},
    {"ZuTyp4.L3", 12, ShownRows}, {"ZuTyp4.AinB", 17, Side},
};

const std::vector<TPixels>& Frames(const std::string& name) {
    static std::map<std::string, std::vector<TPixels>> cache;
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.emplace(name, Assets::Strip(name)).first;
    return it->second;
}

int RowsOf(const std::string& name) {
    for (const StripPlan& s : Strips)
        if (name == s.Name)
            return s.Rows;
    return Side;
}

// The share of the shown rows that has the colour.
double Share(const std::string& strip, int frame, std::uint32_t colour) {
    const TPixels& f = Frames(strip).at(static_cast<std::size_t>(frame));
    const int rows = RowsOf(strip);
    int n = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < f.Width; ++x)
            n += f.at(x, y) == colour;
    return static_cast<double>(n) / (static_cast<double>(rows) * f.Width);
}

// Sizes of the 4-connected areas of one colour.
std::vector<int> Areas(const TPixels& f, std::uint32_t colour) {
    std::vector<bool> seen(f.Data.size());
    std::vector<int> areas;
    for (int start = 0; start < static_cast<int>(f.Data.size()); ++start) {
        if (seen[start] || f.Data[start] != colour)
            continue;
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

// Neighbour pairs where the colour meets another one: the length of its outline in the frame.
int OutlineLength(const TPixels& f, std::uint32_t colour) {
    int length = 0;
    for (int y = 0; y < f.Height; ++y)
        for (int x = 0; x < f.Width; ++x) {
            const bool in = f.at(x, y) == colour;
            length += x + 1 < f.Width && in != (f.at(x + 1, y) == colour);
            length += y + 1 < f.Height && in != (f.at(x, y + 1) == colour);
        }
    return length;
}

// Rounded crystals, not noise: the outline of the colour's areas is at most a little longer than
// that of as many circles of the same areas (pixel stairs make a circle's outline 4/π as long).
bool Rounded(const TPixels& f, std::uint32_t colour) {
    constexpr double Raggedness = 1.5;
    double circles = 0;
    for (const int a : Areas(f, colour))
        circles += 2 * std::sqrt(std::numbers::pi * a) * 4 / std::numbers::pi;
    return OutlineLength(f, colour) <= Raggedness * circles;
}

// The pixels where a colour in one frame has become another in the next.
int Turned(const TPixels& from, const TPixels& to, std::uint32_t was, std::uint32_t is) {
    int n = 0;
    for (std::size_t i = 0; i < from.Data.size(); ++i)
        n += from.Data[i] == was && to.Data[i] == is;
    return n;
}

class PhaseStrip : public testing::TestWithParam<StripPlan> {};

TEST_P(PhaseStrip, HasItsFramesOfEightyPixelsInTheColourCode) {
    const StripPlan& plan = GetParam();
    const std::vector<TPixels>& frames = Frames(plan.Name);
    ASSERT_EQ(frames.size(), static_cast<std::size_t>(plan.Frames));
    const std::set<std::uint32_t> code{Melt, Alpha, Beta, Grey};
    for (std::size_t i = 0; i < frames.size(); ++i) {
        ASSERT_EQ((std::array{frames[i].Width, frames[i].Height}), (std::array{Side, Side}));
        const std::set<std::uint32_t> colours(frames[i].Data.begin(), frames[i].Data.end());
        EXPECT_TRUE(std::includes(code.begin(), code.end(), colours.begin(), colours.end()))
            << plan.Name << " frame " << i;
    }
}

// Melt becomes solid and never the other way round: no frame has melt where the one before it
// had a solid phase. The inset starts with crystals already in the melt; the others with melt.
TEST_P(PhaseStrip, SolidNeverTurnsBackToMelt) {
    const StripPlan& plan = GetParam();
    const std::vector<TPixels>& frames = Frames(plan.Name);
    if (std::string(plan.Name) != "ZuTyp4.AinB") {
        EXPECT_EQ(Share(plan.Name, 0, Melt), 1.0) << "frame 0 is all melt";
    }
    for (std::size_t i = 0; i + 1 < frames.size(); ++i)
        for (std::uint32_t solid : {Alpha, Beta, Grey})
            EXPECT_EQ(Turned(frames[i], frames[i + 1], solid, Melt), 0)
                << plan.Name << " frame " << i + 1;
    EXPECT_EQ(Share(plan.Name, plan.Frames - 1, Melt), 0.0) << "no melt at the end";
}

INSTANTIATE_TEST_SUITE_P(Strips, PhaseStrip, testing::ValuesIn(Strips),
                         [](const testing::TestParamInfo<StripPlan>& info) {
                             std::string name = info.param.Name;
                             name.erase(std::remove(name.begin(), name.end(), '.'), name.end());
                             return name;
                         });

// A run of frames in which crystals of one colour only grow: every crystal pixel stays.
void ExpectGrowth(const std::string& strip, int first, int last, std::uint32_t crystal) {
    const std::vector<TPixels>& frames = Frames(strip);
    for (int i = first; i < last; ++i)
        EXPECT_EQ(Turned(frames[i], frames[i + 1], crystal, Melt) +
                      Turned(frames[i], frames[i + 1], crystal, crystal == Alpha ? Beta : Alpha),
                  0)
            << strip << " frame " << i + 1;
}

// The lever rule of a tie line from the crystals' end to the melt's, as a share.
double Lever(int liquidusX, int alloyX, int solidX) {
    return static_cast<double>(liquidusX - alloyX) / (liquidusX - solidX);
}

TEST(Type2Strips, PrimaryCrystalsFollowTheLeverBoxesRowByRow) {
    using namespace UnitZutyp2;
    struct Run {
        const char* Strip;
        std::uint32_t Crystal;
        std::span<const TieRow> Rows;
        int AlloyX;
        int PureX;
    };
    for (const Run& run : {Run{"ZuTyp2.Unter", Alpha, UnterRows, 204, 20},
                           Run{"ZuTyp2.Ueber", Beta, UeberRows, 388, 480}}) {
        const int last = static_cast<int>(run.Rows.size());
        ExpectGrowth(run.Strip, 0, last, run.Crystal);
        // Frame 1 at the liquidus, 0 %: the first nuclei, a few pixels.
        EXPECT_GT(Share(run.Strip, 1, run.Crystal), 0.0);
        EXPECT_LT(Share(run.Strip, 1, run.Crystal), 0.01);
        for (int row = 1; row < last; ++row) {
            const TieRow& r = run.Rows[static_cast<std::size_t>(row)];
            // What the lever box shows while the frame of this row is up.
            const double shown = PhaseDiagram::LeverRule(r.Xl, run.AlloyX, run.PureX) / 100;
            EXPECT_NEAR(Share(run.Strip, row + 1, run.Crystal), shown, LeverTolerance)
                << run.Strip << " row " << r.K;
            EXPECT_TRUE(Rounded(Frames(run.Strip)[row + 1], run.Crystal))
                << run.Strip << " row " << r.K;
        }
    }
}

// At the eutectic line the melt left turns into eutectic of pure A and pure B in the proportions
// of C (60 % B): the black share is 60 % of what was melt, and the primary crystals stay.
TEST(Type2Strips, TheLastMeltBecomesEutecticOfSixtyPercentB) {
    constexpr double EutecticB = (296.0 - 20) / (480 - 20);
    struct End {
        const char* Strip;
        int Frame;
        std::uint32_t Crystal;
        double Primary; // what the box shows at the eutectic line
    };
    for (const End& e :
         {End{"ZuTyp2.Unter", 20, Alpha, 0.33}, End{"ZuTyp2.Ueber", 18, Beta, 0.50}}) {
        const double black = e.Crystal == Beta ? e.Primary + (1 - e.Primary) * EutecticB
                                               : (1 - e.Primary) * EutecticB;
        EXPECT_NEAR(Share(e.Strip, e.Frame, Beta), black, LeverTolerance) << e.Strip;
        ExpectGrowth(e.Strip, e.Frame - 1, e.Frame, e.Crystal);
    }
    EXPECT_NEAR(Share("ZuTyp2.Eu", 1, Beta), EutecticB, LeverTolerance);
}

// The row of a table with the cooling point at K.
const AlloyRuns::Row& RowAt(const AlloyRuns::Rows& rows, int k) {
    return *std::find_if(rows.begin(), rows.end(),
                         [k](const AlloyRuns::Row& r) { return r.K == k; });
}

// Whether the colour forms one-pixel lines, not areas: no 2 x 2 block of it anywhere.
bool ThinLines(const TPixels& f, std::uint32_t colour) {
    for (int y = 0; y + 1 < f.Height; ++y)
        for (int x = 0; x + 1 < f.Width; ++x)
            if (f.at(x, y) == colour && f.at(x + 1, y) == colour && f.at(x, y + 1) == colour &&
                f.at(x + 1, y + 1) == colour)
                return false;
    return true;
}

// Alloy 1 solidifies to α at the shares the tie lines give, frame by frame from the first tie line
// on, the last ones with thin seams of melt, and ends as α grains with grey boundaries.
TEST(Type3Strips, AlloyOneFollowsItsTieLinesToHomogeneousAlpha) {
    using namespace UnitZutyp3;
    const char* strip = "ZuTyp3.L1";
    EXPECT_NEAR(Share(strip, 1, Alpha), Lever(49, 48, 24), LeverTolerance); // (24, 67)–(49, 67)
    for (std::size_t i = 0; i < L1Rows.size(); ++i) {
        const int frame = static_cast<int>(i) + 2;
        EXPECT_NEAR(Share(strip, frame, Alpha), Lever(L1Rows[i].To, 48, L1Rows[i].From),
                    LeverTolerance)
            << "row " << L1Rows[i].K;
    }
    ExpectGrowth(strip, 0, 14, Alpha);
    for (int frame = 2; frame <= 4; ++frame)
        EXPECT_TRUE(Rounded(Frames(strip)[frame], Alpha)) << frame;
    EXPECT_TRUE(ThinLines(Frames(strip)[14], Melt)) << "thin seams";
    EXPECT_NEAR(Share(strip, 15, Alpha) + Share(strip, 15, Grey), 1.0, 1e-9);
    EXPECT_TRUE(ThinLines(Frames(strip)[15], Grey));
    EXPECT_GT(Share(strip, 15, Grey), 0.02);
}

// Alloy 2: primary α at the tie lines' shares, half of it at the eutectic line with the rest
// eutectic of α and β in the proportions of C between D and E, then β segregating as the
// solvus rows part.
TEST(Type3Strips, AlloyTwoHasPrimaryAlphaInEutecticThenBetaRims) {
    using namespace UnitZutyp3;
    const char* strip = "ZuTyp3.L2";
    EXPECT_GT(Share(strip, 1, Alpha), 0.0);
    EXPECT_LT(Share(strip, 1, Alpha), 0.01);
    for (std::size_t i = 0; i < L2Rows.size(); ++i)
        EXPECT_NEAR(Share(strip, static_cast<int>(i) + 2, Alpha),
                    Lever(L2Rows[i].To, 204, L2Rows[i].From), LeverTolerance)
            << "row " << L2Rows[i].K;
    ExpectGrowth(strip, 0, 20, Alpha);
    const double eutecticBeta = 1 - Lever(434, 296, 112);
    EXPECT_NEAR(Share(strip, 20, Beta), (1 - Lever(296, 204, 112)) * eutecticBeta, LeverTolerance);
    const int cues[] = {231, 259, 275, 291, 307, 323, 339, 347, 355};
    for (int i = 0; i < 9; ++i) {
        const AlloyRuns::Row& r = RowAt(SolvusRows, cues[i]);
        EXPECT_NEAR(Share(strip, 21 + i, Beta), 1 - Lever(r.To, 204, r.From), LeverTolerance)
            << "row " << cues[i];
    }
    ExpectGrowth(strip, 20, 29, Beta);
}

// Alloy 4 solidifies to β at its tie lines' shares, with seams, then grey-bounded β grains on
// whose boundaries α segregates grow to the solvus rows' shares.
TEST(Type3Strips, AlloyFourGrowsBetaThenAlphaOnTheGrainBoundaries) {
    using namespace UnitZutyp3;
    const char* strip = "ZuTyp3.L4";
    const int growth[] = {127, 131, 135, 139, 143, 147, 151, 155, 163, 179, 191};
    for (int i = 0; i < 11; ++i) {
        const AlloyRuns::Row& r = RowAt(L4Rows, growth[i]);
        EXPECT_NEAR(Share(strip, 2 + i, Beta), Lever(r.From, 444, r.To), LeverTolerance)
            << "row " << r.K;
    }
    ExpectGrowth(strip, 0, 12, Beta);
    EXPECT_EQ(Share(strip, 13, Alpha), 0.0);
    EXPECT_TRUE(ThinLines(Frames(strip)[13], Grey));
    const int segregates[] = {287, 299, 311, 323, 335, 343, 359, 367};
    for (int i = 0; i < 8; ++i) {
        const AlloyRuns::Row& r = RowAt(SolvusRows, segregates[i]);
        EXPECT_NEAR(Share(strip, 14 + i, Alpha), Lever(r.To, 444, r.From), LeverTolerance)
            << "row " << r.K;
    }
    EXPECT_GT(Share(strip, 14, Alpha), 0.0) << "the first segregates show";
    ExpectGrowth(strip, 13, 21, Alpha);
    // They sit on the boundaries: every segregate touches a place where grey was.
    const TPixels& grains = Frames(strip)[13];
    const TPixels& last = Frames(strip)[21];
    for (std::size_t i = 0; i < last.Data.size(); ++i)
        if (last.Data[i] == Alpha && grains.Data[i] == Grey)
            return;
    ADD_FAILURE() << "no segregate on a boundary";
}

// Whether every pixel of the colour in one frame has one of the colours in the next: a phase
// that is only converted or only shrinks.
bool Within(const TPixels& from, std::uint32_t colour, const TPixels& to,
            std::initializer_list<std::uint32_t> allowed) {
    for (std::size_t i = 0; i < from.Data.size(); ++i)
        if (from.Data[i] == colour &&
            std::find(allowed.begin(), allowed.end(), to.Data[i]) == allowed.end())
            return false;
    return true;
}

// Alloy 1 of the peritectic: α at the upper tie lines' shares and at the peritectic line, then
// β shells that eat into the α down to the lower tie lines' shares.
TEST(Type4Strips, AlloyOneEndsAsAlphaInBetaAtTheLeverShares) {
    using namespace UnitZutyp4;
    const char* strip = "ZuTyp4.L1";
    const int upper[] = {92, 96, 100, 104, 108, 116, 124, 132, 144, 152, 164, 172};
    for (int i = 0; i < 12; ++i) {
        const AlloyRuns::Row& r = RowAt(UpperRows, upper[i]);
        EXPECT_NEAR(Share(strip, 1 + i, Alpha), Lever(r.To, 204, r.From), LeverTolerance)
            << "row " << r.K;
    }
    EXPECT_NEAR(Share(strip, 13, Alpha), Lever(365, 204, 112), LeverTolerance);
    ExpectGrowth(strip, 0, 13, Alpha);
    EXPECT_TRUE(Within(Frames(strip)[14], Alpha, Frames(strip)[13], {Alpha}))
        << "the α only shrinks in the reaction";
    const int lower[] = {184, 216, 244, 276, 308, 336};
    for (int i = 0; i < 6; ++i) {
        const AlloyRuns::Row& r = RowAt(LowerRows, lower[i]);
        EXPECT_NEAR(Share(strip, 14 + i, Alpha), Lever(r.To, 204, r.From), LeverTolerance)
            << "row " << r.K;
    }
    EXPECT_NEAR(Share(strip, 20, Alpha), Lever(320, 204, 66), LeverTolerance);
    ExpectGrowth(strip, 14, 20, Beta);
}

// Alloy 2: α in the melt to 27 %, then β grains whose white boundaries stand for the little α
// left, then α segregating as dots in the grains to the lower tie lines' shares.
TEST(Type4Strips, AlloyTwoTurnsWhollyToBetaThenSegregatesAlpha) {
    using namespace UnitZutyp4;
    const char* strip = "ZuTyp4.L2";
    const int upper[] = {136, 140, 144, 148, 156, 164, 172};
    for (int i = 0; i < 7; ++i) {
        const AlloyRuns::Row& r = RowAt(UpperRows, upper[i]);
        EXPECT_NEAR(Share(strip, 1 + i, Alpha), Lever(r.To, 296, r.From), LeverTolerance)
            << "row " << r.K;
    }
    EXPECT_NEAR(Share(strip, 8, Alpha), Lever(365, 296, 112), LeverTolerance);
    ExpectGrowth(strip, 0, 8, Alpha);
    EXPECT_TRUE(ThinLines(Frames(strip)[9], Alpha)) << "grain boundaries, not α areas";
    const double boundaries = Share(strip, 9, Alpha);
    const double atReaction = Lever(297, 296, 109);
    const int lower[] = {216, 248, 276, 308, 340};
    for (int i = 0; i < 5; ++i) {
        const AlloyRuns::Row& r = RowAt(LowerRows, lower[i]);
        EXPECT_NEAR(Share(strip, 10 + i, Alpha) - boundaries, Lever(r.To, 296, r.From) - atReaction,
                    LeverTolerance)
            << "row " << r.K;
    }
    EXPECT_NEAR(Share(strip, 15, Alpha) - boundaries, Lever(320, 296, 66) - atReaction,
                LeverTolerance);
    ExpectGrowth(strip, 9, 15, Alpha);
}

// Alloy 3: a little α, converted to β, which grows at L3's own tie lines to homogeneous β.
TEST(Type4Strips, AlloyThreeConvertsItsAlphaAndGrowsBeta) {
    using namespace UnitZutyp4;
    const char* strip = "ZuTyp4.L3";
    for (int i = 0; i < 3; ++i) {
        const AlloyRuns::Row& r = RowAt(UpperRows, 168 + 4 * i);
        EXPECT_NEAR(Share(strip, 1 + i, Alpha), Lever(r.To, 342, r.From), LeverTolerance)
            << "row " << r.K;
    }
    EXPECT_NEAR(Share(strip, 4, Alpha), Lever(365, 342, 112), LeverTolerance);
    EXPECT_TRUE(Within(Frames(strip)[4], Alpha, Frames(strip)[5], {Beta})) << "α becomes β";
    for (std::size_t i = 0; i < L3Rows.size(); ++i)
        EXPECT_NEAR(Share(strip, 5 + static_cast<int>(i), Beta),
                    Lever(L3Rows[i].To, 342, L3Rows[i].From), LeverTolerance)
            << "row " << L3Rows[i].K;
    ExpectGrowth(strip, 5, 10, Beta);
    EXPECT_TRUE(ThinLines(Frames(strip)[11], Alpha));
}

// The inset: black crystals growing in the melt; white α crystals; black shells growing outwards
// into the melt and inwards into the shrinking white cores; β grains with seams and remnants;
// β grains with grey boundaries.
TEST(Type4Strips, TheInsetShowsShellsGrowingRoundShrinkingCores) {
    const char* strip = "ZuTyp4.AinB";
    const std::vector<TPixels>& f = Frames(strip);
    EXPECT_GT(Share(strip, 0, Beta), 0.0);
    ExpectGrowth(strip, 0, 8, Beta);
    EXPECT_TRUE(Within(f[8], Beta, f[9], {Alpha}));
    EXPECT_EQ(Share(strip, 9, Beta), 0.0);
    for (int i = 9; i < 15; ++i) {
        EXPECT_TRUE(Within(f[i + 1], Alpha, f[i], {Alpha})) << "cores shrink, frame " << i + 1;
        EXPECT_LT(Share(strip, i + 1, Alpha), Share(strip, i, Alpha)) << i + 1;
        if (i > 9) {
            EXPECT_TRUE(Within(f[i], Beta, f[i + 1], {Beta})) << "shells grow, frame " << i + 1;
        }
    }
    EXPECT_GT(Share(strip, 15, Alpha), 0.0) << "white remnants";
    EXPECT_TRUE(ThinLines(f[15], Melt)) << "thin seams";
    EXPECT_EQ(Share(strip, 16, Alpha), 0.0);
    EXPECT_TRUE(ThinLines(f[16], Grey));
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(Rounded(f[i], Beta)) << i;
}

// A fine lamellar eutectic: along a row the colour changes every few pixels, and the stripes are
// long, not specks.
TEST(Type2Strips, TheEutecticIsFineLamellae) {
    for (const char* strip : {"ZuTyp2.Eu", "ZuTyp3.L3"}) {
        const TPixels& f = Frames(strip).back();
        int changes = 0;
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x + 1 < Side; ++x)
                changes += f.at(x, y) != f.at(x + 1, y);
        const double runLength = static_cast<double>(Side * (Side - 1)) / (changes + 1);
        EXPECT_GT(runLength, 1.2) << strip;
        EXPECT_LT(runLength, 4.0) << strip;
        for (std::uint32_t colour : {Alpha, Beta}) {
            const std::vector<int> stripes = Areas(f, colour);
            EXPECT_EQ(std::count_if(stripes.begin(), stripes.end(), [](int a) { return a < 3; }), 0)
                << strip;
            const double mean =
                static_cast<double>(std::accumulate(stripes.begin(), stripes.end(), 0)) /
                static_cast<double>(stripes.size());
            EXPECT_GT(mean, 10.0) << strip; // lamellae, tens of pixels long
        }
    }
}

} // namespace
