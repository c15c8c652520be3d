// The cover's opening animation and title, its commands, and the information screen.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitInfo.h"
#include "shell/UnitMenue.h"

using harness::Pixel;
using UnitDeckEKD::Unit;

namespace {

constexpr TColor LightYellow = 0x80FFFF;

// Pixels of the title's colour in the cell of title line 1.
int BlackInFirstTitleLine() {
    int black = 0;
    for (int y = Unit.MitteY - 128; y < Unit.MitteY - 128 + 31; ++y)
        for (int x = Unit.MitteX - 262; x < Unit.MitteX + 262; ++x)
            black += Pixel(*FormHaupt, x, y) == clBlack;
    return black;
}

TEST(Cover, CentresTheAnimationOnTheScreenWithHalvingTowardZero) {
    for (auto [w, h, x, y] : {std::array{800, 600, 390, 250}, std::array{1024, 768, 502, 334},
                              std::array{1023, 768, 501, 334}}) {
        harness::Session session(w, h);
        EXPECT_EQ(Unit.MitteX, x);
        EXPECT_EQ(Unit.MitteY, y);
        // The cover keeps the large factor on every screen and fills the screen.
        EXPECT_DOUBLE_EQ(Unit.FaktorX, 1.28);
        EXPECT_EQ((std::array{FormHaupt->Left(), FormHaupt->Top(), FormHaupt->Width(),
                              FormHaupt->Height()}),
                  (std::array{0, 0, w, h}));
        // The picture fills the client area above the hint bar, whatever bounds it was given.
        EXPECT_EQ(FormHaupt->Image1->Left(), 0);
        EXPECT_EQ(FormHaupt->Image1->Width(), FormHaupt->ClientWidth());
        EXPECT_EQ(FormHaupt->Image1->Height(),
                  FormHaupt->ClientHeight() - FormHaupt->StatusBar1->Height());
    }
}

class CoverAnimation : public testing::TestWithParam<std::pair<int, int>> {
protected:
    harness::Session session{GetParam().first, GetParam().second};
    TTimer& timer = *FormHaupt->TimerSTart;
};

TEST_P(CoverAnimation, WritesTheTitleOnTheFiftyFourthTickAndNotBefore) {
    ASSERT_TRUE(timer.Enabled()) << "the first paint starts the animation";
    EXPECT_EQ(harness::Ticks(timer, 53), 53);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(BlackInFirstTitleLine(), 0);
    EXPECT_EQ(harness::Ticks(timer, 1), 1);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_GT(BlackInFirstTitleLine(), 100);
    // No further ticks until the next paint.
    EXPECT_EQ(harness::Ticks(timer, 10), 0);
}

TEST_P(CoverAnimation, LeavesEightBandsAroundALightYellowCentre) {
    harness::Ticks(timer, 54);
    // Ring k last drew half-width 371 − 7(k − 1) and half-height 212 − 4(k − 1).
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(Unit.RingHalbBreite[k], 371 - 7 * (k - 1) + 7) << "ring " << k;
        EXPECT_EQ(Unit.RingHalbHoehe[k], 212 - 4 * (k - 1) + 4) << "ring " << k;
    }
    const TColor ringColors[] = {0,        0xDD3200, 0xFF3333, 0xFF5B5B, 0xFF8282,
                                 0xFF9D9D, 0xFFB7B7, 0x00FFFF, 0x00FFF5, 0x80FFFF};
    for (int k = 1; k <= 8; ++k) {
        const int halfWidth = 371 - 7 * (k - 1), halfHeight = 212 - 4 * (k - 1);
        // Each ring shows on its own edge line at the sides; at the top the next ring's pen
        // reaches over it, so it shows just outside.
        EXPECT_EQ(Pixel(*FormHaupt, Unit.MitteX - halfWidth, Unit.MitteY), ringColors[k])
            << "ring " << k;
        EXPECT_EQ(Pixel(*FormHaupt, Unit.MitteX, Unit.MitteY - halfHeight - 3), ringColors[k])
            << "ring " << k;
    }
    EXPECT_EQ(Pixel(*FormHaupt, Unit.MitteX, Unit.MitteY), LightYellow);
    EXPECT_EQ(Pixel(*FormHaupt, Unit.MitteX - 300, Unit.MitteY + 150), LightYellow);
    // Outside the outermost band the picture shows again.
    EXPECT_NE(Pixel(*FormHaupt, Unit.MitteX - 371 - 8, Unit.MitteY), ringColors[1]);
}

TEST_P(CoverAnimation, ARepaintRestartsTheAnimationFromTheBeginning) {
    harness::Ticks(timer, 54);
    FormHaupt->Refresh();
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(Unit.RingHalbBreite[1], 0);
    EXPECT_FALSE(Unit.RingLaeuft[2]);
    EXPECT_NE(Pixel(*FormHaupt, Unit.MitteX, Unit.MitteY), LightYellow);
    EXPECT_EQ(harness::Ticks(timer, 100), 54);
}

