// Type 3: the eutectic diagram with limited solubility, its four runs with their tie lines,
// boundary pieces and frames, and the commands.

#include "AlloyRunsTesting.h"
#include "Harness.h"
#include "phase/UnitZutyp3.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

using harness::Pixel;
using UnitZutyp3::Unit;

namespace {

constexpr TColor Purple = 0x800080;
constexpr TColor Green = 0x008000;
constexpr TColor Gold = 0x00D2FF;

TColor FieldAt(int y) {
    return y <= 325 ? 0x0145FF - 256 * y : 905 - 2 * y;
}

class ZuTyp3 : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, Command));
        ASSERT_EQ(harness::ActiveForm(), FormZuTyp3);
    }
    static constexpr const char* Command =
        "Eutektisches System mit begrenzter Löslichkeit (\"Typ 3\")";
    static constexpr const char* StartCaption[] = {"Start /Stop L&1", "Start /Stop L&2",
                                                   "Start/Stop L&3", "Start/Stop L&4"};
    TColor At(int x, int y) { return probe.At(x, y); }
    void Start(int run) { harness::Menu(form, StartCaption[run]); }
    int Run(int run, int ticks) { return harness::Ticks(*form.RunTimers[run], ticks); }
    // Ticks until the run's cooling point reaches row k (tick n reaches 19 + 4n).
    void RunTo(int run, int k) { Run(run, (k - Unit.Runs[run].TempY) / 4); }
    bool Shows(int run, int frame) { return probe.ShowsFrame(run, frame); }

    harness::Session session{GetParam().first, GetParam().second};
    TFormZuTyp3& form = *FormZuTyp3;
    alloyruns::Probe probe{form, Unit};
};

TEST_P(ZuTyp3, LaysOutTheDiagramAndItsText) {
    const bool large = GetParam().first >= 1024;
    const int left = large ? 430 : 285;
    const int top = large ? 70 : 5;
    for (TPaintBox* layer : {form.PaintBoxHaupt, form.PaintBoxUmwandlung})
        EXPECT_EQ((std::array{layer->Left(), layer->Top(), layer->Width(), layer->Height()}),
                  (std::array{left, top, 505, 492}));
    auto memo = std::array{form.MemoErlaeuterung->Left(), form.MemoErlaeuterung->Top(),
                           form.MemoErlaeuterung->Width(), form.MemoErlaeuterung->Height()};
    EXPECT_EQ(memo, large ? (std::array{30, 40, 370, 590}) : (std::array{0, 3, 290, 494}));
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 26);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(25), " tration der Komponenten A und B.");
    EXPECT_EQ(form.MemoErlaeuterung->Font().Height, large ? 20 : 16);
    EXPECT_EQ(Pixel(form, 25, 400), large ? 0x02ABFD : 0xFF2F2F);
    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"StartL1", StartCaption[0]},
                                    {"StartL2", StartCaption[1]},
                                    {"StartL3", StartCaption[2]},
                                    {"StartL4", StartCaption[3]},
                                    {"Neu", "&Löschen/Neu"},
                                    {"ESCAPE", "ESCAPE"}});
}

TEST_P(ZuTyp3, DrawsTheSolidSolutionsBesideTheEutecticLine) {
    EXPECT_EQ(At(2, 2), Gold);
    EXPECT_EQ(At(200, 100), FieldAt(100));
    EXPECT_EQ(At(100, 86), clSilver);  // liquidus A*–C, 85.57
    EXPECT_EQ(At(60, 148), clSilver);  // α solidus, 147.78
    EXPECT_EQ(At(400, 147), clSilver); // liquidus C–B*, 147.40
    EXPECT_EQ(At(460, 167), clSilver); // β solidus, 167.36
    EXPECT_EQ(At(100, 209), clSilver); // α solidus, 208.98
    EXPECT_EQ(At(100, 283), clSilver); // α solvus, 283.0
    EXPECT_EQ(At(200, 222), clSilver); // the eutectic line D–E
    // The verticals under D, C and E are dotted: some pixels silver, some the field's.
    for (int x : {112, 296, 434}) {
        int silver = 0;
        for (int y = 230; y < 360; ++y)
            silver += At(x, y) == clSilver;
        EXPECT_GT(silver, 30) << x;
        EXPECT_LT(silver, 100) << x;
    }
}

TEST_P(ZuTyp3, EveryRunTakesEightyEightTicks) {
    for (int run = 0; run < 4; ++run) {
        harness::Menu(form, "&Löschen/Neu");
        Start(run);
        EXPECT_EQ(Run(run, 3), 3);
        EXPECT_EQ(Unit.Runs[run].TempY, 31);
        EXPECT_EQ(Run(run, 100), 85) << "run " << run;
        EXPECT_EQ(Unit.Runs[run].TempY, 371);
        EXPECT_FALSE(form.StartItems[run]->Enabled());
        // No run draws past the last frame of its strip.
        EXPECT_LE(Unit.Runs[run].BildNr, form.RunStrips[run]->Count());
    }
}

