// The cooling of a steel with 0.6 % carbon: the layout in both layouts, the diagram section, the
// slider and commands, and the cooling script's frames, captions, tie lines and end.

#include "Harness.h"
#include "ironcarbon/IronCarbonGeometry.h"
#include "ironcarbon/UnitEKD06.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"

#include <array>

using harness::Pixel;
using UnitEKD06::Unit;

namespace {

constexpr TColor Grey = 0x808080;
constexpr TColor Maroon = 0x000080;
constexpr TColor FrameOrange = 0x0058EA;
constexpr const char* Command = "Abkühlung bei C= 0.6 %";
constexpr int TicksToEnd = 188;

// Picture slots in design units.
constexpr TPoint A1{260, 5};
constexpr TPoint A2{260, 125};
constexpr TPoint B1{260, 250};
constexpr TPoint B2{260, 367};

class EKD06 : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, Command));
        ASSERT_EQ(harness::ActiveForm(), FormEKD06);
    }
    bool Large() const { return GetParam().first >= 1024; }
    double Factor() const { return Large() ? 1.28 : 1.0; }
    int X(long double design) const { return Round(design * static_cast<long double>(Factor())); }
    int Y(long double design) const { return X(design); }
    // A pixel of the diagram's surface, in its own pixels.
    TColor AtPixel(int x, int y) {
        return Pixel(form, form.PaintBoxHaupt->Left() + x, form.PaintBoxHaupt->Top() + y);
    }
    // A pixel of the diagram at a design point.
    TColor At(int x, int y) { return AtPixel(X(x), Y(y)); }
    int Run(int ticks) { return harness::Ticks(*form.TimerHaupt, ticks); }
    void Start() { harness::Menu(form, "&Start/Abkühlung mit Regler"); }
    // Whether frame i of a strip stands, unscaled, at the slot's scaled place.
    bool ShowsFrame(const TImageList& strip, int i, TPoint slot) {
        const TPixels& frame = strip.Frame(i);
        for (int y = 0; y < frame.Height; ++y)
            for (int x = 0; x < frame.Width; ++x)
                if (AtPixel(X(slot.X) + x, Y(slot.Y) + y) != ColorOfPixel(frame.at(x, y)))
                    return false;
        return true;
    }
    // The pixels of a band of the diagram, from design corner to design corner (exclusive).
    TPixels Region(int x0, int y0, int x1, int y1) {
        TPixels out(X(x1) - X(x0), Y(y1) - Y(y0));
        for (int y = 0; y < out.Height; ++y)
            for (int x = 0; x < out.Width; ++x)
                out.at(x, y) = PixelOf(AtPixel(X(x0) + x, Y(y0) + y));
        return out;
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormEKD06& form = *FormEKD06;
};

std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

TEST_P(EKD06, LaysOutEveryControlScaled) {
    if (Large()) {
        EXPECT_EQ((std::array{form.Width(), form.Height()}), (std::array{1024, 768}));
        EXPECT_EQ(Bounds(*form.PaintBoxHaupt), (std::array{13, 38, 973, 627}));
        EXPECT_EQ(Bounds(*form.PanelMax), (std::array{13, 0, 64, 26}));
        EXPECT_EQ(Bounds(*form.ScrollBarVAb), (std::array{77, 0, 384, 22}));
        EXPECT_EQ(Bounds(*form.PanelMin), (std::array{461, 0, 64, 26}));
        EXPECT_EQ(Bounds(*form.MemoErlaeuterung), (std::array{550, 1, 461, 422}));
        EXPECT_EQ(form.MemoErlaeuterung->Font().Height, 20); // 20.48
    } else {
        EXPECT_EQ((std::array{form.Width(), form.Height()}), (std::array{800, 600}));
        EXPECT_EQ(Bounds(*form.PaintBoxHaupt), (std::array{10, 30, 760, 490}));
        EXPECT_EQ(Bounds(*form.PanelMax), (std::array{10, 0, 50, 20}));
        EXPECT_EQ(Bounds(*form.ScrollBarVAb), (std::array{60, 0, 300, 17}));
        EXPECT_EQ(Bounds(*form.PanelMin), (std::array{360, 0, 50, 20}));
        EXPECT_EQ(Bounds(*form.MemoErlaeuterung), (std::array{430, 1, 360, 330}));
        EXPECT_EQ(form.MemoErlaeuterung->Font().Height, 16);
    }
    EXPECT_EQ(Bounds(*form.PaintBoxUmwandlung), Bounds(*form.PaintBoxHaupt));
    for (TImage* image : {form.Image1, form.ImageSA1, form.ImageSA2})
        EXPECT_EQ((std::array{image->Width(), image->Height()}), (std::array{0, 0}));
    EXPECT_EQ(form.PanelMax->Caption(), "max");
    EXPECT_EQ(form.PanelMin->Caption(), "min");
    EXPECT_EQ(form.StatusBarHint->SimpleText(),
              "Drücken Sie F1 um den begleitenden Text ein- oder auszublenden / ESC = Abbruch");
    EXPECT_EQ(form.ImageListSchA->Count(), 19);
    EXPECT_EQ(form.ImageListAFerPer->Count(), 8);
    EXPECT_EQ((std::array{form.ImageListSchA->Width(), form.ImageListSchA->Height()}),
              (std::array{100, 100}));
}

