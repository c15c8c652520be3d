// The continuous ZTU screens: layout in both sizes, the static picture by pixel probes, every
// cooling curve to its end (tick counts, end points, dots, labels, pictures), the equilibrium run,
// the window disabled while a curve grows, Esc, "Löschen / Neu" and closing.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "zta_ztu/UnitZTUconC045.h"
#include "zta_ztu/UnitZTUconC07.h"

#include <array>

using harness::Pixel;

namespace {

constexpr TColor NearBlack = 1;
constexpr TColor Gold = 0x00D7FF;
constexpr int Enough = 1000;

class ContinuousZtu : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void Open(const char* command, TContinuousZtuScreen* screen) {
        // A screen still open is closed first, as the learner must.
        if (form && form->Visible())
            harness::Key(*form, VK_ESCAPE);
        if (!FormMenue->Visible()) {
            ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        }
        ASSERT_TRUE(harness::Menu(*FormMenue, command));
        ASSERT_EQ(harness::ActiveForm(), screen);
        form = screen;
    }
    void Open045() { Open("Kontinuierliches ZTU-Schaubild (C = 0.45%)", FormZTUcon045); }
    void Open07() { Open("Kontinuierliches ZTU-Schaubild (C = 0.70%)", FormZTUcon07); }
    bool Large() const { return GetParam().first >= 1024; }
    // A pixel of the drawing surface, in its own pixels.
    TColor At(int x, int y) {
        return Pixel(*form, form->PaintBoxHaupt->Left() + x, form->PaintBoxHaupt->Top() + y);
    }
    // A pixel of the overlay, in its own pixels.
    TColor OnOverlay(int x, int y) {
        return Pixel(*form, form->PaintBoxLog->Left() + x, form->PaintBoxLog->Top() + y);
    }
    // Starts curve i (0.04 °C/s first) and runs it to its end; returns the ticks it took.
    int RunCurve(int i) {
        EXPECT_TRUE(harness::Menu(*form, form->CurveItems[i]->Caption()));
        EXPECT_FALSE(form->Enabled());
        const int ticks = harness::Ticks(*form->CurveTimers[i], Enough);
        EXPECT_TRUE(form->Enabled());
        return ticks;
    }

    harness::Session session{GetParam().first, GetParam().second};
    TContinuousZtuScreen* form = nullptr;
};

std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

TEST_P(ContinuousZtu, LaysOutTheFixedSurfaceAndTheOverlayOverTheDiagram) {
    Open045();
    const int left = Large() ? 130 : 5;
    const int top = Large() ? 60 : 5;
    EXPECT_EQ(Bounds(*form->PaintBoxHaupt), (std::array{left, top, 750, 500}));
    // The overlay's origin is 0.1 s and about 800 °C.
    EXPECT_EQ(Bounds(*form->PaintBoxLog), (std::array{left + 412, top + 156, 348, 274}));
    EXPECT_EQ(Bounds(*form->MemoT),
              Large() ? (std::array{70, 550, 385, 97}) : (std::array{0, 435, 385, 97}));
    EXPECT_EQ(Bounds(*form->ImageMart),
              Large() ? (std::array{510, 550, 385, 97}) : (std::array{400, 430, 385, 97}));
    EXPECT_FALSE(form->MemoT->Visible());
    EXPECT_FALSE(form->ImageMart->Visible());
    EXPECT_FALSE(form->ImageNorm->Visible());
    EXPECT_FALSE(form->MemoErlaeuterung->Visible());
    EXPECT_EQ(form->MemoT->LinesCount(), 7);
}

TEST_P(ContinuousZtu, DrawsTheSameDiagramInBothLayouts) {
    Open045();
    // The Ms line passes (1.47 decades; 340 °C).
    EXPECT_EQ(At(491, 314), NearBlack);
    // Inside both frames, away from every line and text, the frames are gold.
    EXPECT_EQ(At(725, 40), Gold);
    EXPECT_EQ(At(360, 420), Gold);
    // Above the frames the gradient is yellow, below them dark red.
    EXPECT_EQ(At(745, 2) & 0xFF00FF, 0x0000FF);
    const TColor bottom = At(745, 497);
    EXPECT_EQ(bottom & 0xFFFF00, 0);
    EXPECT_LT(bottom, 20);
    // The 0.70 % screen's diagram starts 12 pixels further left.
    Open07();
    EXPECT_EQ(At(400 + 54, 250), NearBlack); // the grid line of 1 s is dotted, but starts drawn
}

