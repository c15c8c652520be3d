// Type 2: the eutectic diagram without solid solubility, its three runs with their tie lines,
// lever boxes and frames, the lever strips and illustrations, and the commands.

#include "AlloyRunsTesting.h"
#include "Harness.h"
#include "phase/PhaseDiagram.h"
#include "phase/UnitZutyp2.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

using harness::Pixel;
using UnitZutyp2::Unit;

namespace {

constexpr TColor Gold = 0x00D2FF;
constexpr TColor Violet = 8388672;
constexpr TColor StripGreen = 4227072;
constexpr TColor RunGreen = 0x008000;

class ZuTyp2 : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, Command));
        ASSERT_EQ(harness::ActiveForm(), FormZuTyp2);
    }
    static constexpr const char* Command = "Vollkommene &Löslichkeit im flüssigen und vollkommene "
                                           "Unlöslichkeit im festen Zustand (\"Typ 2\")";
    static constexpr const char* StartCaption[] = {
        "Start/Stop &untereutektisch", "Start/Stop &eutektisch", "Start/Stop &übereutektisch"};
    TColor At(int x, int y) { return probe.At(x, y); }
    TPixels Region(int x0, int y0, int x1, int y1) { return probe.Region(x0, y0, x1, y1); }
    bool ShowsFrame(int run, int i) { return probe.ShowsFrame(run, i); }
    void Start(int run) { harness::Menu(form, StartCaption[run]); }
    int Run(int run, int ticks) { return harness::Ticks(*form.RunTimers[run], ticks); }
    using Texts = std::pair<std::string, std::string>;
    Texts Boxes(int run) {
        if (run == UnitZutyp2::Unter)
            return {form.EditA->Text(), form.EditSch1->Text()};
        return {form.EditB->Text(), form.EditSch2->Text()};
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormZuTyp2& form = *FormZuTyp2;
    alloyruns::Probe probe{form, Unit};
};

TEST_P(ZuTyp2, LaysOutTheLayersStripsAndBoxesForTheScreen) {
    const bool large = GetParam().first >= 1024;
    const int left = large ? 430 : 275;
    const int top = large ? 70 : 5;
    EXPECT_EQ((std::array{Unit.DiagLinks, Unit.DiagOben}), (std::array{left, top}));
    for (TPaintBox* layer : {form.PaintBoxHaupt, form.PaintBoxHilfslinien, form.PaintBoxUmwandlung})
        EXPECT_EQ((std::array{layer->Left(), layer->Top(), layer->Width(), layer->Height()}),
                  (std::array{left, top, 505, 492}));
    EXPECT_EQ((std::array{form.PaintBoxHebel1->Left(), form.PaintBoxHebel2->Left(),
                          form.PaintBoxHebel2->Width(), form.PaintBoxHebel2->Height()}),
              (std::array{left, left + 252, 252, 492}));
    // The click areas' top is 492 − DiagOben − 70, not counted from the diagram's top.
    const int handTop = large ? 352 : 417;
    EXPECT_EQ((std::array{form.PaintBoxHand1->Top(), form.PaintBoxHand2->Left(),
                          form.PaintBoxHand2->Height()}),
              (std::array{handTop, left + 252, 60}));
    EXPECT_EQ(
        (std::array{form.EditA->Left(), form.EditA->Top(), form.EditSch1->Top(), form.EditB->Left(),
                    form.EditSch2->Top(), form.EditB->Width(), form.EditB->Height()}),
        (std::array{left + 195, top + 430, top + 460, left + 452, top + 460, 50, 20}));
    auto memo = std::array{form.MemoErlaeuterung->Left(), form.MemoErlaeuterung->Top(),
                           form.MemoErlaeuterung->Width(), form.MemoErlaeuterung->Height()};
    EXPECT_EQ(memo, large ? (std::array{30, 40, 330, 590}) : (std::array{1, 3, 270, 494}));
    EXPECT_EQ(form.MemoErlaeuterung->Font().Height, large ? 20 : 16);
    EXPECT_EQ(form.StatusBarHint->SimpleText(), "ESC = Abbruch");
    EXPECT_EQ(Pixel(form, 25, 400), large ? 0x02ABFD : 0xFF2F2F);
    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"Startunter", StartCaption[0]},
                                    {"Starteutektisch", StartCaption[1]},
                                    {"Startueber", StartCaption[2]},
                                    {"Neu", "&Löschen/Neu"},
                                    {"ESCAPE", "ESCAPE"}});
    EXPECT_FALSE(form.ESCAPE->Visible);
}