TEST_P(EKD06, OpensIdleWithTheMemoHiddenAndItsTwentyLines) {
    EXPECT_FALSE(form.MemoErlaeuterung->Visible());
    EXPECT_FALSE(form.MemoErlaeuterung->ReadOnly());
    ASSERT_EQ(form.MemoErlaeuterung->LinesCount(), 20);
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(0),
              "Der Erstarrungsprozess beginnt bei 1490°C (1) nach dem ");
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(7), "");
    EXPECT_EQ(form.MemoErlaeuterung->LinesGet(19), "Perlit und 25 % Ferrit (Alpha-MK).");
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(form.TimerHaupt->Interval(), 50);
    EXPECT_EQ((std::array{Unit.AbkuehlY, Unit.BildNrA, Unit.BildNrB}), (std::array{20, 0, 0}));

    harness::ExpectMenuItems(form, {{"Ende", "&Ende"},
                                    {"Textjanein1", "Text ja/nein"},
                                    {"Start", "&Start/Abkühlung mit Regler"},
                                    {"Neu", "Löschen/&Neu"},
                                    {"ESCAPE", "ESCAPE"}});
    EXPECT_EQ(form.Textjanein1->ShortCut, VK_F1);
    EXPECT_EQ(form.ESCAPE->ShortCut, VK_ESCAPE);
    EXPECT_FALSE(form.ESCAPE->Visible);
}

TEST_P(EKD06, DrawsTheDiagramSectionOverTheGlow) {
    // Pixel rows, unscaled: yellow bands at the top, the glow from yellow towards red below.
    EXPECT_EQ(AtPixel(2, 100), 0x00FFFF);
    EXPECT_EQ(AtPixel(2, 300), 0x0145FF - 256 * 101); // the row-303 line covers row 300
    EXPECT_EQ(At(50, 200), FrameOrange);
    EXPECT_EQ(At(600, 350), clWhite);
    EXPECT_EQ(At(600, 395), clBlack); // the eutectoid line P–K
    EXPECT_EQ(At(600, 215), clBlack); // the eutectic line E–F
    EXPECT_EQ(At(110, 300), clWhite); // no alloy line before the script draws it
}

TEST(CoolingSection, CutsTheMetastableLinesAt450) {
    const auto& section = IronCarbonGeometry::CoolingSectionLines();
    const auto& full = IronCarbonGeometry::MetastableLines();
    ASSERT_EQ(section.size(), 18u);
    EXPECT_EQ(section[1].Points.front(), (TPoint{50, 450})); // Q
    EXPECT_EQ(section[7].Points[1], (TPoint{130, 73}));
    // The line to H starts below A here, at A itself in the whole diagram.
    EXPECT_EQ(section[10].Points.front(), (TPoint{50, 48}));
    EXPECT_EQ(full[10].Points.front(), (TPoint{50, 42}));
    for (int i : {14, 15, 16})
        EXPECT_EQ(section[static_cast<std::size_t>(i)].Points.back().Y, 450);
    for (int i : {0, 2, 3, 4, 5, 6, 8, 9, 11, 12, 13, 17})
        EXPECT_EQ(section[static_cast<std::size_t>(i)].Points,
                  full[static_cast<std::size_t>(i)].Points);
}

