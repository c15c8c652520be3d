// Type 4: the peritectic diagram, its three runs with their tie lines, boundary pieces and
// frames, the α → β inset beside them, and the commands.

#include "AlloyRunsTesting.h"
#include "Harness.h"
#include "phase/UnitZutyp4.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

using harness::Pixel;
using UnitZutyp4::Unit;

namespace {

constexpr TColor Purple = 0x800080;
constexpr TColor Green = 0x008000;

TColor FieldAt(int y) {
    return y <= 325 ? 0x0145FF - 256 * y : 905 - 2 * y;
}

class ZuTyp4 : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, Command));
        ASSERT_EQ(harness::ActiveForm(), FormZuTyp4);
    }
    static constexpr const char* Command =
        "Peritektisches System mit begrenzter Löslichkeit (\"Typ 4\")";
    static constexpr const char* StartCaption[] = {"Start/Stop L&1", "Start/Stop L&2",
                                                   "Start/Stop L&3"};
    static constexpr const char* Inset = "&Start/Stop Alpha in Beta ";
    TColor At(int x, int y) { return probe.At(x, y); }
    void Start(int run) { harness::Menu(form, StartCaption[run]); }
    int Run(int run, int ticks) { return harness::Ticks(*form.RunTimers[run], ticks); }
    // Ticks until the run's cooling point reaches row k (tick n reaches 20 + 4n).
    void RunTo(int run, int k) { Run(run, (k - Unit.Runs[run].TempY) / 4); }
    bool Shows(int run, int frame) { return probe.ShowsFrame(run, frame); }
    bool InsetShows(int frame) {
        const TPixels& f = form.ImageListAinB->Frame(frame);
        for (int y = 0; y < f.Height; ++y)
            for (int x = 0; x < f.Width; ++x)
                if (At(380 + x, 80 + y) != ColorOfPixel(f.at(x, y)))
                    return false;
        return true;
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormZuTyp4& form = *FormZuTyp4;
    alloyruns::Probe probe{form, Unit};
};

TEST_P(ZuTyp4, LaysOutTheDiagramItsTextAndTheInsetCommand) {
    const bool large = GetParam().first >= 1024;
    const int left = large ? 430 : 265;
    for (TPaintBox* layer : {form.PaintBoxHaupt, form.PaintBoxUmwandlung})
        EXPECT_EQ((std::array{layer->Left(), layer->Top(), layer->Width(), layer->Height()}),
                  (std::array{left, large ? 70 : 5, 505, 492}));
    auto memo = std::array{form.MemoErlaeuterung->Left(), form.MemoErlaeuterung->Top(),
                           form.MemoErlaeuterung->Width(), form.MemoErlaeuterung->Height()};
    EXPECT_EQ(memo, large ? (std::array{30, 40, 370, 590}) : (std::array{3, 3, 265, 494}));
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 26);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(7), " beginnt an der Öberfläche der zuerst");
    EXPECT_EQ(Pixel(form, 25, 400), large ? 0x02ABFD : 0xFF2F2F);
    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"StartL1", StartCaption[0]},
                                    {"StartL2", StartCaption[1]},
                                    {"StartL3", StartCaption[2]},
                                    {"AinB", Inset},
                                    {"Neu", "&Löschen/Neu"},
                                    {"ESCAPE", "ESCAPE"}});
}

TEST_P(ZuTyp4, DrawsThePeritecticDiagramWithItsEmptyInset) {
    EXPECT_EQ(At(400, 120), clWhite);  // the inset box
    EXPECT_EQ(At(360, 120), 165);      // outlined with the colour field's last pen
    EXPECT_EQ(At(200, 85), clSilver);  // liquidus A*–P, 84.96
    EXPECT_EQ(At(60, 121), clSilver);  // α solidus, 120.62
    EXPECT_EQ(At(100, 201), clSilver); // α solvus, 201.4
    EXPECT_EQ(At(400, 239), clSilver); // β solidus, 238.71
    EXPECT_EQ(At(420, 220), clSilver); // liquidus P–B*, 219.86
    EXPECT_EQ(At(200, 180), clSilver); // the peritectic line
    int dots = 0;
    for (int y = 190; y < 360; ++y)
        dots += At(296, y) == clSilver;
    EXPECT_GT(dots, 40);
    EXPECT_LT(dots, 130);
}