TEST_P(ContinuousZtu, EachRateRunsItsTicksAndEndsWithItsLabel) {
    Open045();
    // 0.04, 0.6, 15, 60 and 600 °C/s.
    EXPECT_EQ(RunCurve(0), 165);
    EXPECT_EQ(UnitZTUconC045::Unit.KurveX, 286);
    EXPECT_TRUE(form->ImageNorm->Visible());
    EXPECT_FALSE(form->CurveItems[0]->Enabled());
    EXPECT_EQ(RunCurve(1), 139);
    EXPECT_EQ(UnitZTUconC045::Unit.KurveX, 225);
    EXPECT_EQ(RunCurve(2), 60);
    EXPECT_EQ(RunCurve(3), 51);
    EXPECT_FALSE(form->ImageMart->Visible());
    EXPECT_EQ(RunCurve(4), 26);
    EXPECT_EQ(UnitZTUconC045::Unit.KurveX, 81);
    EXPECT_TRUE(form->ImageMart->Visible());
    EXPECT_TRUE(form->MemoT->Visible());
    // The fastest curve starts with a blue stroke straight down from the overlay's origin.
    EXPECT_EQ(OnOverlay(1, 13), clBlue);
}

TEST_P(ContinuousZtu, TheMicrographsShowOnlyTheirTopRows) {
    Open045();
    RunCurve(4);
    harness::Settle();
    const TImage& mart = *form->ImageMart;
    // The picture is not stretched: right of its 160 columns the backdrop or the window shows.
    EXPECT_NE(Pixel(*form, mart.Left() + 80, mart.Top() + 50),
              Pixel(*form, mart.Left() + 200, mart.Top() + 50));
    harness::Menu(*form, "Löschen / Neu");
    EXPECT_FALSE(form->ImageMart->Visible());
    EXPECT_FALSE(form->MemoT->Visible());
    for (TMenuItem* item : form->CurveItems)
        EXPECT_TRUE(item->Enabled());
}

TEST_P(ContinuousZtu, DotsSitWhereTheCurvesCrossTheLines) {
    Open045();
    RunCurve(3);
    harness::Settle();
    // 60 °C/s: the black dot at KurveX = 83, where the curve has just left its level at 81 and
    // stands at 81 + 7 · 3.35 ≈ 87, spans (73, 77)–(79, 83).
    EXPECT_EQ(OnOverlay(76, 80), clBlack);
    // The white dot on the Ms line at KurveX = 109: y = (109 − 2 − 88) · 3.35 + 110 ≈ 173.65.
    EXPECT_EQ(OnOverlay(105, 169), clWhite);
}

TEST_P(ContinuousZtu, TheEquilibriumRunStopsOnTheWidthTest) {
    Open045();
    harness::Menu(*form, "&Gleichgewicht");
    EXPECT_FALSE(form->Enabled());
    EXPECT_FALSE(form->VGleich->Enabled());
    // The equilibrium run does not show the table.
    EXPECT_FALSE(form->MemoT->Visible());
    EXPECT_EQ(harness::Ticks(*form->TimerGleich, Enough), 164);
    EXPECT_EQ(UnitZTUconC045::Unit.KurveX, 328);
    EXPECT_TRUE(form->Enabled());
    // The purple label box beside the curve.
    EXPECT_EQ(At(430, 100), clPurple);
}

TEST_P(ContinuousZtu, EscDuringACurveClosesAndTheNextOpeningIsClean) {
    Open045();
    harness::Menu(*form, form->CurveItems[1]->Caption());
    harness::Ticks(*form->CurveTimers[1], 10);
    EXPECT_FALSE(form->Enabled());
    // F1 still acts on the disabled window.
    harness::Key(*form, VK_F1);
    EXPECT_TRUE(form->MemoErlaeuterung->Visible());
    harness::Key(*form, VK_ESCAPE);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->Enabled());
    EXPECT_FALSE(form->CurveTimers[1]->Enabled());
    Open045();
    EXPECT_TRUE(form->CurveItems[1]->Enabled());
    EXPECT_FALSE(form->MemoErlaeuterung->Visible());
    EXPECT_FALSE(form->MemoT->Visible());
}

TEST_P(ContinuousZtu, TheSeventyScreenRunsItsRatesAndKeepsItsTexts) {
    Open07();
    EXPECT_EQ(form->ImageMart, nullptr);
    EXPECT_EQ(Bounds(*form->PaintBoxLog)[2], 348);
    // 0.04 °C/s: the same exponential as on the 0.45 % screen, the same 165 ticks.
    EXPECT_EQ(RunCurve(0), 165);
    // 600 °C/s: 38 − 0 in steps of 3, then two lines down to the stop at 234.
    RunCurve(4);
    EXPECT_GT(UnitZTUconC07::Unit.KurveY, 274 - 40);
    // The table is the learner's to show; starting a curve leaves it hidden.
    EXPECT_FALSE(form->MemoT->Visible());
    harness::Menu(*form, "Tabelle Gefügeanteile ja/nein");
    harness::Key(*form, VK_F1);
    harness::Key(*form, VK_ESCAPE);
    Open07();
    EXPECT_TRUE(form->MemoT->Visible());
    EXPECT_TRUE(form->MemoErlaeuterung->Visible());
    EXPECT_TRUE(form->CurveItems[4]->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Sizes, ContinuousZtu,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