TEST_P(EKD06, TheSliderSetsTheIntervalButStartAlwaysTakes500) {
    TScrollBar& slider = *form.ScrollBarVAb;
    EXPECT_EQ((std::array{slider.Min(), slider.Max(), slider.Position()}),
              (std::array{1, 2000, 1000}));
    EXPECT_EQ((std::array{slider.SmallChange(), slider.LargeChange()}), (std::array{10, 100}));
    slider.OnScroll(1500);
    EXPECT_EQ(form.TimerHaupt->Interval(), 1500);
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    Start();
    EXPECT_EQ(form.TimerHaupt->Interval(), 500);
    EXPECT_EQ(slider.Position(), 1000); // the thumb stays where it was
    Run(10);
    slider.OnScroll(1);
    EXPECT_EQ(form.TimerHaupt->Interval(), 1);
    // Start while running neither restarts nor pauses.
    Start();
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    EXPECT_EQ(form.TimerHaupt->Interval(), 500);
    EXPECT_EQ(Unit.AbkuehlY, 40);
    Run(1);
    EXPECT_EQ(Unit.AbkuehlY, 42);
}

TEST_P(EKD06, TheFirstTickDrawsTheAlloyLineFrom20To22) {
    Start();
    EXPECT_NE(At(110, 21), clBlack);
    EXPECT_EQ(Run(1), 1);
    EXPECT_EQ(Unit.AbkuehlY, 22);
    EXPECT_EQ(At(110, 21), clBlack);
    EXPECT_NE(At(110, 29), clBlack);
    Run(4);
    EXPECT_EQ(At(110, 29), clBlack);
}

TEST_P(EKD06, TheFirstPicturesComeOnTick25AndFrame4TakesTwoSlots) {
    const TImageList& strip = *form.ImageListSchA;
    const TPixels slotBefore = Region(A2.X, A2.Y, A2.X + 50, A2.Y + 50);
    Start();
    Run(24);
    EXPECT_TRUE(harness::SamePixels(slotBefore, Region(A2.X, A2.Y, A2.X + 50, A2.Y + 50)));
    EXPECT_EQ(Unit.BildNrA, 0);
    Run(1); // K = 70: frames 0 and 1 in the same step, frame 0 covered at once
    EXPECT_EQ(Unit.AbkuehlY, 70);
    EXPECT_TRUE(ShowsFrame(strip, 1, A2));
    EXPECT_EQ(Unit.BildNrA, 2);
    Run(3); // K = 76
    EXPECT_TRUE(ShowsFrame(strip, 4, A1));
    EXPECT_TRUE(ShowsFrame(strip, 4, A2));
    EXPECT_EQ(Unit.BildNrA, 5);
    Run(1); // K = 78
    EXPECT_TRUE(ShowsFrame(strip, 5, A2));
    EXPECT_TRUE(ShowsFrame(strip, 4, A1));
    Run(13); // K = 104
    EXPECT_TRUE(ShowsFrame(strip, 18, A2));
    EXPECT_EQ(Unit.BildNrA, 19);
}

TEST_P(EKD06, CaptionsStandOnePixelBelowTheirFramesInThePhaseColours) {
    Start();
    Run(28); // K = 76
    // The caption's box starts exactly one pixel below the 100-pixel frame, which keeps its
    // size while the slot's place scales (A1 at 260 → 333 at 1.28).
    const int captionY = Y(A1.Y) + 101;
    EXPECT_EQ(AtPixel(X(260), captionY), clRed);
    EXPECT_NE(AtPixel(X(260), captionY - 1), clRed);
    EXPECT_EQ(AtPixel(X(345), captionY), Maroon);
    Run(14); // K = 104
    EXPECT_EQ(AtPixel(X(260), Y(A2.Y) + 101), Maroon);
    EXPECT_NE(AtPixel(X(260), Y(A2.Y) + 100), Maroon);
    Run(139); // K = 382
    EXPECT_TRUE(ShowsFrame(*form.ImageListAFerPer, 0, B1));
    EXPECT_EQ(AtPixel(X(260), Y(B1.Y) + 101), clWhite);
    EXPECT_EQ(AtPixel(X(320), Y(B1.Y) + 101), Maroon);
    Run(7); // K = 396, the end
    EXPECT_TRUE(ShowsFrame(*form.ImageListAFerPer, 6, B1));
    EXPECT_TRUE(ShowsFrame(*form.ImageListAFerPer, 7, B2));
    EXPECT_EQ(AtPixel(X(310), Y(B2.Y) + 101), clSilver);
    EXPECT_EQ(AtPixel(X(260), Y(B2.Y) + 101), clWhite);
}

TEST_P(EKD06, EachTieLineIsGoneAfterTheNextStep) {
    // The band the K = 90 and K = 92 tie lines cross, clear of their traces and the alloy line.
    const TPixels bare = Region(120, 91, 180, 93);
    Start();
    Run(36);                      // K = 92
    EXPECT_EQ(At(150, 92), Grey); // grey not-xor over the white field
    EXPECT_FALSE(harness::SamePixels(bare, Region(120, 91, 180, 93)));
    Run(1); // K = 94 erases it; its own line lies below the band
    EXPECT_TRUE(harness::SamePixels(bare, Region(120, 91, 180, 93)));
}