TEST_P(ZuTyp4, EveryRunTakesEightyEightTicks) {
    for (int run = 0; run < 3; ++run) {
        harness::Menu(form, "&Löschen/Neu");
        Start(run);
        EXPECT_EQ(Run(run, 3), 3);
        EXPECT_EQ(Unit.Runs[run].TempY, 32);
        EXPECT_EQ(Run(run, 100), 85) << "run " << run;
        EXPECT_EQ(Unit.Runs[run].TempY, 372);
        EXPECT_FALSE(form.StartItems[run]->Enabled());
        EXPECT_LE(Unit.Runs[run].BildNr, form.RunStrips[run]->Count());
    }
}

TEST_P(ZuTyp4, EachRunDrawsItsFramesAtTheirRows) {
    struct Cue {
        int K;
        int Frame;
    };
    const std::vector<std::vector<Cue>> cues{
        {{32, 0},
         {92, 1},
         {108, 5},
         {112, 5},
         {116, 6},
         {172, 12},
         {180, 13},
         {184, 14},
         {212, 14},
         {216, 15},
         {336, 19},
         {368, 20}},
        {{32, 0}, {136, 1}, {172, 7}, {180, 8}, {184, 9}, {248, 11}, {340, 14}, {368, 15}},
        {{32, 0}, {168, 1}, {176, 3}, {180, 4}, {184, 5}, {204, 10}, {208, 11}, {360, 11}},
    };
    for (int run = 0; run < 3; ++run) {
        harness::Menu(form, "&Löschen/Neu");
        Start(run);
        for (const Cue& cue : cues[static_cast<std::size_t>(run)]) {
            RunTo(run, cue.K);
            EXPECT_TRUE(Shows(run, cue.Frame)) << "run " << run << " row " << cue.K;
        }
    }
    EXPECT_EQ(At(Unit.Runs[2].BildX - 2, 440), Green); // the box's outline
    EXPECT_EQ(At(Unit.Runs[2].BildX, 397), clSilver);  // the label's background
}

TEST_P(ZuTyp4, TieLinesSpanTheirRowsAndGoAtTheNextStep) {
    struct Sample {
        int Run;
        int K;
        int From;
        int To;
    };
    for (const Sample& s :
         {Sample{0, 104, 51, 243}, Sample{1, 300, 77, 313}, Sample{2, 196, 321, 388}}) {
        harness::Menu(form, "&Löschen/Neu");
        Start(s.Run);
        RunTo(s.Run, s.K - 4);
        // Left of the cooling line, which grows down through the band meanwhile.
        const int right = Unit.Runs[s.Run].LegierungX - 3;
        const TPixels band = probe.Region(s.From + 3, s.K - 1, right, s.K + 2);
        Run(s.Run, 1);
        for (int x : {s.From + 3, (s.From + s.To) / 2, s.To - 3})
            EXPECT_NE(At(x, s.K), FieldAt(s.K)) << "row " << s.K << ", x " << x;
        Run(s.Run, 1);
        EXPECT_TRUE(harness::SamePixels(band, probe.Region(s.From + 3, s.K - 1, right, s.K + 2)))
            << "row " << s.K;
    }
}

