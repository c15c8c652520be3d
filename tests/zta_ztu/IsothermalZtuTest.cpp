// The isothermal ZTU screens: layout, the static picture by pixel probes, each holding
// temperature to its end (quench, arrowhead, isotherm of 2-pixel dots, dots, end), the window
// disabled while an isotherm grows, Esc, "&Löschen / Neu" and closing.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "zta_ztu/UnitZTUisoC045.h"
#include "zta_ztu/UnitZTUisoC07.h"

#include <array>

using harness::Pixel;

namespace {

constexpr TColor NearBlack = 1;
constexpr int Enough = 1000;

class IsothermalZtu : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void Open(const char* command, TIsothermalZtuScreen* screen) {
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
    void Open045() { Open("Isothermes ZTU-Schaubild (C = 0.45%)", FormZTUi045); }
    void Open07() { Open("Isothermes ZTU-Schaubild (C = 0.70%)", FormZTUi07); }
    bool Large() const { return GetParam().first >= 1024; }
    TColor At(int x, int y) {
        return Pixel(*form, form->PaintBoxHaupt->Left() + x, form->PaintBoxHaupt->Top() + y);
    }
    TColor OnOverlay(int x, int y) {
        return Pixel(*form, form->PaintBoxLog->Left() + x, form->PaintBoxLog->Top() + y);
    }
    // Holds at temperature i (20, 330, 530, 670 °C) to the end; returns the ticks it took.
    int Hold(int i) {
        EXPECT_TRUE(harness::Menu(*form, form->Items[i]->Caption()));
        EXPECT_FALSE(form->Enabled());
        const int ticks = harness::Ticks(*form->Timers[i], Enough);
        EXPECT_TRUE(form->Enabled());
        EXPECT_FALSE(form->Items[i]->Enabled());
        return ticks;
    }

    harness::Session session{GetParam().first, GetParam().second};
    TIsothermalZtuScreen* form = nullptr;
};

std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

TEST_P(IsothermalZtu, TheOverlayStartsAt815Degrees) {
    Open045();
    const int left = Large() ? 130 : 5;
    const int top = Large() ? 60 : 5;
    EXPECT_EQ(Bounds(*form->PaintBoxHaupt), (std::array{left, top, 750, 500}));
    EXPECT_EQ(Bounds(*form->PaintBoxLog), (std::array{left + 400, top + 153, 348, 277}));
    EXPECT_EQ(Bounds(*form->MemoErlaeuterung),
              Large() ? (std::array{30, 80, 460, 400}) : (std::array{0, 0, 373, 350}));
    EXPECT_FALSE(form->MemoErlaeuterung->Visible());
    EXPECT_EQ(form->MemoErlaeuterung->LinesCount(), 19);
    // The Ms line at 350 °C runs from 0.1 s to 1.6 decades.
    EXPECT_EQ(At(440, 311), NearBlack);
    Open07();
    EXPECT_EQ(form->MemoErlaeuterung->LinesCount(), 20);
    // Its Ms line lies at 230 °C.
    EXPECT_EQ(At(440, 352), NearBlack);
}

TEST_P(IsothermalZtu, QuenchingToRoomTemperatureEndsAfter198Ticks) {
    Open045();
    EXPECT_EQ(Hold(0), 198);
    EXPECT_EQ(UnitZTUisoC045::Unit.KurveX, 200);
    // The quench line, the arrowhead's shaft at x = 12 above its tip (12, 269), the isotherm
    // of 2-pixel dots along y = 270.
    EXPECT_EQ(OnOverlay(5, 125), clRed);
    EXPECT_EQ(OnOverlay(12, 260), clRed);
    EXPECT_EQ(OnOverlay(100, 270), clRed);
    EXPECT_EQ(OnOverlay(150, 270), clRed);
}

TEST_P(IsothermalZtu, TheOtherIsothermsEndWhereTheyAreHitExactly) {
    Open045();
    EXPECT_EQ(Hold(1), 218);
    EXPECT_EQ(Hold(2), 218);
    EXPECT_EQ(Hold(3), 238);
    EXPECT_EQ(UnitZTUisoC045::Unit.KurveX, 240);
    // The black dot on the 330 °C isotherm where the bainite starts, at x = 92.
    EXPECT_EQ(OnOverlay(91, 162), clBlack);
    // The 530 °C quench runs on to the arrowhead's tip at (4, 96): dots follow from x = 6.
    EXPECT_EQ(OnOverlay(30, 98), clRed);
    Open07();
    EXPECT_EQ(Hold(3), 218);
    EXPECT_EQ(UnitZTUisoC07::Unit.KurveX, 220);
}

TEST_P(IsothermalZtu, EachTemperatureOnceUntilCleared) {
    Open045();
    Hold(1);
    EXPECT_FALSE(form->Items[1]->Enabled());
    EXPECT_TRUE(form->Items[2]->Enabled());
    harness::Menu(*form, "&Löschen / Neu");
    harness::Settle();
    EXPECT_TRUE(form->Items[1]->Enabled());
    // The repaint took the isotherm away.
    EXPECT_NE(OnOverlay(150, 164), clRed);
}

TEST_P(IsothermalZtu, EscDuringAnIsothermClosesAndReenables) {
    Open07();
    harness::Menu(*form, form->Items[2]->Caption());
    harness::Ticks(*form->Timers[2], 20);
    EXPECT_FALSE(form->Enabled());
    harness::Key(*form, VK_F1);
    EXPECT_TRUE(form->MemoErlaeuterung->Visible());
    harness::Key(*form, VK_ESCAPE);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(form->Enabled());
    EXPECT_FALSE(form->Timers[2]->Enabled());
    Open07();
    EXPECT_FALSE(form->MemoErlaeuterung->Visible());
    EXPECT_TRUE(form->Items[2]->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Sizes, IsothermalZtu,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