TEST_P(EKD06, OnlyTheBlackStartAndEndLinesOfEachRangeStay) {
    const TPixels fresh = form.Snapshot();
    for (auto [x, y] : {std::pair{95, 70}, {200, 104}, {80, 384}, {90, 393}})
        EXPECT_NE(At(x, y), clBlack) << x << "," << y;
    Start();
    EXPECT_EQ(Run(TicksToEnd), TicksToEnd);
    for (auto [x, y] : {std::pair{95, 70}, {200, 104}, {80, 384}, {90, 393}})
        EXPECT_EQ(At(x, y), clBlack) << x << "," << y;
    // Middles of tie lines of both ranges show the bare diagram again.
    const int left = form.PaintBoxHaupt->Left();
    const int top = form.PaintBoxHaupt->Top();
    for (auto [x, y] : {std::pair{118, 80}, {141, 90}, {163, 100}, {85, 388}, {87, 390}})
        EXPECT_EQ(At(x, y), ColorOfPixel(fresh.at(left + X(x), top + Y(y)))) << x << "," << y;
    EXPECT_EQ(At(110, 440), clBlack); // the alloy line completed to the frame's bottom
}

TEST_P(EKD06, TheRunEndsOnTick188AndNothingNewIsDrawnAfterwards) {
    Start();
    EXPECT_EQ(Run(TicksToEnd - 1), TicksToEnd - 1);
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.AbkuehlY, 394);
    Run(1);
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.AbkuehlY, 452);
    EXPECT_EQ(Run(5), 0);
    const TPixels ended = form.Snapshot();
    Start();
    form.ScrollBarVAb->OnScroll(1);
    EXPECT_EQ(Run(40), 40);
    Start();
    EXPECT_EQ(Run(40), 40);
    EXPECT_EQ(Unit.AbkuehlY, 452);
    EXPECT_TRUE(harness::SamePixels(ended, form.Snapshot()));
}

TEST_P(EKD06, ClearingStopsTheRunAndTheNextStartBeginsAtTheTop) {
    const TPixels fresh = form.Snapshot();
    Start();
    Run(30); // while a tie line stands
    harness::Menu(form, "Löschen/&Neu");
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ((std::array{Unit.AbkuehlY, Unit.BildNrA, Unit.BildNrB}), (std::array{20, 0, 0}));
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    Start();
    Run(25);
    EXPECT_TRUE(ShowsFrame(*form.ImageListSchA, 1, A2));
    // The first tie line after a reset has nothing to erase: the band holds only the new line.
    Run(1);
    EXPECT_EQ(At(95, 72), Grey);
}

TEST_P(EKD06, F1TwiceRestoresTheMemoAndTheScriptRunsOn) {
    Start();
    Run(36);
    harness::Key(form, VK_F1);
    EXPECT_TRUE(form.MemoErlaeuterung->Visible());
    harness::Key(form, VK_F1);
    EXPECT_FALSE(form.MemoErlaeuterung->Visible());
    // The area the memo uncovered shows the diagram again; the script goes on from its counters.
    EXPECT_EQ(At(600, 350), clWhite);
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    EXPECT_EQ(Unit.AbkuehlY, 92);
    Run(1);
    EXPECT_EQ(Unit.AbkuehlY, 94);
}

TEST_P(EKD06, ClosingDuringARunAndReopeningStartsClean) {
    const TPixels fresh = form.Snapshot();
    harness::Key(form, VK_F1);
    Start();
    Run(50);
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ((std::array{Unit.AbkuehlY, Unit.BildNrA}), (std::array{20, 0}));
    ASSERT_TRUE(harness::Menu(*FormMenue, Command));
    EXPECT_FALSE(form.MemoErlaeuterung->Visible());
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));

    // The close box resets the same way.
    Start();
    Run(30);
    form.CloseBoxClicked();
    harness::Settle();
    EXPECT_EQ(Unit.AbkuehlY, 20);
    ASSERT_TRUE(harness::Menu(*FormMenue, Command));
    EXPECT_TRUE(harness::SamePixels(fresh, form.Snapshot()));
    Start();
    Run(1);
    EXPECT_EQ(Unit.AbkuehlY, 22);
}

INSTANTIATE_TEST_SUITE_P(Screens, EKD06,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
