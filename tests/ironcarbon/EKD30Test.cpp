// The cooling of a cast iron with 3.0 % carbon: what differs from the steels in layout, memo and
// menu, and its script: odd step values, markers 14 pixels high on yellow, caption rows fixed in
// pixels for the upper slots, the eutectic line, the marker in the pearlite caption's colours, and
// an end that leaves the counter at 401.

#include "CoolingScreenTesting.h"
#include "ironcarbon/UnitEKD30.h"
#include "platform/Keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextEdit>

using UnitEKD30::Unit;
using namespace cooling_testing;

namespace {

constexpr const char* Command = "Abkühlung bei C = 3.0 %";
constexpr int StartY = 21;
constexpr int TicksToEnd = 190;
constexpr int FirstPictureTick = 64; // K = 149
constexpr int MarkerCell = 14;       // pixels, at every scale
// The caption rows of the upper slots, in pixels at every scale.
constexpr int CaptionRowA1 = 104;
constexpr int CaptionRowA2 = 224;
constexpr int FrameTopA2 = 123;

class EKD30 : public CoolingScreenTest {
protected:
    EKD30() : CoolingScreenTest([]() -> TCoolingScreen* { return FormEKD30; }, Command) {}
    // The slot column's left edge, and the lower slots' rows, which follow the scale.
    int SlotLeft() const { return X(10); }
    int FrameTopB1() const { return Y(240); }
    int FrameTopB2() const { return Y(240, 125); }
    int CaptionRowB1() const { return Y(240, 101); }
    int CaptionRowB2() const { return Y(240, 226); }
    // Runs on until the step value k.
    void RunTo(int k) { Run((k - Unit.AbkuehlY) / 2); }

    TFormEKD30& form = *FormEKD30;
};

TEST_P(EKD30, LaysOutTheLowerMemoFurtherRightAndHoldsSixteenAndTenFrames) {
    if (Large()) {
        EXPECT_EQ((std::array{form.Width(), form.Height()}), (std::array{1024, 768}));
        EXPECT_EQ(Bounds(*form.MemoErlaeuterung), (std::array{563, 1, 461, 384}));
        EXPECT_EQ(form.MemoErlaeuterung->Font().Height, 20);
    } else {
        EXPECT_EQ((std::array{form.Width(), form.Height()}), (std::array{800, 600}));
        EXPECT_EQ(Bounds(*form.MemoErlaeuterung), (std::array{440, 1, 360, 300}));
        EXPECT_EQ(form.MemoErlaeuterung->Font().Height, 16);
    }
    EXPECT_EQ(Bounds(*form.PaintBoxUmwandlung), Bounds(*form.PaintBoxHaupt));
    EXPECT_EQ(form.Caption(),
              "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 3.0 Gew.% (Gußeisen)");
    EXPECT_EQ(form.PanelMax->Name, "PanelMax");
    EXPECT_EQ(form.ImageListSchAuLede->Count(), 16);
    EXPECT_EQ(form.ImageListLedePer->Count(), 10);
    EXPECT_EQ((std::array{Unit.AbkuehlY, Unit.BildNrA, Unit.BildNrB}), (std::array{StartY, 0, 0}));
}

TEST_P(EKD30, TheMemoWrapsItsWordsAndTakesTabAsText) {
    TMemo& memo = *form.MemoErlaeuterung;
    EXPECT_EQ(memo.Color(), 0x80FFFF);
    ASSERT_EQ(memo.LinesCount(), 18);
    EXPECT_EQ(memo.LinesGet(0), "Nach dem Unterschreiten der Liquiduslinie bei  1300°C (1) ");
    EXPECT_EQ(memo.LinesGet(6), "");
    EXPECT_EQ(memo.LinesGet(14), "Ledeburit  entlang Linie E-S Sekundärzementit aus.");
    EXPECT_EQ(memo.LinesGet(17), "Perlit.");
    auto* edit = static_cast<QTextEdit*>(memo.Widget());
    EXPECT_EQ(edit->lineWrapMode(), QTextEdit::WidgetWidth);

    harness::Key(form, VK_F1);
    ASSERT_TRUE(memo.Visible());
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
    QCoreApplication::sendEvent(edit, &tab);
    harness::Settle();
    bool typed = false;
    for (int i = 0; i < memo.LinesCount(); ++i)
        typed = typed || memo.LinesGet(i).find('\t') != std::string::npos;
    EXPECT_TRUE(typed);
}

TEST_P(EKD30, ListsEscBeforeNeuAndEscCloses) {
    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"Textja", "&Text ja/nein"},
                                    {"Start", "&Start/Abkühlung mit Regler"},
                                    {"ESCAPE", "ESCAPE"},
                                    {"Neu", "Löschen/&Neu"}});
    EXPECT_FALSE(form.ESCAPE->Visible);
    EXPECT_EQ(form.Textja->ShortCut, VK_F1);
    Start();
    Run(30);
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.AbkuehlY, StartY);
}

