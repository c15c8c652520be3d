// The cooling of a steel with 1.2 % carbon: what differs from the 0.6 % screen in layout, memo and
// menu, and its script: the late first picture, the snapshot taken after the running frame, the
// first tie line without traces, the cementite range whose first tie line comes before its traces,
// the black-on-grey final caption and the end below the frame's bottom edge.

#include "CoolingScreenTesting.h"
#include "ironcarbon/UnitEKD12.h"
#include "platform/Keys.h"

#include <QTextEdit>

using UnitEKD12::Unit;
using namespace cooling_testing;

namespace {

constexpr const char* Command = "Abkühlung bei C = 1.2 %";
constexpr int TicksToEnd = 188;
constexpr int FirstPictureTick = 33; // K = 86

// Picture slots in design units.
constexpr TPoint A1{290, 5};
constexpr TPoint A2{60, 150};
constexpr TPoint B1{180, 200};
constexpr TPoint B2{260, 360};

// The step value after n ticks.
constexpr int TicksTo(int k) {
    return (k - 20) / 2;
}

class EKD12 : public CoolingScreenTest {
protected:
    EKD12() : CoolingScreenTest([]() -> TCoolingScreen* { return FormEKD12; }, Command) {}
    bool Shows(const TImageList& strip, int i, TPoint slot) const {
        return ShowsFrame(strip, i, X(slot.X), Y(slot.Y));
    }
    int CaptionRow(TPoint slot) const { return Y(slot.Y) + 101; }
    // Runs on until the step value k.
    void RunTo(int k) { Run(TicksTo(k) - (Unit.AbkuehlY - 20) / 2); }

    TFormEKD12& form = *FormEKD12;
};

TEST_P(EKD12, LaysOutTheTallerMemoAndHoldsTwentyAndTenFrames) {
    if (Large()) {
        EXPECT_EQ((std::array{form.Width(), form.Height()}), (std::array{1024, 768}));
        EXPECT_EQ(Bounds(*form.PaintBoxHaupt), (std::array{13, 38, 973, 627}));
        EXPECT_EQ(Bounds(*form.MemoErlaeuterung), (std::array{550, 1, 461, 448}));
        EXPECT_EQ(form.MemoErlaeuterung->Font().Height, 20);
    } else {
        EXPECT_EQ((std::array{form.Width(), form.Height()}), (std::array{800, 600}));
        EXPECT_EQ(Bounds(*form.PaintBoxHaupt), (std::array{10, 30, 760, 490}));
        EXPECT_EQ(Bounds(*form.MemoErlaeuterung), (std::array{430, 1, 360, 350}));
        EXPECT_EQ(form.MemoErlaeuterung->Font().Height, 16);
    }
    EXPECT_EQ(Bounds(*form.PaintBoxUmwandlung), Bounds(*form.PaintBoxHaupt));
    EXPECT_EQ(form.Caption(), "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 1.2 Gew.%");
    EXPECT_EQ(form.Panelmax->Name, "Panelmax");
    EXPECT_EQ(form.Panelmax->Caption(), "max");
    for (TImage* image : {form.Image1, form.ImageSA1, form.ImageSA2})
        EXPECT_EQ((std::array{image->Width(), image->Height()}), (std::array{0, 0}));
    EXPECT_EQ(form.ImageListSchA->Count(), 20);
    EXPECT_EQ(form.ImageListAZemPer->Count(), 10);
}

TEST_P(EKD12, OpensIdleWithItsOwnMemoAndTextItem) {
    TMemo& memo = *form.MemoErlaeuterung;
    EXPECT_FALSE(memo.Visible());
    EXPECT_EQ(memo.Color(), 0xAAFFFF);
    ASSERT_EQ(memo.LinesCount(), 21);
    EXPECT_EQ(memo.LinesGet(0), "Der Erstarrungsprozess beginnt bei 1440°C (1) nach dem ");
    EXPECT_EQ(memo.LinesGet(4), "der Mischkristalle, bzw. gemäß der Liquiduslinie der Kohlen-");
    EXPECT_EQ(memo.LinesGet(18), "Schließlich zerfällt der Austenit bei 723°C in  das");
    EXPECT_EQ(memo.LinesGet(20), "Perlit und 7 % Zementit (Eisenkarbid).");
    // The lines break where they are stored, and Tab moves on instead of typing.
    auto* edit = static_cast<QTextEdit*>(memo.Widget());
    EXPECT_EQ(edit->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_TRUE(edit->tabChangesFocus());
    EXPECT_EQ((std::array{Unit.AbkuehlY, Unit.BildNrA, Unit.BildNrB}), (std::array{20, 0, 0}));

    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"Textja", "Te&xt ja/nein"},
                                    {"Start", "&Start/Abkühlung mit Regler"},
                                    {"Neu", "Löschen/&Neu"},
                                    {"ESCAPE", "ESCAPE"}});
    EXPECT_EQ(form.Textja->ShortCut, VK_F1);
    harness::Key(form, VK_F1);
    EXPECT_TRUE(memo.Visible());
}

