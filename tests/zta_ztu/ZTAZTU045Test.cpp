// The combined ZTA/ZTU run: its scaled frames and overlay at both factors, heating and holding
// to their stated ends, the five cooling curves one after the other with their tick counts, the
// window disabled for the whole run, Esc and "&Löschen / Neu".

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "zta_ztu/UnitZTAZTU045.h"

#include <array>

using harness::Pixel;
using UnitZTAZTU045::Unit;

namespace {

constexpr int Enough = 2000;

class ZTAZTU045 : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, "Iso.ZTA/konti.ZTU-Schaubild (C = 0.45%)"));
        ASSERT_EQ(harness::ActiveForm(), FormZTAZTU045);
    }
    bool Large() const { return GetParam().first >= 1024; }
    TColor At(int x, int y) {
        return Pixel(form, form.PaintBoxHaupt->Left() + x, form.PaintBoxHaupt->Top() + y);
    }

    harness::Session session{GetParam().first, GetParam().second};
    TFormZTAZTU045& form = *FormZTAZTU045;
};

std::array<int, 4> Bounds(const TControl& c) {
    return {c.Left(), c.Top(), c.Width(), c.Height()};
}

TEST_P(ZTAZTU045, ScalesBothFramesAndTheOverlay) {
    if (Large()) {
        EXPECT_EQ(Unit.Ztu.Rect(), (TRect{586, 26, 1005, 550}));
        EXPECT_EQ(Unit.Zta.Rect(), (TRect{119, 26, 587, 550}));
        EXPECT_EQ(Unit.Ztu.Dekade, 69);
        EXPECT_EQ(Unit.Zta.Dekade, 78);
        EXPECT_EQ(Bounds(*form.PaintBoxLog), (std::array{587, 201, 439, 350}));
    } else {
        EXPECT_EQ(Unit.Ztu.Rect(), (TRect{458, 20, 785, 430}));
        EXPECT_EQ(Unit.Zta.Rect(), (TRect{93, 20, 458, 430}));
        EXPECT_EQ(Unit.Zta.Dekade, 60);
        EXPECT_EQ(Bounds(*form.PaintBoxLog), (std::array{459, 157, 347, 274}));
    }
    EXPECT_TRUE(form.MemoErlaeuterung->Visible());
    // The Ms line at 340 °C from 0.1 s on.
    EXPECT_EQ(At(Unit.Ztu.X(0.5L), Unit.Ztu.Y(340)), 1);
}

TEST_P(ZTAZTU045, HeatsHoldsAndCoolsAtTheFiveRates) {
    harness::Menu(form, "&Austenitisierung und kontinuierliche Abkühlung");
    EXPECT_FALSE(form.Enabled());
    EXPECT_FALSE(form.Austenitisierung->Enabled());
    int heated = 0;
    while (heated < Enough && form.TimerZTA->Enabled()) {
        harness::Ticks(*form.TimerZTA, 1);
        ++heated;
        // The heating ends at (155, 160), or (199, 199) at factor 1.28, and in the same tick the
        // holding line starts on 160 (202) and takes its first step.
        if (heated == (Large() ? 40 : 31)) {
            EXPECT_EQ(form.PaintBoxHaupt->Canvas.PenPos,
                      Large() ? (TPoint{201, 202}) : (TPoint{157, 160}));
        }
    }
    EXPECT_EQ(heated, Large() ? 231 : 180);
    const std::array<int, 5> ticks{144, 145, 62, 51, 26};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(form.CoolingTimers[i]->Enabled()) << i;
        EXPECT_FALSE(form.Enabled());
        EXPECT_EQ(harness::Ticks(*form.CoolingTimers[i], Enough), ticks[i]) << i;
    }
    EXPECT_TRUE(form.Enabled());
    EXPECT_FALSE(form.Austenitisierung->Enabled());
    harness::Menu(form, "&Löschen / Neu");
    EXPECT_TRUE(form.Austenitisierung->Enabled());
}

TEST_P(ZTAZTU045, EscDuringTheRunStopsItAndTheNextRunStartsAtTheOrigin) {
    harness::Menu(form, "&Austenitisierung und kontinuierliche Abkühlung");
    harness::Ticks(*form.TimerZTA, 50);
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
    EXPECT_TRUE(form.Enabled());
    EXPECT_FALSE(form.TimerZTA->Enabled());
    ASSERT_TRUE(harness::Menu(*FormMenue, "Iso.ZTA/konti.ZTU-Schaubild (C = 0.45%)"));
    EXPECT_TRUE(form.Austenitisierung->Enabled());
    harness::Menu(form, "&Austenitisierung und kontinuierliche Abkühlung");
    EXPECT_EQ(Unit.KurveX, Unit.Zta.Links);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ZTAZTU045,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" +
                                    std::to_string(info.param.second);
                         });

} // namespace
