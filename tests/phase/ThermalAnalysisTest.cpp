// Thermal analysis (both screens): the curves piece by piece, the chain of timers from the first
// curve to the end picture, the projection lines and their dots, the filled fields, the commands
// and what Esc and the close box leave, in both fixed layouts.

#include "Harness.h"
#include "phase/SegmentChainTesting.h"
#include "phase/UnitAbZUTYP1.h"
#include "phase/UnitAbZUTYP2.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <array>
#include <functional>

using harness::Pixel;

namespace {

constexpr TColor Yellow = 0x00FFFF;
constexpr TColor MeltYellow = 0x00E1FF;
constexpr TColor SolidRed = 0x000064;

// --- the curves as chains ---------------------------------------------------------------------

std::vector<float> StartOf(const ThermalAnalysis::Data& data, std::size_t curve) {
    const auto& c = data.CoolingCurves[curve];
    auto from = data.KurvenStart.begin() + c.Slot;
    return {from, from + static_cast<long>(c.Pieces.Pieces.size())};
}

harness::ChainRun Play(const ThermalAnalysis::Data& data, std::size_t curve) {
    return harness::ChainRun(data.CoolingCurves[curve].Pieces, StartOf(data, curve),
                             data.CoolingCurves[curve].First);
}

struct CurveTicks {
    std::vector<int> Begins; // the tick on which each piece first steps
    int End;
};

void ExpectTicks(const ThermalAnalysis::Data& data, const std::array<CurveTicks, 6>& expected) {
    for (std::size_t i = 0; i < 6; ++i) {
        harness::ChainRun run = Play(data, i);
        EXPECT_EQ(run.EndTick, expected[i].End) << "curve " << i;
        ASSERT_EQ(data.CoolingCurves[i].Pieces.Pieces.size(), expected[i].Begins.size());
        for (std::size_t k = 0; k < expected[i].Begins.size(); ++k)
            EXPECT_EQ(run.BeginTick(k), expected[i].Begins[k]) << "curve " << i << " piece " << k;
    }
}

TEST(ThermalAnalysisCurves, CompleteSolubilityCurvesBeginEachPieceOnTheirTick) {
    // A and B: melt, arrest, solid; the alloys: melt, first kink, second kink.
    ExpectTicks(UnitAbZUTYP1::Data, {{{{1, 9, 38}, 98},
                                      {{1, 14, 53}, 97},
                                      {{1, 19, 58}, 97},
                                      {{1, 29, 68}, 97},
                                      {{1, 39, 78}, 97},
                                      {{1, 49, 78}, 97}}});
}

TEST(ThermalAnalysisCurves, EutecticCurvesBeginEachPieceOnTheirTick) {
    // L1, L2 and L4 have the eutectic arrest as a third piece; the eutectic L3 has no kink.
    ExpectTicks(UnitAbZUTYP2::Data, {{{{1, 11, 40}, 100},
                                      {{1, 20, 75, 78}, 97},
                                      {{1, 30, 69, 78}, 97},
                                      {{1, 45, 79}, 98},
                                      {{1, 30, 74, 83}, 97},
                                      {{1, 22, 49}, 98}}});
}

TEST(ThermalAnalysisCurves, APieceThatEndsHandsOverInTheSameTick) {
    harness::ChainRun a = Play(UnitAbZUTYP1::Data, 0);
    // The tick on which x1 reaches 20 also draws the first step of the arrest at row 100 …
    EXPECT_TRUE(a.DrawnOn(9, {20, 100}));
    EXPECT_TRUE(a.DrawnOn(9, {21, 100}));
    // … and the tick on which x2 reaches 50 the first step of the solid, 813 − 0.007 × 319².
    EXPECT_TRUE(a.DrawnOn(38, {50, 100}));
    EXPECT_TRUE(a.DrawnOn(38, {51, 101}));
    // Taking over ends the piece two back for good.
    EXPECT_EQ(a.Positions[37][0], SegmentChain::Ended);
    EXPECT_EQ(a.Points.back().back(), (TPoint{111, 343}));

    // The eutectic alloys: the arrest at row 270 in every one of them.
    harness::ChainRun l1 = Play(UnitAbZUTYP2::Data, 1);
    for (int x = 147; x <= 150; ++x)
        EXPECT_NE(l1.TickOf({x, 270}), 0) << x;
    harness::ChainRun l3 = Play(UnitAbZUTYP2::Data, 3);
    for (int x = 236; x <= 270; ++x)
        EXPECT_NE(l3.TickOf({x, 270}), 0) << x;
}

TEST(ThermalAnalysisCurves, TheEutecticAlloysTakeTheirFirstRowBeforeTheStep) {
    // A of the second screen takes the row at the new x: 1160 − 0.009 × 350² = 57.5, to even 58.
    EXPECT_TRUE(Play(UnitAbZUTYP2::Data, 0).DrawnOn(1, {10, 58}));
    // L1 takes it at the x before: 730 − 0.0104 × 254² = 59.03 (not 64.3 at 71).
    EXPECT_TRUE(Play(UnitAbZUTYP2::Data, 1).DrawnOn(1, {71, 59}));
    // B: 284 − 0.0234 × 98² = 59.27.
    EXPECT_TRUE(Play(UnitAbZUTYP2::Data, 5).DrawnOn(1, {311, 59}));
}

// --- the screens ----------------------------------------------------------------------------

struct Screen {
    const char* Name;
    std::function<TThermalAnalysisForm*()> Form;
    const char* Command;
    std::function<std::span<float>()> KurvenTab;
    std::function<std::span<int>()> ProjektionX;
    const ThermalAnalysis::Data& Data;
    std::array<int, 6> CurveTicks;
    int ProjectionTicks;
    int FieldTicks;
};

const Screen Screens[] = {
    {"AbZuTyp1",
     [] { return FormAbZuTyp1; },
     "Entstehung: Vollkommene Löslichkeit im flüssigen und festen Zustand ",
     [] { return std::span<float>(UnitAbZUTYP1::Unit.KurvenTab); },
     [] { return std::span<int>(UnitAbZUTYP1::Unit.ProjektionX); },
     UnitAbZUTYP1::Data,
     {98, 97, 97, 97, 97, 97},
     430,
     301},
    {"AbZuTyp2",
     [] { return FormAbZuTyp2; },
     "Entstehung: Vollkommene Löslichkeit im flüssigen und vollkommene Unlöslichkeit im festen "
     "Zustand ",
     [] { return std::span<float>(UnitAbZUTYP2::Unit.KurvenTab); },
     [] { return std::span<int>(UnitAbZUTYP2::Unit.ProjektionX); },
     UnitAbZUTYP2::Data,
     {100, 97, 97, 98, 97, 98},
     545,
     299},
};

using Param = std::tuple<int, std::pair<int, int>>;

class ThermalAnalysis : public testing::TestWithParam<Param> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(Open());
    }
    const Screen& S() const { return Screens[std::get<0>(GetParam())]; }
    bool Large() const { return std::get<1>(GetParam()).first >= 1024; }
    bool First() const { return std::get<0>(GetParam()) == 0; }
    bool Open() { return harness::Menu(*FormMenue, S().Command) && harness::ActiveForm() == &form; }
    TColor At(int x, int y) {
        return Pixel(form, form.PaintBoxHaupt->Left() + x, form.PaintBoxHaupt->Top() + y);
    }
    void Start() { ASSERT_TRUE(harness::Menu(form, "&Start")); }
    // Periods of the clock: every enabled timer ticks once in each.
    void Periods(int n) {
        for (int i = 0; i < n; ++i)
            Clock::Advance(Clock::MinimumPeriod);
        harness::Settle();
    }
    int CurvePeriods() const {
        int sum = 0;
        for (int t : S().CurveTicks)
            sum += t;
        return sum;
    }
    int RunPeriods() const { return CurvePeriods() + S().ProjectionTicks + S().FieldTicks; }
    std::vector<TTimer*> Timers() {
        return {form.Timer1,        form.Timer2,   form.Timer3,          form.Timer4,
                form.Timer5,        form.Timer6,   form.TimerVerbindung, form.TimerLiquidus,
                form.TimerSchmelze, form.TimerFest};
    }
    bool AnyTimer() {
        for (TTimer* t : Timers())
            if (t->Enabled())
                return true;
        return false;
    }
    void ExpectStartValues() {
        std::span<float> tab = S().KurvenTab();
        EXPECT_TRUE(std::equal(tab.begin(), tab.end(), S().Data.KurvenStart.begin()));
        std::span<int> lines = S().ProjektionX();
        EXPECT_TRUE(std::equal(lines.begin(), lines.end(), S().Data.ProjektionStart.begin()));
    }

    harness::Session session{std::get<1>(GetParam()).first, std::get<1>(GetParam()).second};
    TThermalAnalysisForm& form = *S().Form();
};