TEST_P(EKD12, TheFirstTickDrawsTheAlloyLineAtX170) {
    EXPECT_EQ(At(170, 300), clWhite); // the line exists only as the script draws it
    Start();
    EXPECT_NE(At(170, 21), clBlack);
    Run(1);
    EXPECT_EQ(Unit.AbkuehlY, 22);
    EXPECT_EQ(At(170, 21), clBlack);
    EXPECT_NE(At(110, 21), clBlack);
    EXPECT_NE(At(170, 25), clBlack);
}

TEST_P(EKD12, TheFirstPictureComesOnTick33AndTheSnapshotRepeatsTheFrameJustDrawn) {
    const TImageList& strip = *form.ImageListSchA;
    const TPixels slotBefore = Region(A2.X, A2.Y, A2.X + 60, A2.Y + 60);
    Start();
    Run(FirstPictureTick - 1);
    EXPECT_TRUE(harness::SamePixels(slotBefore, Region(A2.X, A2.Y, A2.X + 60, A2.Y + 60)));
    EXPECT_EQ(Unit.BildNrA, 0);
    Run(1);
    EXPECT_EQ(Unit.AbkuehlY, 86);
    EXPECT_TRUE(Shows(strip, 0, A2));
    RunTo(98); // frame 6 into the running slot, then the same frame into A1
    EXPECT_TRUE(Shows(strip, 6, A2));
    EXPECT_TRUE(Shows(strip, 6, A1));
    EXPECT_EQ(Unit.BildNrA, 7);
    RunTo(100);
    EXPECT_TRUE(Shows(strip, 7, A2));
    // From K = 104 on a new frame comes only every second to fourth step.
    RunTo(106);
    EXPECT_EQ(Unit.BildNrA, 10);
    RunTo(110);
    EXPECT_TRUE(Shows(strip, 10, A2));
    RunTo(152);
    EXPECT_EQ(Unit.BildNrA, 18);
    RunTo(156);
    EXPECT_TRUE(Shows(strip, 19, A2));
    EXPECT_EQ(Unit.BildNrA, 20);
}

TEST_P(EKD12, CaptionsTakeThePhaseColoursOnePixelBelowTheirFrames) {
    Start();
    RunTo(98);
    EXPECT_EQ(AtPixel(X(290), CaptionRow(A1)), clRed);
    EXPECT_EQ(AtPixel(X(366), CaptionRow(A1)), Maroon);
    RunTo(156);
    EXPECT_EQ(AtPixel(X(60), CaptionRow(A2)), Maroon);
    RunTo(324);
    EXPECT_TRUE(Shows(*form.ImageListAZemPer, 0, B1));
    EXPECT_EQ(AtPixel(X(180), CaptionRow(B1)), Maroon);
    // The upper rows of the text cell, which hold every glyph of the caption.
    const int height = Y(12);
    // " Zementit " of the cementite range: white on grey.
    EXPECT_GT(CountIn(X(245) + 1, CaptionRow(B1), 40, height, clWhite), 0);
    EXPECT_EQ(CountIn(X(245) + 1, CaptionRow(B1), 40, height, clBlack), 0);
    EXPECT_EQ(AtPixel(X(245), CaptionRow(B1)), Grey);
    RunTo(396);
    EXPECT_TRUE(Shows(*form.ImageListAZemPer, 8, B1));
    EXPECT_TRUE(Shows(*form.ImageListAZemPer, 9, B2));
    EXPECT_EQ(AtPixel(X(260), CaptionRow(B2)), clSilver);
    // The final " Zementit " is the one caption written black on grey.
    EXPECT_EQ(AtPixel(X(300), CaptionRow(B2)), Grey);
    EXPECT_GT(CountIn(X(300) + 1, CaptionRow(B2), 40, height, clBlack), 0);
    EXPECT_EQ(CountIn(X(300) + 1, CaptionRow(B2), 40, height, clWhite), 0);
}

