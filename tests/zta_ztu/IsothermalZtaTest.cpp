// The isothermal ZTA screen: layout, the transformation lines of the static picture at their
// stated points, the three isotherms with their ticks, ends, dots, labels and the pictures along
// the 800 °C one, clearing, closing in the middle and F1 during a run.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "zta_ztu/UnitZTAisoC045.h"

#include <array>

using harness::Pixel;

namespace {

constexpr TColor LinePen = 10;
constexpr TColor Grey = 0x808080;
constexpr TColor Green = 0x008000;
constexpr int Enough = 1000;

class IsothermalZta : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override { Open(); }
    void Open() {
        if (FormZTAiso045->Visible())
            harness::Key(*FormZTAiso045, VK_ESCAPE);
        if (!FormMenue->Visible()) {
            ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        }
        ASSERT_TRUE(harness::Menu(*FormMenue, "Isothermes ZTA-Schaubild (C = 0.45%)"));
        ASSERT_EQ(harness::ActiveForm(), FormZTAiso045);
    }
    bool Large() const { return GetParam().first >= 1024; }
    TColor At(int x, int y) {
        return Pixel(form, form.PaintBoxHaupt->Left() + x, form.PaintBoxHaupt->Top() + y);
    }
    TColor OnOverlay(int x, int y) {
        return Pixel(form, form.PaintBoxLog->Left() + x, form.PaintBoxLog->Top() + y);
    }
    bool FrameAt(int i, int x, int y) {
        const TPixels& frame = form.ImageListGef->Frame(i);
        for (int d = 0; d < 100; d += 7)
            if (At(x + d, y + d) != ColorOfPixel(frame.at(d, d)))
                return false;
        return true;
    }
    bool Idle() const {
        for (TTimer* timer : form.Timers)
            if (timer->Enabled())
                return false;
        return true;
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormZTAiso045& form = *FormZTAiso045;
};

std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

TEST_P(IsothermalZta, LayoutAndTheLinesOfThePicture) {
    const int left = Large() ? 130 : 5;
    const int top = Large() ? 60 : 5;
    EXPECT_EQ(Bounds(*form.PaintBoxHaupt), (std::array{left, top, 750, 500}));
    // From 1200 °C down to about 779 °C.
    EXPECT_EQ(Bounds(*form.PaintBoxLog), (std::array{left + 400, top + 20, 358, 160}));
    EXPECT_EQ(Bounds(*form.MemoErlaeuterung),
              Large() ? (std::array{10, 50, 460, 400}) : (std::array{0, 0, 365, 480}));
    EXPECT_EQ(form.MemoErlaeuterung->LinesCount(), 17);
    EXPECT_TRUE(form.Aufheizungskurven->Enabled());
    EXPECT_FALSE(form.NEU->Enabled());

    const TimeTemperature::TZtuFrame& z = UnitZTAisoC045::Unit.Frames.Ztu;
    EXPECT_EQ(z.At(0, 814), (TPoint{400, 167}));
    EXPECT_EQ(z.At(1.0L, 898), (TPoint{454, 135}));
    EXPECT_EQ(z.At(5.31L, 784), (TPoint{687, 178}));
    // A(c1b) from its first point, A(c3) along its polyline and its tail, the grey
    // homogenisation line's tail, the parabola of A(c1e) at its lowest (k 690: y 188).
    EXPECT_EQ(At(400, 167), LinePen);
    EXPECT_EQ(At(453, 135), LinePen);
    EXPECT_EQ(At(687, 178), LinePen);
    EXPECT_EQ(At(700, 178), LinePen);
    EXPECT_EQ(At(687, 173), Grey);
    EXPECT_EQ(At(690, 188), LinePen);
    // The steel box, 10 pixels left of the continuous screen's, and a line label in the gap.
    EXPECT_EQ(At(178, 285), clPurple);
    EXPECT_EQ(At(359, 120), clBlack);
}

TEST_P(IsothermalZta, ThreeIsothermsOf97And90And87Ticks) {
    ASSERT_TRUE(harness::Menu(form, "&Start Isotherme"));
    EXPECT_TRUE(form.Enabled());
    EXPECT_FALSE(form.Aufheizungskurven->Enabled());
    EXPECT_FALSE(form.NEU->Enabled());
    EXPECT_EQ(form.IsothermY(0), 152);
    EXPECT_EQ(form.IsothermY(1), 133);
    EXPECT_EQ(form.IsothermY(2), 114);

    TTimer& t800 = *form.Timers[0];
    // The first tick heats from the lower edge up to 800 °C and shows the first picture.
    harness::Ticks(t800, 1);
    EXPECT_EQ(OnOverlay(0, 156), clRed);
    EXPECT_TRUE(FrameAt(0, 395, 220));
    EXPECT_EQ(At(455, 378), Green);
    // The blue dot at 21, the picture a tick later.
    harness::Ticks(t800, 6);
    EXPECT_EQ(OnOverlay(21, 152), clBlue);
    EXPECT_FALSE(FrameAt(1, 508, 220));
    harness::Ticks(t800, 1);
    EXPECT_TRUE(FrameAt(1, 508, 220));
    EXPECT_EQ(harness::Ticks(t800, Enough), 97 - 8);
    EXPECT_TRUE(FrameAt(2, 620, 220));
    EXPECT_TRUE(FrameAt(3, 570, 5));
    // The white dot centred 6 pixels left of its trigger, the end label at (296, 142).
    EXPECT_EQ(OnOverlay(96, 152), clWhite);
    EXPECT_EQ(OnOverlay(297, 143), clRed);
    EXPECT_EQ(OnOverlay(150, 152), clRed);

    EXPECT_TRUE(form.Timers[1]->Enabled());
    EXPECT_EQ(harness::Ticks(*form.Timers[1], Enough), 90);
    EXPECT_EQ(UnitZTAisoC045::Unit.KurveX, 0);
    EXPECT_EQ(OnOverlay(150, 133), clRed);
    EXPECT_EQ(OnOverlay(281, 124), clRed); // " T = 850°C " at (280, 123)
    EXPECT_EQ(harness::Ticks(*form.Timers[2], Enough), 87);
    EXPECT_EQ(OnOverlay(150, 114), clRed);
    EXPECT_EQ(OnOverlay(272, 107), clRed); // " T = 900°C " at (271, 106)
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(form.NEU->Enabled());
    EXPECT_FALSE(form.Aufheizungskurven->Enabled());

    // "Löschen / Neu" clears and lets the run start again from the first picture.
    ASSERT_TRUE(harness::Menu(form, "&Löschen / Neu"));
    EXPECT_NE(OnOverlay(150, 152), clRed);
    EXPECT_FALSE(FrameAt(3, 570, 5));
    EXPECT_TRUE(form.Aufheizungskurven->Enabled());
    EXPECT_TRUE(form.NEU->Enabled());
    ASSERT_TRUE(harness::Menu(form, "&Start Isotherme"));
    EXPECT_EQ(harness::Ticks(t800, Enough), 97);
    EXPECT_TRUE(FrameAt(3, 570, 5));
}

TEST_P(IsothermalZta, ClosingInTheMiddleStartsAgainAt800Degrees) {
    ASSERT_TRUE(harness::Menu(form, "&Start Isotherme"));
    harness::Ticks(*form.Timers[0], Enough);
    harness::Ticks(*form.Timers[1], 20);
    // F1 acts during the run, which goes on.
    harness::Key(form, VK_F1);
    EXPECT_TRUE(form.MemoErlaeuterung->Visible());
    EXPECT_EQ(harness::Ticks(*form.Timers[1], 5), 5);
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(Idle());
    Open();
    EXPECT_FALSE(form.MemoErlaeuterung->Visible());
    EXPECT_NE(OnOverlay(150, 152), clRed);
    ASSERT_TRUE(harness::Menu(form, "&Start Isotherme"));
    EXPECT_TRUE(form.Timers[0]->Enabled());
    harness::Ticks(*form.Timers[0], 1);
    EXPECT_EQ(UnitZTAisoC045::Unit.BildNr, 1);
    EXPECT_TRUE(FrameAt(0, 395, 220));
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, IsothermalZta,
                         testing::Values(std::make_pair(800, 600), std::make_pair(1024, 768)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