std::array<int, 4> BoundsOf(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

TEST_P(ThermalAnalysis, TakesItsFixedLayoutAndText) {
    using B = std::array<int, 4>;
    EXPECT_EQ(BoundsOf(*form.PaintBoxHaupt), (Large() ? B{75, 50, 870, 410} : B{5, 5, 765, 410}));
    EXPECT_EQ(BoundsOf(*form.MemoErlaeuterung),
              (Large() ? B{30, 500, 955, 120} : B{5, 415, 765, 100}));
    EXPECT_EQ(form.MemoErlaeuterung->Font().Height, Large() ? 20 : 16);
    ASSERT_EQ(form.MemoErlaeuterung->LinesCount(), 5);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(1),
              " verschiedener Legierungszusammensetzungen ermitteln.");
    EXPECT_EQ(form.StatusBarHint->SimpleText(), "ESC = Abbruch");
    for (TTimer* t : Timers()) {
        EXPECT_EQ(t->Interval(), 1);
        EXPECT_FALSE(t->Enabled());
    }
    harness::ExpectMenuItems(
        form, {{"Ende", "&Ende"}, {"Start", "&Start"}, {"ESCAPEDOWN", "ESC = Abbruch"}});
    EXPECT_FALSE(form.ESCAPEDOWN->Visible);
    if (Large()) {
        EXPECT_EQ(Pixel(form, 25, 490), 0x02ABFD); // the orange backdrop
        EXPECT_EQ(Pixel(form, 40, 470), 0x00D2FF); // the golden one inside it
        EXPECT_EQ(Pixel(form, 20, 300), clBlack);
    }
    EXPECT_EQ(Pixel(form, Large() ? 10 : 790, 300), 0xFF2F2F);
}