TEST_P(ZuTyp3, L1GrowsHomogeneousAlphaFrameByFrame) {
    Start(UnitZutyp3::L1);
    Run(0, 3);
    EXPECT_TRUE(Shows(0, 0));
    EXPECT_EQ(At(Unit.Runs[0].BildX - 1, 450), Purple); // the box in the run's colour
    EXPECT_EQ(At(Unit.Runs[0].BildX, 402), clSilver);   // the label's background
    // Below the surface's 492 rows nothing of the frame shows.
    EXPECT_EQ(Pixel(form, Unit.DiagLinks + 30, Unit.DiagOben + 492),
              GetParam().first >= 1024 ? 0x02ABFD : 0xFF2F2F);
    RunTo(0, 67);
    EXPECT_TRUE(Shows(0, 1));
    EXPECT_EQ(At(36, 67), Purple); // the first tie line stays
    for (int frame = 2; frame <= 14; ++frame) {
        Run(0, 1);
        EXPECT_TRUE(Shows(0, frame)) << "row " << Unit.Runs[0].TempY;
    }
    Run(0, 1);
    EXPECT_EQ(Unit.Runs[0].TempY, 123);
    EXPECT_TRUE(Shows(0, 15));
    EXPECT_EQ(At(100, 123), Purple);
    Run(0, 100);
    EXPECT_TRUE(Shows(0, 15));
    EXPECT_EQ(Unit.Runs[0].BildNr, 16);
}

TEST_P(ZuTyp3, L2DrawsItsLastFrameTwiceAndNothingBeyondIt) {
    Start(UnitZutyp3::L2);
    RunTo(1, 147);
    EXPECT_TRUE(Shows(1, 1));
    EXPECT_EQ(At(150, 146), clBlue);
    RunTo(1, 219);
    EXPECT_TRUE(Shows(1, 19));
    Run(1, 1);
    EXPECT_TRUE(Shows(1, 20));
    EXPECT_EQ(At(300, 222), clBlue); // the eutectic line
    const std::pair<int, int> cues[] = {{231, 21}, {259, 22}, {275, 23}, {291, 24}, {307, 25},
                                        {323, 26}, {339, 27}, {347, 28}, {355, 29}};
    for (auto [k, frame] : cues) {
        RunTo(1, k);
        EXPECT_TRUE(Shows(1, frame)) << "row " << k;
    }
    EXPECT_EQ(Unit.Runs[1].BildNr, 29);
    Run(1, 4);
    EXPECT_EQ(Unit.Runs[1].TempY, 371);
    EXPECT_TRUE(Shows(1, 29));
    EXPECT_EQ(At(300, 369), clBlue); // the line at the bottom
}

TEST_P(ZuTyp3, L4StaysHomogeneousUntilTheSolvusThenSegregates) {
    Start(UnitZutyp3::L4);
    const std::pair<int, int> cues[] = {{123, 1},  {155, 9},  {163, 10}, {179, 11}, {191, 12},
                                        {207, 13}, {279, 13}, {287, 14}, {343, 19}, {347, 19},
                                        {351, 19}, {359, 20}, {371, 21}};
    for (auto [k, frame] : cues) {
        RunTo(3, k);
        EXPECT_TRUE(Shows(3, frame)) << "row " << k;
    }
    EXPECT_EQ(At(444, 300), clBlack);
    EXPECT_EQ(At(200, 283), clBlack); // the solvus reached at 283
    EXPECT_EQ(Unit.Runs[3].BildNr, 22);
}

// A sample of every table: the tie line at its row spans the table's ends.
TEST_P(ZuTyp3, TieLinesSpanTheirRowsOfTheTables) {
    struct Sample {
        int Run;
        int K;
        int Y;
        int From;
        int To;
    };
    for (const Sample& s :
         {Sample{0, 95, 95, 36, 120}, Sample{1, 191, 190, 87, 258}, Sample{1, 299, 298, 98, 446},
          Sample{3, 163, 163, 376, 462}, Sample{3, 335, 335, 93, 451}}) {
        harness::Menu(form, "&Löschen/Neu");
        Start(s.Run);
        RunTo(s.Run, s.K);
        for (int x : {s.From + 3, (s.From + s.To) / 2, s.To - 3})
            EXPECT_NE(At(x, s.Y), FieldAt(s.Y)) << "row " << s.K << ", x " << x;
        // One row further down the field shows: the line is where the table puts it.
        EXPECT_EQ(At((s.From + s.To) / 2, s.Y + 3), FieldAt(s.Y + 3)) << "row " << s.K;
    }
}

