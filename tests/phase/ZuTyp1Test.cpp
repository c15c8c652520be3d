// Type 1: the static diagram, the cooling animation's keyframes, the lever rule, the erased tie
// lines, the growing microstructure and the commands.

#include "Harness.h"
#include "phase/PhaseDiagram.h"
#include "phase/UnitZutyp1.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

using harness::Pixel;
using UnitZutyp1::Unit;

namespace {

constexpr TColor Yellow = 0x00FFFF;

class ZuTyp1 : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(
            *FormMenue, "Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") "));
        ASSERT_EQ(harness::ActiveForm(), FormZuTyp1);
    }
    // A pixel of the diagram frame.
    TColor At(int x, int y) { return Pixel(form, Unit.DiagLinks + x, Unit.DiagOben + y); }
    int Run(int ticks) { return harness::Ticks(*form.TimerHaupt, ticks); }
    void Start() { harness::Menu(form, "&Start/Stop"); }
    // Whether the frame strip's frame i stands at the frame's place.
    bool ShowsFrame(int i) {
        const TPixels& frame = form.ImageListMkBildung->Frame(i);
        for (int y = 0; y < frame.Height; ++y)
            for (int x = 0; x < frame.Width; ++x)
                if (At(Unit.BildX + x, Unit.BildY + y) != ColorOfPixel(frame.at(x, y)))
                    return false;
        return true;
    }
    TPixels Region(int x0, int y0, int x1, int y1) {
        TPixels out(x1 - x0, y1 - y0);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                out.at(x - x0, y - y0) = PixelOf(At(x, y));
        return out;
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormZuTyp1& form = *FormZuTyp1;
};

TEST_P(ZuTyp1, LaysOutTheLayeredDiagramForTheScreen) {
    const bool large = GetParam().first >= 1024;
    EXPECT_EQ(Unit.DiagLinks, large ? 430 : 265);
    EXPECT_EQ(Unit.DiagOben, large ? 70 : 5);
    for (TPaintBox* layer : {form.PaintBoxHaupt, form.PaintBoxHilfslinien, form.PaintBoxUmwandlung,
                             form.PaintBoxHebel})
        EXPECT_EQ((std::array{layer->Left(), layer->Top(), layer->Width(), layer->Height()}),
                  (std::array{Unit.DiagLinks, Unit.DiagOben, 505, 492}));
    EXPECT_EQ((std::array{form.PaintBoxHand->Top(), form.PaintBoxHand->Height()}),
              (std::array{Unit.DiagOben + 435, 60}));
    EXPECT_EQ((std::array{form.EditMK->Left(), form.EditMK->Top(), form.EditSch->Left()}),
              (std::array{Unit.DiagLinks + 250, Unit.DiagOben + 455, Unit.DiagLinks + 400}));
    auto memo = std::array{form.MemoErlaeuterung->Left(), form.MemoErlaeuterung->Top(),
                           form.MemoErlaeuterung->Width(), form.MemoErlaeuterung->Height()};
    EXPECT_EQ(memo, large ? (std::array{30, 30, 330, 610}) : (std::array{-1, 3, 267, 494}));
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 29);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(28), " (A = 60%, B = 40%).");
    EXPECT_EQ(form.MemoErlaeuterung->Font().Height, large ? 20 : 16);
    // The backdrop of the large layout, in the auxiliary layer's orange.
    EXPECT_EQ(Pixel(form, 25, 400), large ? 0x02ABFD : 0xFF2F2F);
}