TEST_P(ZuTyp2, DrawsTheVShapedLiquidusAndTheLeverStrips) {
    EXPECT_EQ(At(2, 2), Gold);
    EXPECT_EQ(At(150, 50), 0x00FFFF);              // melt at the top
    EXPECT_EQ(At(150, 300), 0x0145FF - 256 * 300); // yellow turning red
    EXPECT_EQ(At(150, 350), 905 - 2 * 350);
    // 0.0013 (x + 70)² + 48 down to C and 0.0011 (x − 677)² + 62 up to B*, in silver.
    EXPECT_EQ(At(100, 86), clSilver);  // 85.57
    EXPECT_EQ(At(250, 181), clSilver); // 181.12
    EXPECT_EQ(At(400, 146), clSilver); // 146.40
    EXPECT_EQ(At(150, 222), clSilver); // the eutectic line
    EXPECT_EQ(At(150, 160), 0x0145FF - 256 * 160);
    // Run 1's strip left of the middle, run 3's right of it, each with its white outline.
    EXPECT_EQ(At(248, 488), Violet);
    EXPECT_EQ(At(256, 488), StripGreen);
    EXPECT_EQ(At(100, 420), clWhite);
    EXPECT_EQ(At(300, 420), clWhite);
    EXPECT_EQ(At(20, 457), clWhite); // run 1's fraction line
    EXPECT_EQ(At(252 + 40, 457), clWhite);
}

TEST_P(ZuTyp2, EveryRunTakesFiftyNineTicksWithTheKinkAtTheEutecticLine) {
    for (int run = 0; run < 3; ++run) {
        harness::Menu(form, "&Löschen/Neu");
        Start(run);
        const std::pair<int, int> rows[] = {{2, 30}, {50, 222}, {51, 242}, {58, 354}, {59, 370}};
        int ticks = 0;
        for (auto [tick, row] : rows) {
            EXPECT_EQ(Run(run, tick - ticks), tick - ticks);
            ticks = tick;
            EXPECT_EQ(Unit.Runs[run].TempY, row) << "run " << run << " tick " << tick;
        }
        EXPECT_FALSE(form.RunTimers[run]->Enabled());
        EXPECT_EQ(Run(run, 5), 0);
    }
}

TEST_P(ZuTyp2, Run1ShowsTheLeverRuleAndTheFrameOfEveryRow) {
    Start(UnitZutyp2::Unter);
    Run(0, 2);
    EXPECT_TRUE(ShowsFrame(0, 0));
    EXPECT_EQ(Boxes(0), Texts("0", "100"));
    // The lever boxes of every row, as the table of the tie lines gives them; the frame index
    // advances after the liquidus frame.
    const std::pair<const char*, const char*> boxes[] = {
        {"0", "100"}, {"2", "98"},  {"4", "96"},  {"7", "93"},  {"9", "91"},
        {"11", "89"}, {"14", "86"}, {"15", "85"}, {"18", "82"}, {"20", "80"},
        {"21", "79"}, {"23", "77"}, {"24", "76"}, {"26", "74"}, {"27", "73"},
        {"28", "72"}, {"29", "71"}, {"30", "70"}, {"31", "69"}};
    Run(0, 28);
    for (int row = 0; row < 19; ++row) {
        Run(0, 1);
        EXPECT_EQ(Unit.Runs[0].TempY, 146 + 4 * row);
        EXPECT_EQ(Boxes(0), Texts(boxes[row].first, boxes[row].second))
            << "row " << Unit.Runs[0].TempY;
        EXPECT_TRUE(ShowsFrame(0, row + 1)) << "row " << Unit.Runs[0].TempY;
    }
    Run(0, 1);
    EXPECT_EQ(Boxes(0), Texts("33", "0"));
    EXPECT_TRUE(ShowsFrame(0, 20));
    EXPECT_EQ(form.EditB->Text(), "");
}