TEST_P(CoverAnimation, ClosingAWindowOverTheCoverRestartsIt) {
    harness::Ticks(timer, 54);
    ASSERT_TRUE(harness::Menu(*FormHaupt, "&Info"));
    EXPECT_FALSE(timer.Enabled());
    harness::Key(*FormInfo, VK_ESCAPE);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(Unit.RingHalbBreite[1], 0);
}

TEST_P(CoverAnimation, StartingTheProgramRestartsTheAnimationWhichGoesOnUnderTheMenu) {
    harness::Ticks(timer, 20);
    ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
    EXPECT_EQ(Unit.RingHalbBreite[1], 0);
    EXPECT_TRUE(FormMenue->Visible());
    EXPECT_TRUE(FormHaupt->Blocked());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    EXPECT_EQ(harness::Ticks(timer, 100), 54);
    // The menu covers the cover; leaving it uncovers the cover and starts the animation anew.
    harness::Key(*FormMenue, VK_ESCAPE);
    EXPECT_FALSE(FormMenue->Visible());
    EXPECT_EQ(harness::ActiveForm(), FormHaupt);
    EXPECT_TRUE(timer.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Screens, CoverAnimation,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

TEST(Cover, EscOrTheEndCommandEndsTheProgram) {
    {
        harness::Session session(800, 600);
        harness::Key(*FormHaupt, VK_ESCAPE);
        EXPECT_TRUE(Application.Terminated());
        EXPECT_FALSE(FormHaupt->Visible());
    }
    {
        harness::Session session(800, 600);
        EXPECT_FALSE(Application.Terminated());
        harness::Menu(*FormHaupt, "Programm &beenden");
        EXPECT_TRUE(Application.Terminated());
    }
}

TEST(Info, IsA800By500WindowCentredOnEveryScreen) {
    for (auto [w, h, left, top] :
         {std::array{800, 600, 0, 50}, std::array{1024, 768, 112, 134},
          std::array{1280, 1024, 240, 262}, std::array{640, 480, -80, -10}}) {
        harness::Session session(w, h);
        EXPECT_EQ(
            (std::array{FormInfo->Left(), FormInfo->Top(), FormInfo->Width(), FormInfo->Height()}),
            (std::array{left, top, 800, 500}));
        EXPECT_EQ((std::array{FormInfo->PanelInfo->Left(), FormInfo->PanelInfo->Top(),
                              FormInfo->PanelInfo->Width(), FormInfo->PanelInfo->Height()}),
                  (std::array{15, 20, 750, 370}));
    }
}

TEST(Info, LabelsKeepTheirStoredPositionsConvertedToTheDisplay) {
    harness::Session session(1024, 768);
    // Stored at 120 pixels per inch with a text height of 16: scaled by 13 / 16.
    EXPECT_EQ((std::array{FormInfo->Label2->Left(), FormInfo->Label2->Top()}), (std::array{9, 16}));
    EXPECT_EQ((std::array{FormInfo->Label1->Left(), FormInfo->Label1->Top()}), (std::array{9, 53}));
    EXPECT_EQ((std::array{FormInfo->Label3->Left(), FormInfo->Label3->Top()}), (std::array{9, 90}));
    EXPECT_EQ((std::array{FormInfo->Label4->Left(), FormInfo->Label4->Top()}),
              (std::array{397, 215}));
    EXPECT_EQ((std::array{FormInfo->Label5->Left(), FormInfo->Label5->Top()}),
              (std::array{397, 242}));
    EXPECT_EQ(FormInfo->PanelInfo->Font().Height, -16);
}

TEST(Info, EscAndTheEndCommandCloseItAndReturnToTheCover) {
    harness::Session session(800, 600);
    for (bool byEsc : {true, false}) {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Info"));
        EXPECT_TRUE(FormInfo->Visible());
        EXPECT_TRUE(FormHaupt->Blocked());
        // The panel shows its light yellow, the labels their text on it.
        TPanel& panel = *FormInfo->PanelInfo;
        EXPECT_EQ(panel.PixelColor(400, 300), 0xB9FFFF);
        for (TLabel* label : {FormInfo->Label1, FormInfo->Label3, FormInfo->Label5}) {
            int black = 0;
            for (int y = label->Top(); y < label->Top() + label->Height(); ++y)
                for (int x = label->Left(); x < label->Left() + label->Width(); ++x)
                    black += panel.PixelColor(x, y) == clBlack;
            EXPECT_GT(black, 20) << label->Caption();
        }
        if (byEsc)
            harness::Key(*FormInfo, VK_ESCAPE);
        else
            harness::Menu(*FormInfo, "&Ende");
        EXPECT_FALSE(FormInfo->Visible());
        EXPECT_EQ(harness::ActiveForm(), FormHaupt);
    }
}

} // namespace