TEST_P(ZuTyp1, DrawsTheColourFieldAndBothCurves) {
    EXPECT_EQ(At(2, 2), 0x00D2FF);                // the surface's gold
    EXPECT_EQ(At(30, 50), Yellow);                // melt at the top
    EXPECT_EQ(At(30, 200), 0x0145FF - 256 * 200); // yellow turning red
    EXPECT_EQ(At(30, 350), 905 - 2 * 350);        // red at the bottom
    EXPECT_EQ(At(479, 300), 0x0145FF - 256 * 300);
    EXPECT_NE(At(480, 300), 0x0145FF - 256 * 300); // the lines leave out their end point
    // Solidus 250 − 0.0005 (x − 660)² and liquidus 0.0005 (x + 161)² + 27, in silver.
    EXPECT_EQ(At(300, 185), clSilver); // 185.2
    EXPECT_EQ(At(300, 133), clSilver); // 133.26
    EXPECT_EQ(At(400, 216), clSilver); // 216.2
    EXPECT_EQ(At(400, 184), clSilver); // 184.16
    EXPECT_EQ(At(300, 160), 0x0145FF - 256 * 160);
    // The lever strip below, white on blue.
    EXPECT_EQ(At(300, 480), clBlue);
    EXPECT_EQ(At(50, 467), clWhite);
}

TEST_P(ZuTyp1, CoolingPointFollowsTheTickTableAndEndsOnTick81) {
    Start();
    const std::pair<int, int> keyframes[] = {{3, 29},   {18, 74},  {24, 92},  {25, 95},  {40, 140},
                                             {41, 143}, {46, 158}, {47, 167}, {80, 365}, {81, 371}};
    int ticks = 0;
    for (auto [tick, row] : keyframes) {
        EXPECT_EQ(Run(tick - ticks), tick - ticks);
        ticks = tick;
        EXPECT_EQ(Unit.TempY, row) << "after tick " << tick;
    }
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Run(5), 0);
}

TEST_P(ZuTyp1, ShowsTheLeverRuleRowByRow) {
    Start();
    Run(3);
    EXPECT_EQ(form.EditMK->Text(), "0");
    EXPECT_EQ(form.EditSch->Text(), "100");
    Run(21); // tick 24, the liquidus
    EXPECT_EQ(form.EditMK->Text(), "0");
    const std::pair<std::string, std::string> rows[] = {
        {"7", "93"},  {"14", "86"}, {"22", "78"}, {"29", "71"}, {"36", "64"}, {"42", "58"},
        {"47", "53"}, {"52", "48"}, {"58", "42"}, {"64", "36"}, {"70", "30"}, {"75", "25"},
        {"80", "20"}, {"85", "15"}, {"90", "10"}, {"95", "5"}};
    for (const auto& [mk, melt] : rows) {
        Run(1);
        EXPECT_EQ(form.EditMK->Text(), mk) << "at row " << Unit.TempY;
        EXPECT_EQ(form.EditSch->Text(), melt) << "at row " << Unit.TempY;
    }
    Run(1);
    EXPECT_EQ(Unit.TempY, 143);
    EXPECT_EQ(form.EditMK->Text(), "100");
    EXPECT_EQ(form.EditSch->Text(), "0");
}

TEST(LeverRule, TruncatesTheWholePercent) {
    EXPECT_EQ(PhaseDiagram::LeverRule(247, 198, 133), 42.0f); // 4900 / 114 = 42.98
    EXPECT_EQ(PhaseDiagram::LeverRule(205, 198, 106), 7.0f);  // 700 / 99
    EXPECT_EQ(PhaseDiagram::LeverRule(198, 198, 100), 0.0f);
    EXPECT_EQ(PhaseDiagram::LeverRule(150, 198, 150), 0.0f); // no tie line: nothing to divide
}

TEST_P(ZuTyp1, DrawsTheMicrostructureFramesAtTheirTicks) {
    ASSERT_EQ(form.ImageListMkBildung->Count(), 19);
    Start();
    Run(3);
    EXPECT_TRUE(ShowsFrame(0));
    EXPECT_EQ(At(Unit.BildX - 27, Unit.BildY), clBlue); // the box's outline
    EXPECT_EQ(At(Unit.BildX - 10, Unit.BildY), Yellow);
    Run(21);
    EXPECT_TRUE(ShowsFrame(1));
    Run(1);
    EXPECT_TRUE(ShowsFrame(2));
    Run(15);
    EXPECT_TRUE(ShowsFrame(17));
    Run(1);
    EXPECT_TRUE(ShowsFrame(18));
    Run(100);
    EXPECT_TRUE(ShowsFrame(18));
}