TEST_P(ThermalAnalysis, DrawsTheColourFieldAndTheEmptyDiagram) {
    EXPECT_EQ(At(200, 50), Yellow);
    EXPECT_EQ(At(200, 200), 0x0145FF - 256 * 200);
    EXPECT_EQ(At(200, 380), 905 - 2 * 380);
    EXPECT_EQ(At(419, 200), 0x0145FF - 256 * 200);
    EXPECT_EQ(At(600, 200), clWhite);
    // The first screen edges the right half in the last row's colour; the second lays it white.
    EXPECT_EQ(At(420, 200), First() ? 905 - 2 * 420 : clWhite);
    EXPECT_EQ(At(300, 350), clBlack); // time axis
    EXPECT_EQ(At(5, 200), clBlack);   // temperature axis
    EXPECT_EQ(At(600, 350), clBlack); // concentration axis
    for (int x = 450; x <= 750; x += 60)
        EXPECT_EQ(At(x, 200), clBlack) << x;                // the six alloys
    EXPECT_EQ(At(380, 355), First() ? 0x0000B1 : 0x0000C8); // "Zeit" in its box
    EXPECT_EQ(At(10, 5), Yellow);                           // "Temperatur" on yellow
}

TEST_P(ThermalAnalysis, TheRunIsAChainOfOneTimerAtATime) {
    const TPixels fresh = form.Snapshot();
    Start();
    EXPECT_FALSE(form.Enabled());
    EXPECT_FALSE(form.Start->Enabled());
    EXPECT_FALSE(form.Ende->Enabled());
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, S().Data.CoolingCurves[0].First);
    // Which timers run, period by period, in runs of equal sets.
    std::vector<std::pair<std::vector<int>, int>> stages;
    const std::vector<TTimer*> timers = Timers();
    for (int period = 0; period < RunPeriods() + 50; ++period) {
        std::vector<int> running;
        for (std::size_t i = 0; i < timers.size(); ++i)
            if (timers[i]->Enabled())
                running.push_back(static_cast<int>(i));
        if (stages.empty() || stages.back().first != running)
            stages.push_back({running, 0});
        ++stages.back().second;
        Clock::Advance(Clock::MinimumPeriod);
    }
    harness::Settle();
    ASSERT_EQ(stages.size(), 9u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(stages[i].first, std::vector<int>{i});
        EXPECT_EQ(stages[i].second, S().CurveTicks[i]) << "curve " << i;
    }
    EXPECT_EQ(stages[6].first, std::vector<int>{6});
    EXPECT_EQ(stages[6].second, S().ProjectionTicks);
    EXPECT_EQ(stages[7].first, (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(stages[7].second, S().FieldTicks);
    EXPECT_TRUE(stages[8].first.empty());
    // The end picture stands once; the screen takes input again, but "&Start" stays disabled.
    EXPECT_TRUE(form.Enabled());
    EXPECT_TRUE(form.Ende->Enabled());
    EXPECT_FALSE(form.Start->Enabled());
    const TPixels end = form.Snapshot();
    EXPECT_FALSE(harness::SamePixels(fresh, end));
    Periods(500);
    EXPECT_TRUE(harness::SamePixels(end, form.Snapshot()));
    harness::Menu(form, "&Ende");
    EXPECT_FALSE(form.Visible());
    ExpectStartValues();
    ASSERT_TRUE(Open());
    EXPECT_TRUE(form.Start->Enabled());
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
}

TEST_P(ThermalAnalysis, DuringTheRunOnlyEscActs) {
    Start();
    Periods(100);
    EXPECT_FALSE(form.ChooseMenu(*form.Ende));
    EXPECT_FALSE(form.MouseDown(mbLeft, 300, 300));
    harness::Key(form, 'S');
    // The close box of the disabled window changes nothing: the run goes on.
    form.CloseBoxClicked();
    harness::Settle();
    EXPECT_TRUE(form.Visible());
    EXPECT_FALSE(form.Enabled());
    EXPECT_TRUE(form.Timer2->Enabled());
    Periods(S().CurveTicks[1]);
    EXPECT_TRUE(form.Timer3->Enabled());
    EXPECT_TRUE(harness::Key(form, VK_ESCAPE));
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
}

TEST_P(ThermalAnalysis, EscInAnyStageRestoresTheStartSoTheNextRunDrawsTheSame) {
    const TPixels fresh = form.Snapshot();
    Start();
    Periods(RunPeriods());
    const TPixels finished = form.Snapshot();
    harness::Menu(form, "&Ende");
    const int stages[] = {CurvePeriods() / 2, CurvePeriods() + S().ProjectionTicks / 2,
                          CurvePeriods() + S().ProjectionTicks + S().FieldTicks / 2};
    for (int abortAt : stages) {
        ASSERT_TRUE(Open());
        Start();
        Periods(abortAt);
        harness::Key(form, VK_ESCAPE);
        EXPECT_FALSE(form.Visible()) << abortAt;
        EXPECT_FALSE(AnyTimer()) << abortAt;
        EXPECT_TRUE(form.Enabled());
        EXPECT_TRUE(form.Start->Enabled());
        EXPECT_TRUE(form.Ende->Enabled());
        ExpectStartValues();
        ASSERT_TRUE(Open());
        EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot())) << abortAt;
        Start();
        Periods(RunPeriods());
        EXPECT_TRUE(harness::SamePixels(finished, form.Snapshot())) << abortAt;
        harness::Menu(form, "&Ende");
    }
}