TEST_P(EKD12, EachTieLineIsGoneAfterTheNextStep) {
    // Bands crossed by the tie lines of K = 120 and K = 360, clear of their traces and the
    // alloy line; the second crosses the dashed line below C, which the erase restores too.
    const TPixels bareMelt = Region(200, 118, 260, 120);
    const TPixels bareCementite = Region(400, 358, 600, 360);
    Start();
    RunTo(120);
    EXPECT_EQ(At(230, 120), Grey); // grey not-xor over the white field
    Run(1);
    EXPECT_TRUE(harness::SamePixels(bareMelt, Region(200, 118, 260, 120)));
    RunTo(360);
    EXPECT_EQ(At(500, 360), Grey);
    Run(1);
    EXPECT_TRUE(harness::SamePixels(bareCementite, Region(400, 358, 600, 360)));
}

TEST_P(EKD12, TheFirstTieLinesOfBothRangesStandApartFromTheirTraces) {
    Start();
    RunTo(88); // a tie line with nothing erased and nothing traced
    EXPECT_EQ(At(140, 88), Grey);
    EXPECT_EQ(At(96, 88), Grey); // no solidus trace under its left end yet
    RunTo(90);
    EXPECT_EQ(At(140, 88), clWhite);
    EXPECT_EQ(At(96, 88), clBlack); // now traced from (94, 86), just inside the start line
    // The first cementite tie line comes before its traces, so the trace down the cementite
    // line at 717 covers the tie line's end in black instead of being greyed by it.
    RunTo(326);
    EXPECT_EQ(At(650, 326), Grey);
    EXPECT_EQ(AtPixel(X(717) - 1, Y(326) - 1), clBlack);
}

TEST_P(EKD12, TheRunEndsOnTick188BelowTheFrameAndNothingNewComesAfterwards) {
    Start();
    EXPECT_EQ(Run(TicksToEnd - 1), TicksToEnd - 1);
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.AbkuehlY, 394);
    EXPECT_NE(At(600, 396), clBlack);
    EXPECT_NE(At(170, 453), clBlack);
    Run(1);
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.AbkuehlY, 454);
    // The eutectoid line P–S–K stays black from S to K, and the alloy line reaches past the
    // frame's bottom edge at 452.
    EXPECT_EQ(At(600, 396), clBlack);
    EXPECT_EQ(At(170, 453), clBlack);
    EXPECT_EQ(At(170, 430), clBlack);

    const TPixels ended = form.Snapshot();
    Start();
    form.ScrollBarVAb->OnScroll(1);
    EXPECT_EQ(Run(50), 50);
    EXPECT_EQ(Unit.AbkuehlY, 454);
    EXPECT_TRUE(harness::SamePixels(ended, form.Snapshot()));
}

TEST_P(EKD12, ClearingAndClosingStartAfreshWithTheFirstFrame) {
    const TPixels fresh = form.Snapshot();
    Start();
    RunTo(130);
    harness::Menu(form, "Löschen/&Neu");
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ((std::array{Unit.AbkuehlY, Unit.BildNrA, Unit.BildNrB}), (std::array{20, 0, 0}));
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    Start();
    Run(FirstPictureTick);
    EXPECT_TRUE(Shows(*form.ImageListSchA, 0, A2));

    harness::Key(form, VK_ESCAPE);
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_EQ(Unit.AbkuehlY, 20);
    ASSERT_TRUE(Reopen());
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
}

INSTANTIATE_TEST_SUITE_P(Screens, EKD12,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