TEST_P(ZuTyp1, ErasesEachTieLineCompletelyAtTheNextStep) {
    Start();
    Run(24);
    // The band the row-95 tie line crosses, away from the curves and the cooling line.
    const TPixels before = Region(120, 93, 191, 97);
    Run(1);
    EXPECT_FALSE(harness::SamePixels(before, Region(120, 93, 191, 97)));
    Run(1);
    EXPECT_TRUE(harness::SamePixels(before, Region(120, 93, 191, 97)));
}

TEST_P(ZuTyp1, LeavesBothPermanentTieLinesAfterTheRun) {
    Start();
    Run(81);
    EXPECT_EQ(At(150, 92), clBlue);
    EXPECT_EQ(At(260, 143), clBlue);
    EXPECT_EQ(At(198, 300), clBlue); // the cooling line
    EXPECT_EQ(form.EditMK->Text(), "100");
    EXPECT_EQ(form.EditSch->Text(), "0");
    // The auxiliary lines of both rows, not-xor red over the colour field.
    EXPECT_NE(At(319, 250), 0x0145FF - 256 * 250);
    EXPECT_NE(At(100, 250), 0x0145FF - 256 * 250);
}

TEST_P(ZuTyp1, StartStopPausesAndResumesWithoutLoss) {
    Start();
    Run(10);
    Start();
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Run(10), 0);
    EXPECT_EQ(Unit.TempY, 50);
    harness::Key(form, 'X'); // any key does the same
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    Run(1);
    EXPECT_EQ(Unit.TempY, 53);
}

TEST_P(ZuTyp1, AKeyAfterTheEndReplaysFromTheStart) {
    const TPixels fresh = form.Snapshot();
    harness::Key(form, VK_SPACE);
    Run(81);
    EXPECT_FALSE(harness::SamePixels(fresh, form.Snapshot()));
    harness::Key(form, VK_RETURN);
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.TempY, 20);
    EXPECT_EQ(Unit.BildNr, 0);
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    Run(3);
    EXPECT_TRUE(ShowsFrame(0));
}

TEST_P(ZuTyp1, ClearingOrClosingGivesTheFreshPictureAgain) {
    const TPixels fresh = form.Snapshot();
    Start();
    Run(50);
    harness::Menu(form, "&Löschen/Neu");
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.TempY, 20);
    EXPECT_EQ(form.EditMK->Text(), "");
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    Start();
    Run(30);
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_EQ(Unit.TempY, 20);
    harness::Menu(*FormMenue,
                  "Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") ");
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
}

TEST_P(ZuTyp1, ARepaintDuringTheRunRemovesTheAnimation) {
    const TPixels fresh = form.Snapshot();
    Start();
    Run(30);
    form.Refresh();
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.TempY, 110);
}

TEST_P(ZuTyp1, AClickOnTheHandAreaDrawsTheLeverOverEverything) {
    EXPECT_NE(At(198, 300), clWhite);
    EXPECT_TRUE(form.MouseDown(mbLeft, Unit.DiagLinks + 200, Unit.DiagOben + 460));
    EXPECT_EQ(At(198, 300), clWhite); // the alloy's vertical
    EXPECT_EQ(At(176, 104), clWhite); // the lever
    EXPECT_EQ(At(110, 127), 0x000080);
    EXPECT_EQ(At(215, 126), 0x0080FF);
    EXPECT_EQ(form.PaintBoxHand->Cursor, crHandPoint);
    form.Refresh();
    EXPECT_NE(At(198, 300), clWhite);
    // Above the hand area the diagram takes no clicks.
    EXPECT_FALSE(form.MouseDown(mbLeft, Unit.DiagLinks + 200, Unit.DiagOben + 200));
}

INSTANTIATE_TEST_SUITE_P(Screens, ZuTyp1,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