TEST_P(EKD30, StepsAreOddFromAFirstTickOf21To23) {
    Start();
    Run(1);
    EXPECT_EQ(Unit.AbkuehlY, 23);
    EXPECT_EQ(At(350, 22), clBlack);
    EXPECT_NE(At(350, 26), clBlack);
    EXPECT_NE(At(170, 22), clBlack);
    Run(FirstPictureTick - 2);
    EXPECT_EQ(Unit.AbkuehlY, 147);
    EXPECT_EQ(Unit.BildNrA, 0);
    Run(1);
    EXPECT_EQ(Unit.AbkuehlY, 149);
    EXPECT_TRUE(ShowsFrame(*form.ImageListSchAuLede, 0, SlotLeft(), Y(3)));
    EXPECT_EQ(Unit.BildNrA, 1);
}

TEST_P(EKD30, MarkersAreFourteenPixelsHighOnYellowWhateverTheScale) {
    Start();
    RunTo(149);
    const int left = X(355);
    const int top = Y(130);
    EXPECT_EQ(AtPixel(left, top), Yellow);
    EXPECT_EQ(AtPixel(left, top + MarkerCell - 1), Yellow);
    EXPECT_NE(AtPixel(left, top + MarkerCell), Yellow);
    EXPECT_GT(CountIn(left, top, 12, MarkerCell, clBlack), 0);
    RunTo(213); // "2" after the step's tie line, still on yellow
    EXPECT_EQ(AtPixel(X(355), Y(200)), Yellow);
}

TEST_P(EKD30, FramesFollowTheSlotColumnAndTheUpperCaptionRowsStayFixed) {
    const TImageList& first = *form.ImageListSchAuLede;
    const TImageList& second = *form.ImageListLedePer;
    Start();
    RunTo(153);
    EXPECT_TRUE(ShowsFrame(first, 1, SlotLeft(), Y(3)));
    EXPECT_EQ(AtPixel(SlotLeft(), CaptionRowA1), clRed);
    EXPECT_EQ(AtPixel(X(10, 94), CaptionRowA1), Maroon);
    EXPECT_NE(AtPixel(X(10, 94) - 1, CaptionRowA1), Maroon);
    RunTo(181);
    EXPECT_EQ(Unit.BildNrA, 9);
    RunTo(185); // a step with a tie line but no frame
    EXPECT_EQ(Unit.BildNrA, 9);
    EXPECT_TRUE(ShowsFrame(first, 8, SlotLeft(), Y(3)));
    RunTo(213);
    EXPECT_TRUE(ShowsFrame(first, 14, SlotLeft(), Y(3)));
    RunTo(217);
    EXPECT_TRUE(ShowsFrame(first, 15, SlotLeft(), FrameTopA2));
    EXPECT_EQ(Unit.BildNrA, 16);
    // "2     Ledeburit " white on grey, " Austenit " 82 pixels further right.
    EXPECT_EQ(AtPixel(SlotLeft(), CaptionRowA2), Grey);
    EXPECT_GT(CountIn(SlotLeft() + 1, CaptionRowA2, 40, 12, clWhite), 0);
    EXPECT_EQ(CountIn(SlotLeft() + 1, CaptionRowA2, 40, 12, clBlack), 0);
    EXPECT_EQ(AtPixel(X(10, 82), CaptionRowA2), Maroon);
    RunTo(225);
    EXPECT_TRUE(ShowsFrame(second, 0, SlotLeft(), FrameTopB1()));
    EXPECT_EQ(AtPixel(SlotLeft(), CaptionRowB1()), Grey);
    RunTo(365);
    EXPECT_TRUE(ShowsFrame(second, 8, SlotLeft(), FrameTopB1()));
    EXPECT_EQ(Unit.BildNrB, 9);
}