TEST_P(ZuTyp3, EachTieLineIsGoneWithEveryPixelAtTheNextStep) {
    Start(UnitZutyp3::L1);
    RunTo(0, 67);
    const TPixels band = probe.Region(30, 69, 45, 74);
    Run(0, 1);
    EXPECT_FALSE(harness::SamePixels(band, probe.Region(30, 69, 45, 74)));
    Run(0, 1);
    EXPECT_TRUE(harness::SamePixels(band, probe.Region(30, 69, 45, 74)));
    // The solvus rows of L3 one row above the point, each gone at the next.
    harness::Menu(form, "&Löschen/Neu");
    Start(UnitZutyp3::L3);
    RunTo(2, 255);
    const TPixels solvus = probe.Region(150, 256, 280, 261);
    Run(2, 1);
    EXPECT_FALSE(harness::SamePixels(solvus, probe.Region(150, 256, 280, 261)));
    Run(2, 1);
    EXPECT_TRUE(harness::SamePixels(solvus, probe.Region(150, 256, 280, 261)));
}

TEST_P(ZuTyp3, OnlyL1GoesBackToTheTopOnItsLastRowButOne) {
    Start(UnitZutyp3::L1);
    RunTo(0, 367);
    Start(UnitZutyp3::L1); // pauses, and at 367 starts over
    EXPECT_FALSE(form.TimerL1->Enabled());
    EXPECT_EQ((std::array{Unit.Runs[0].TempY, Unit.Runs[0].BildNr}), (std::array{19, 0}));
    Start(UnitZutyp3::L1);
    Run(0, 3);
    EXPECT_TRUE(Shows(0, 0));
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 26 + 7 + 7); // the lines once more
    harness::Menu(form, "&Löschen/Neu");
    Start(UnitZutyp3::L2);
    RunTo(1, 367);
    Start(UnitZutyp3::L2);
    EXPECT_EQ(Unit.Runs[1].TempY, 367);
    Start(UnitZutyp3::L2);
    Run(1, 1);
    EXPECT_EQ(Unit.Runs[1].TempY, 371);
}

TEST_P(ZuTyp3, RunsAreExclusiveAndFinishedRunsStayShut) {
    Start(UnitZutyp3::L3);
    for (int run : {0, 1, 3})
        EXPECT_FALSE(form.StartItems[run]->Enabled());
    EXPECT_FALSE(harness::Menu(form, StartCaption[0]));
    Run(2, 88);
    for (int run : {0, 1, 3})
        EXPECT_TRUE(form.StartItems[run]->Enabled());
    EXPECT_FALSE(form.StartL3->Enabled());
    EXPECT_EQ(At(296, 300), Green);
    Start(UnitZutyp3::L1);
    Run(0, 88);
    EXPECT_FALSE(form.StartL1->Enabled());
    EXPECT_FALSE(form.StartL3->Enabled());
    EXPECT_TRUE(form.StartL2->Enabled());
    // Both alloys stay to be compared.
    EXPECT_EQ(At(48, 300), Purple);
    EXPECT_EQ(At(296, 300), Green);
}

TEST_P(ZuTyp3, ClearingOrEscapeInTheMiddleGivesTheFreshScreen) {
    const TPixels fresh = form.Snapshot();
    Start(UnitZutyp3::L4);
    Run(3, 40);
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 26 + 10);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(26), " " + std::string(58, '-'));
    harness::Menu(form, "&Löschen/Neu");
    EXPECT_FALSE(form.TimerL4->Enabled());
    for (const auto& alloy : Unit.Runs)
        EXPECT_EQ((std::array{alloy.TempY, alloy.BildNr}), (std::array{19, 0}));
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 26);
    Start(UnitZutyp3::L2);
    Run(1, 50);
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_EQ(Unit.Runs[1].TempY, 19);
    harness::Menu(*FormMenue, Command);
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    EXPECT_TRUE(form.StartL2->Enabled());
}

TEST_P(ZuTyp3, ARepaintDuringARunLeavesTheRunGoing) {
    Start(UnitZutyp3::L2);
    Run(1, 40);
    form.Refresh();
    harness::Settle();
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 26);
    EXPECT_NE(At(204, 100), clBlue);
    Run(1, 1);
    harness::Settle();
    EXPECT_EQ(At(204, 100), clBlue); // the next tick's cooling line stays
    EXPECT_TRUE(form.TimerL2->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Screens, ZuTyp3,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