TEST_P(ZuTyp4, TheInsetRunsItsSeventeenPicturesBesideARun) {
    Start(UnitZutyp4::L2);
    harness::Menu(form, Inset);
    EXPECT_FALSE(form.StartL3->Enabled());
    EXPECT_TRUE(form.AinB->Enabled()); // the inset is no run: its command stays open
    for (int tick = 0; tick < 17; ++tick) {
        Run(1, 1);
        EXPECT_EQ(harness::Ticks(*form.TimerAinB, 1), 1);
        EXPECT_TRUE(InsetShows(tick)) << tick;
        // Each writes with its own brush: the run's title on silver, the captions on black.
        EXPECT_EQ(At(228, 22), clSilver);
        EXPECT_EQ(At(372, 62), clBlack);
        EXPECT_EQ(At(438, 62), clBlack);
    }
    EXPECT_FALSE(form.TimerAinB->Enabled());
    EXPECT_FALSE(form.AinB->Enabled());
    EXPECT_EQ(Unit.BildNrAinB, 17);
    EXPECT_TRUE(form.TimerL2->Enabled());
    harness::Menu(form, "&Löschen/Neu");
    EXPECT_TRUE(form.AinB->Enabled());
    EXPECT_EQ(Unit.BildNrAinB, 0);
    EXPECT_EQ(At(400, 120), clWhite);
}

TEST_P(ZuTyp4, TheInsetPausesAndResumes) {
    harness::Menu(form, Inset);
    harness::Ticks(*form.TimerAinB, 5);
    harness::Menu(form, Inset);
    EXPECT_FALSE(form.TimerAinB->Enabled());
    EXPECT_EQ(harness::Ticks(*form.TimerAinB, 5), 0);
    harness::Menu(form, Inset);
    harness::Ticks(*form.TimerAinB, 1);
    EXPECT_TRUE(InsetShows(5));
}

TEST_P(ZuTyp4, EveryRunGoesBackToTheTopOnItsLastRowButOne) {
    Start(UnitZutyp4::L2);
    RunTo(1, 368);
    Start(UnitZutyp4::L2); // pauses, and at 368 starts over
    EXPECT_FALSE(form.TimerL2->Enabled());
    EXPECT_EQ((std::array{Unit.Runs[1].TempY, Unit.Runs[1].BildNr}), (std::array{20, 0}));
    Start(UnitZutyp4::L2);
    Run(1, 3);
    EXPECT_TRUE(Shows(1, 0));
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 26 + 13 + 13);
}

TEST_P(ZuTyp4, FinishedRunsStayForComparisonUntilCleared) {
    const TPixels fresh = form.Snapshot();
    Start(UnitZutyp4::L1);
    Run(0, 88);
    EXPECT_TRUE(form.StartL2->Enabled());
    EXPECT_TRUE(form.StartL3->Enabled());
    Start(UnitZutyp4::L3);
    Run(2, 88);
    EXPECT_FALSE(form.StartL1->Enabled());
    EXPECT_TRUE(form.StartL2->Enabled());
    EXPECT_EQ(At(204, 300), clBlue);
    EXPECT_EQ(At(342, 300), Green);
    EXPECT_EQ(At(200, 368), clBlue); // L1's line at the bottom
    Start(UnitZutyp4::L2);
    Run(1, 30);
    harness::Menu(form, "&Löschen/Neu");
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    for (const auto& alloy : Unit.Runs)
        EXPECT_EQ((std::array{alloy.TempY, alloy.BildNr}), (std::array{20, 0}));
    for (TMenuItem* item : form.StartItems)
        EXPECT_TRUE(item->Enabled());
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 26);
}

TEST_P(ZuTyp4, EscapeResetsEverythingAndClosesTheScreen) {
    const TPixels fresh = form.Snapshot();
    Start(UnitZutyp4::L1);
    harness::Menu(form, Inset);
    Run(0, 50);
    harness::Ticks(*form.TimerAinB, 4);
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_FALSE(form.TimerL1->Enabled());
    EXPECT_FALSE(form.TimerAinB->Enabled());
    EXPECT_EQ((std::array{Unit.Runs[0].TempY, Unit.BildNrAinB}), (std::array{20, 0}));
    EXPECT_FALSE(form.ImageListAinB->Decoded());
    harness::Menu(*FormMenue, Command);
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
}

INSTANTIATE_TEST_SUITE_P(Screens, ZuTyp4,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