TEST_P(EKD30, TheFinalMarkerTakesThePearliteCaptionsColours) {
    Start();
    RunTo(397);
    EXPECT_TRUE(ShowsFrame(*form.ImageListLedePer, 9, SlotLeft(), FrameTopB2()));
    EXPECT_EQ(AtPixel(SlotLeft(), CaptionRowB2()), Grey);
    EXPECT_EQ(AtPixel(X(10, 72), CaptionRowB2()), clSilver);
    EXPECT_GT(CountIn(X(10, 72) + 1, CaptionRowB2(), 30, 12, clBlack), 0);
    // " 3 " black on silver, not on the tick's yellow.
    EXPECT_EQ(AtPixel(X(355), Y(380)), clSilver);
    EXPECT_GT(CountIn(X(355), Y(380), 20, 12, clBlack), 0);
    EXPECT_EQ(CountIn(X(355), Y(380), 20, MarkerCell, Yellow), 0);
}

TEST_P(EKD30, TheTieLineStandsThroughTheEmptyTickAndGoesAtTheNextStep) {
    const TPixels bare = Region(260, 191, 330, 193);
    Start();
    RunTo(193);
    EXPECT_EQ(At(300, 193), Grey);
    Run(1); // K = 195 has no entry
    EXPECT_EQ(At(300, 193), Grey);
    Run(1);
    EXPECT_TRUE(harness::SamePixels(bare, Region(260, 191, 330, 193)));
}

TEST_P(EKD30, TheEutecticLineReplacesTheLastTieLineOnlyFromEToC) {
    Start();
    RunTo(213);
    EXPECT_EQ(At(400, 214), Grey);
    EXPECT_NE(At(600, 218), clBlack);
    RunTo(217);
    EXPECT_EQ(At(400, 214), clBlack);
    EXPECT_NE(At(600, 214), clBlack); // E–C ends at C; beyond it only the thin line E–F
    EXPECT_EQ(At(600, 218), clBlack); // the start of the cementite range reaches 717
    RunTo(221);                       // the first cementite tie line traces from that start line
    EXPECT_EQ(At(600, 221), Grey);
}

TEST_P(EKD30, TheRunEndsOnTick190LeavingTheCounterAt401) {
    Start();
    EXPECT_EQ(Run(TicksToEnd - 1), TicksToEnd - 1);
    EXPECT_EQ(Unit.AbkuehlY, 399);
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    EXPECT_NE(At(350, 440), clBlack);
    EXPECT_EQ(At(717, 440), FrameOrange);
    Run(1);
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.AbkuehlY, 401);
    // The alloy line and the cementite line 717 are completed down to 451.
    EXPECT_EQ(At(350, 440), clBlack);
    EXPECT_EQ(At(717, 440), clBlack);
    EXPECT_EQ(At(350, 450), clBlack);
}

TEST_P(EKD30, StartAfterTheEndRedrawsTheLineTo451AndThenNothing) {
    Start();
    Run(TicksToEnd);
    const TPixels ended = form.Snapshot();
    Start();
    EXPECT_EQ(Run(24), 24);
    EXPECT_EQ(Unit.AbkuehlY, 449);
    Run(1);
    EXPECT_EQ(Unit.AbkuehlY, 451);
    EXPECT_EQ(Run(10), 10); // the timer ticks on idly
    EXPECT_EQ(Unit.AbkuehlY, 451);
    EXPECT_TRUE(harness::SamePixels(ended, form.Snapshot()));
    harness::Menu(form, "Löschen/&Neu");
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.AbkuehlY, StartY);
}

INSTANTIATE_TEST_SUITE_P(Screens, EKD30,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