// Run 3's lever divides two negative distances, truncating toward zero.
TEST_P(ZuTyp2, Run3ShowsTheLeverRuleOfTwoNegativeDistances) {
    Start(UnitZutyp2::Ueber);
    const std::pair<const char*, const char*> boxes[] = {
        {"0", "100"}, {"6", "94"},  {"10", "90"}, {"14", "86"}, {"19", "81"}, {"23", "77"},
        {"26", "74"}, {"30", "70"}, {"33", "67"}, {"36", "64"}, {"38", "62"}, {"40", "60"},
        {"42", "58"}, {"44", "56"}, {"45", "55"}, {"47", "53"}, {"48", "52"}};
    Run(2, 32);
    for (int row = 0; row < 17; ++row) {
        Run(2, 1);
        EXPECT_EQ(Unit.Runs[2].TempY, 154 + 4 * row);
        EXPECT_EQ(Boxes(2), Texts(boxes[row].first, boxes[row].second))
            << "row " << Unit.Runs[2].TempY;
        EXPECT_TRUE(ShowsFrame(2, row + 1)) << "row " << Unit.Runs[2].TempY;
    }
    Run(2, 1);
    EXPECT_EQ(Boxes(2), Texts("50", "0"));
    EXPECT_TRUE(ShowsFrame(2, 18));
    EXPECT_EQ(form.EditA->Text(), "");
    EXPECT_EQ(PhaseDiagram::LeverRule(301, 388, 480), 48.0f); // −8700 / −179 = 48.6
}

TEST_P(ZuTyp2, TheEutecticRunTurnsToEutecticAtTheEutecticLine) {
    Start(UnitZutyp2::Eutek);
    Run(1, 2);
    EXPECT_TRUE(ShowsFrame(1, 0));
    EXPECT_EQ(At(208, 300), clBlue); // the picture's blue box
    Run(1, 47);
    EXPECT_TRUE(ShowsFrame(1, 0));
    Run(1, 1);
    EXPECT_TRUE(ShowsFrame(1, 1));
    EXPECT_EQ(At(296, 150), clBlue);
    EXPECT_EQ(At(100, 222), clBlue);
    EXPECT_EQ(form.EditA->Text(), "");
    EXPECT_EQ(form.EditB->Text(), "");
}

TEST_P(ZuTyp2, EachTieLineIsGoneWithEveryPixelAtTheNextStep) {
    Start(UnitZutyp2::Unter);
    Run(0, 31); // the liquidus row 146
    // The band of the row-150 tie line and the column of its vertical at x 208, away from the
    // curves, the cooling line and the axis.
    const TPixels band = Region(30, 147, 190, 153);
    const TPixels column = Region(205, 160, 212, 360);
    Run(0, 1);
    EXPECT_FALSE(harness::SamePixels(band, Region(30, 147, 190, 153)));
    EXPECT_FALSE(harness::SamePixels(column, Region(205, 160, 212, 360)));
    EXPECT_EQ(At(100, 150), ColorOfPixel(~PixelOf(0x0145FF - 256 * 150) | 0xFF000000u));
    Run(0, 1);
    EXPECT_TRUE(harness::SamePixels(band, Region(30, 147, 190, 153)));
    EXPECT_TRUE(harness::SamePixels(column, Region(205, 160, 212, 360)));
    // The liquidus row's line stays, in the run's black.
    EXPECT_EQ(At(100, 146), clBlack);
}

TEST_P(ZuTyp2, BelowTheEutecticLineThePureComponentsGrowTheirVerticals) {
    Start(UnitZutyp2::Ueber);
    Run(2, 50);
    EXPECT_NE(At(20, 232), RunGreen);
    Run(2, 1);
    EXPECT_EQ(At(20, 232), RunGreen);
    EXPECT_EQ(At(480, 232), RunGreen);
    EXPECT_EQ(At(388, 232), RunGreen);
    EXPECT_EQ(At(370, 222), RunGreen);
}