TEST_P(ThermalAnalysis, TheCloseBoxOfAFinishedScreenRestoresNothing) {
    Start();
    Periods(RunPeriods());
    form.CloseBoxClicked();
    harness::Settle();
    EXPECT_FALSE(form.Visible());
    ASSERT_TRUE(Open());
    EXPECT_FALSE(form.Start->Enabled());
    EXPECT_FALSE(harness::Menu(form, "&Start"));
    EXPECT_EQ(S().ProjektionX()[0], S().Data.Projections[0].To);
    harness::Key(form, VK_ESCAPE);
    ExpectStartValues();
    ASSERT_TRUE(Open());
    EXPECT_TRUE(form.Start->Enabled());
}

TEST_P(ThermalAnalysis, ProjectionLinesCarryThePointsAcrossWithTheirDots) {
    Start();
    Periods(CurvePeriods() + 1);
    int projected = 1;
    ASSERT_TRUE(form.TimerVerbindung->Enabled());
    if (First()) {
        EXPECT_EQ(At(20, 100), clPurple); // the first one-pixel step of the A line
        EXPECT_EQ(At(18, 99), clBlue);    // inside its start dot
        EXPECT_EQ(At(452, 100), clWhite);
    } else {
        // The eutectic line marks the arrests of all four alloys at once.
        for (int x : {200, 235, 325})
            EXPECT_EQ(At(x, 271), clBlue) << x;
        // It reaches L2 at 570 after 425 steps and sets a dot there, beside the alloy's
        // black vertical, but not yet at L3.
        Periods(424);
        projected += 424;
        EXPECT_EQ(At(568, 269), clBlue);
        EXPECT_EQ(At(628, 269), clWhite);
        Periods(60);
        projected += 60;
        EXPECT_EQ(At(628, 269), clBlue);
    }
    // The line whose arrival ends the projection arrives on its last tick, and the fills start
    // from their first point.
    Periods(S().ProjectionTicks - projected - 1);
    EXPECT_TRUE(form.TimerVerbindung->Enabled());
    EXPECT_FALSE(form.TimerFest->Enabled());
    Periods(1);
    EXPECT_FALSE(form.TimerVerbindung->Enabled());
    EXPECT_TRUE(form.TimerFest->Enabled());
    EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos, S().Data.FieldStart);
}

