// The six text pages: panel bounds in both layouts, fixed line positions with a scaled font,
// clipping at the panel's edge, and the two commands that close a page.

#include "Harness.h"
#include "platform/Keys.h"
#include "shell/UnitALLZTAZTU.h"
#include "shell/UnitAllEKD.h"
#include "shell/UnitAllZu.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitEntZu.h"
#include "shell/UnitInfo.h"
#include "shell/UnitMenue.h"
#include "shell/UnitWarme.h"
#include "shell/UnitZeitab.h"

using harness::Pixel;

namespace {

struct PageCase {
    const char* Command;
    TTextPage* (*Page)();
    std::array<int, 4> Small; // width, height, left, top at 800 × 600
    std::array<int, 4> Large; // the same at 1024 × 768
};

const PageCase Pages[] = {
    {"Allgemeines zu Zustandsschaubildern",
     []() -> TTextPage* { return FormAllZu; },
     {720, 480, 40, 10},
     {922, 512, 51, 64}},
    {"Allgemeines zur Entstehung ",
     []() -> TTextPage* { return FormEntZu; },
     {720, 512, 40, 10},
     {922, 576, 51, 51}},
    {"Allgemeines",
     []() -> TTextPage* { return FormAllEKD; },
     {720, 510, 40, 10},
     {922, 576, 51, 51}},
    {"ZTA/ZTU-Schaubilder",
     []() -> TTextPage* { return FormALLZTAZTU; },
     {750, 460, 20, 10},
     {960, 512, 26, 51}},
    {"Definition",
     []() -> TTextPage* { return FormWarme; },
     {640, 330, 60, 70},
     {768, 384, 102, 90}},
};

class TextPages : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override { ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten")); }
    bool Large() const { return GetParam().first == 1024; }
    TTextPage& Open(const PageCase& page) {
        EXPECT_TRUE(harness::Menu(*FormMenue, page.Command)) << page.Command;
        return *page.Page();
    }
    harness::Session session{GetParam().first, GetParam().second};
};

TEST_P(TextPages, PlaceTheirPanelScaledFromTheDesignOfTheLayout) {
    for (const PageCase& page : Pages) {
        TTextPage& form = Open(page);
        std::array<int, 4> want = Large() ? page.Large : page.Small;
        EXPECT_EQ((std::array{form.PaintBoxText->Width(), form.PaintBoxText->Height(),
                              form.PaintBoxText->Left(), form.PaintBoxText->Top()}),
                  want)
            << page.Command;
        harness::Key(form, VK_ESCAPE);
    }
    // The time-dependent overview opens from the other "Allgemeines".
    TMenuItem* item = FormMenue->MainMenu.Items()[3]->Items()[0].get();
    ASSERT_TRUE(FormMenue->ChooseMenu(*item));
    harness::Settle();
    EXPECT_EQ(harness::ActiveForm(), FormZeitAb);
    EXPECT_EQ(FormZeitAb->PaintBoxText->Width(), Large() ? 960 : 750);
}

TEST_P(TextPages, KeepTheirLinePositionsWhileTheFontGrowsWithTheScreen) {
    TTextPage& form = Open(Pages[0]);
    TPaintBox& box = *form.PaintBoxText;
    EXPECT_EQ(box.Canvas.Font.Height, Large() ? 23 : 18);
    const int cell = box.Canvas.TextHeight("X");
    auto blackIn = [&](int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += Pixel(form, box.Left() + x, box.Top() + y) == clBlack;
        return n;
    };
    // "- Aggregatzustände …" starts at (150, 45) in panel pixels on both screens.
    EXPECT_GT(blackIn(150, 160, 45, 45 + cell), 0);
    EXPECT_EQ(blackIn(40, 150, 45, 45 + cell), 0);
    EXPECT_EQ(blackIn(150, 400, 45 + cell, 70), 0);
    // The panel's light yellow and its black outline.
    EXPECT_EQ(Pixel(form, box.Left(), box.Top() + 5), clBlack);
    EXPECT_EQ(Pixel(form, box.Left() + 5, box.Top() + 5), 0x80FFFF);
}

TEST_P(TextPages, ClipLongLinesAtThePanelsRightEdge) {
    TTextPage& form = Open(Pages[3]);
    TPaintBox& box = *form.PaintBoxText;
    int inside = 0, outside = 0;
    for (int y = box.Top() + 1; y < box.Top() + box.Height() - 1; ++y) {
        for (int x = box.Left() + box.Width() - 40; x < box.Left() + box.Width() - 1; ++x)
            inside += Pixel(form, x, y) == clBlack;
        for (int x = box.Left() + box.Width(); x < box.Left() + box.Width() + 10; ++x)
            outside += Pixel(form, x, y) != form.Color();
    }
    if (!Large()) {
        EXPECT_GT(inside, 0) << "the longest lines run up to the edge";
    }
    EXPECT_EQ(outside, 0);
}

TEST_P(TextPages, CloseOnlyWithEscOrTheEndCommand) {
    TTextPage& form = Open(Pages[4]);
    for (int key : {int('A'), VK_F1, VK_F2, VK_RETURN, VK_SPACE})
        harness::Key(form, key);
    EXPECT_TRUE(form.MouseDown(mbLeft, 100, 100) == false);
    EXPECT_TRUE(form.Visible());
    harness::Menu(form, "&Ende");
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(harness::ActiveForm(), FormMenue);
    Open(Pages[4]);
    harness::Key(form, VK_ESCAPE);
    EXPECT_FALSE(form.Visible());
}

INSTANTIATE_TEST_SUITE_P(Screens, TextPages,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

TEST(Robustness, EveryScreenRunsAtTinyAndHugeScreenSizes) {
    for (auto [w, h] : {std::pair{320, 240}, std::pair{640, 480}, std::pair{1024, 600},
                        std::pair{1280, 1024}, std::pair{3840, 2160}}) {
        harness::Session session(w, h);
        harness::Ticks(*FormHaupt->TimerSTart, 60);
        harness::Menu(*FormHaupt, "&Info");
        harness::Key(*FormInfo, VK_ESCAPE);
        harness::Menu(*FormHaupt, "&Programm starten");
        for (const auto& menu : UnitMenue::TopicMenus())
            for (const auto& command : menu.Commands)
                if (command.Screen) {
                    TMenuItem* item = FormMenue->MainMenu.Find(command.Caption);
                    FormMenue->ChooseMenu(*item);
                    harness::Settle();
                    ASSERT_NE(harness::ActiveForm(), FormMenue) << command.Caption;
                    harness::Key(*harness::ActiveForm(), VK_ESCAPE);
                }
        harness::Menu(*FormMenue, "Hintergrund Gefüge ja/nein");
        harness::Key(*FormMenue, VK_ESCAPE);
        harness::Key(*FormHaupt, VK_ESCAPE);
        EXPECT_TRUE(Application.Terminated());
    }
}

} // namespace