TEST_P(ZuTyp2, RunsAreExclusiveUntilTheyFinish) {
    Start(UnitZutyp2::Unter);
    EXPECT_FALSE(form.Starteutektisch->Enabled());
    EXPECT_FALSE(form.Startueber->Enabled());
    EXPECT_FALSE(harness::Menu(form, StartCaption[1]));
    Run(0, 10);
    Start(UnitZutyp2::Unter); // pause
    EXPECT_FALSE(form.TimerUnter->Enabled());
    EXPECT_EQ(Run(0, 10), 0);
    EXPECT_FALSE(form.Startueber->Enabled());
    Start(UnitZutyp2::Unter); // resume
    EXPECT_EQ(Run(0, 100), 49);
    EXPECT_FALSE(form.Startunter->Enabled());
    EXPECT_TRUE(form.Starteutektisch->Enabled());
    EXPECT_TRUE(form.Startueber->Enabled());
    Start(UnitZutyp2::Ueber);
    Run(2, 59);
    EXPECT_TRUE(form.Starteutektisch->Enabled());
    EXPECT_FALSE(form.Startueber->Enabled());
    Start(UnitZutyp2::Eutek);
    Run(1, 59);
    for (TMenuItem* item : form.StartItems)
        EXPECT_FALSE(item->Enabled());
    // The drawings of all three runs stay to be compared.
    EXPECT_EQ(At(204, 300), clBlack);
    EXPECT_EQ(At(296, 100), clBlue);
    EXPECT_EQ(At(388, 100), RunGreen);
    harness::Menu(form, "&Löschen/Neu");
    for (TMenuItem* item : form.StartItems)
        EXPECT_TRUE(item->Enabled());
}

TEST_P(ZuTyp2, ClearingInTheMiddleOfARunGivesTheFreshScreen) {
    const TPixels fresh = form.Snapshot();
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 28);
    Start(UnitZutyp2::Ueber);
    Run(2, 40);
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 28 + 12);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(29), " L(3) übereutektisch ");
    harness::Menu(form, "&Löschen/Neu");
    EXPECT_FALSE(form.TimerUeber->Enabled());
    for (const auto& alloy : Unit.Runs)
        EXPECT_EQ((std::array{alloy.TempY, alloy.BildNr}), (std::array{22, 0}));
    for (TEdit* box : {form.EditA, form.EditSch1, form.EditB, form.EditSch2})
        EXPECT_EQ(box->Text(), "");
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 28);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(27), "     Bereich (B > 60%, A < 40%)");
    // The run starts again from the top.
    Start(UnitZutyp2::Ueber);
    Run(2, 2);
    EXPECT_TRUE(ShowsFrame(2, 0));
    EXPECT_EQ(Unit.Runs[2].BildNr, 1);
}

TEST_P(ZuTyp2, EscapeResetsAndClosesWhileARunIsGoing) {
    const TPixels fresh = form.Snapshot();
    Start(UnitZutyp2::Unter);
    Run(0, 35);
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_FALSE(form.TimerUnter->Enabled());
    EXPECT_EQ(Unit.Runs[0].TempY, 22);
    EXPECT_FALSE(form.RunStrips[0]->Decoded()); // a closed screen holds no frames
    harness::Menu(*FormMenue, Command);
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    EXPECT_TRUE(form.Startunter->Enabled());
}

// The paint puts the general text back without painting again: what a tick draws afterwards
// stays on the screen.
TEST_P(ZuTyp2, ARepaintRestoresTheDiagramAndTextAndPaintsOnlyOnce) {
    const TPixels fresh = form.Snapshot();
    Start(UnitZutyp2::Unter);
    Run(0, 31);
    form.Refresh();
    harness::Settle();
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 28);
    EXPECT_TRUE(form.TimerUnter->Enabled());
    Run(0, 1);
    harness::Settle();
    EXPECT_TRUE(ShowsFrame(0, 2));
    EXPECT_EQ(Unit.Runs[0].TempY, 150);
}

TEST_P(ZuTyp2, AClickOnAHandAreaDrawsItsLever) {
    EXPECT_NE(At(204, 300), clWhite);
    const int handTop = form.PaintBoxHand1->Top();
    EXPECT_TRUE(form.MouseDown(mbLeft, Unit.DiagLinks + 100, handTop + 30));
    EXPECT_EQ(At(204, 300), clWhite); // the alloy's vertical
    EXPECT_EQ(At(120, 174), clWhite); // the lever
    EXPECT_EQ(At(28, 181), 0x000080);
    EXPECT_EQ(At(206, 197), 0x0080FF);
    EXPECT_EQ(form.PaintBoxHand1->Cursor, crHandPoint);
    EXPECT_TRUE(form.MouseDown(mbLeft, Unit.DiagLinks + 300, handTop + 30));
    EXPECT_EQ(At(252 + 136, 300), clWhite);
    EXPECT_EQ(At(252 + 170, 174), clWhite);
    EXPECT_EQ(At(252 + 186, 197), 0x0080FF);
    form.Refresh();
    EXPECT_NE(At(204, 300), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Screens, ZuTyp2,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