TEST_P(ThermalAnalysis, TheEndPictureFramesTheFilledFields) {
    Start();
    Periods(RunPeriods());
    // The red frame of width 5 round the diagram.
    EXPECT_EQ(At(751, 200), clRed);
    EXPECT_EQ(At(449, 200), clRed);
    EXPECT_EQ(At(600, 59), clRed);
    EXPECT_EQ(At(600, 351), clRed);
    // Blue end dots where the lines arrived.
    for (const auto& line : S().Data.Projections)
        EXPECT_EQ(At(line.To, line.Y + 1), clBlue) << line.To << "," << line.Y;
    if (First()) {
        EXPECT_EQ(At(600, 100), MeltYellow);
        EXPECT_EQ(At(650, 195), clRed); // between liquidus and solidus
        EXPECT_EQ(At(600, 320), SolidRed);
        // The projection lines dotted in silver over their purple track.
        EXPECT_EQ(At(297, 110), clSilver);
        EXPECT_EQ(At(300, 110), clPurple);
    } else {
        EXPECT_EQ(At(560, 90), MeltYellow);
        EXPECT_EQ(At(480, 200), clRed); // between the left branch and the eutectic line
        EXPECT_EQ(At(720, 330), SolidRed);
        EXPECT_EQ(At(633, 290), SolidRed);
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ThermalAnalysis,
                         testing::Combine(testing::Values(0, 1),
                                          testing::Values(std::pair{800, 600},
                                                          std::pair{1024, 768})),
                         [](const testing::TestParamInfo<Param>& info) {
                             return std::string(Screens[std::get<0>(info.param)].Name) + "_" +
                                    std::to_string(std::get<1>(info.param).first);
                         });

} // namespace
