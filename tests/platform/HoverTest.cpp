// The mouse over a window's controls: a control hears when the mouse has left it, a control
// that only follows the mouse lets clicks through, and a tooltip stays whole on the screen.

#include "TestForm.h"
#include "platform/ToolTip.h"

namespace {

struct Watched {
    TPaintBox* Box;
    int Moves = 0;
    int Leaves = 0;
};

void Watch(Watched& w) {
    w.Box->OnMouseMove = [&w](int, int) { ++w.Moves; };
    w.Box->OnMouseLeave = [&w] { ++w.Leaves; };
}

TEST(Hover, TheControlTheMouseLeavesHearsOfItOnce) {
    harness::TestForm form;
    Watched a{form.Box};
    a.Box->SetBounds(0, 0, 50, 50);
    Watched b{form.Add<TPaintBox>()};
    b.Box->SetBounds(60, 0, 50, 50);
    Watch(a);
    Watch(b);
    form.Show();

    form.MouseMove(10, 10);
    form.MouseMove(20, 20);
    EXPECT_EQ(a.Moves, 2);
    EXPECT_EQ(a.Leaves, 0);
    form.MouseMove(70, 10); // onto b
    EXPECT_EQ(a.Leaves, 1);
    form.MouseMove(55, 10); // between them
    EXPECT_EQ(b.Leaves, 1);
    form.MouseMove(56, 10);
    EXPECT_EQ(b.Leaves, 1);

    form.MouseMove(10, 10);
    form.SurfaceMouseLeave(); // off the window
    EXPECT_EQ(a.Leaves, 2);
    form.SurfaceMouseLeave();
    EXPECT_EQ(a.Leaves, 2);
}

TEST(Hover, AWindowThatStopsTakingTheMouseLetsTheControlKnow) {
    harness::TestForm form;
    Watched a{form.Box};
    a.Box->SetBounds(0, 0, 50, 50);
    Watch(a);
    form.Show();
    form.MouseMove(10, 10);
    form.SetEnabled(false);
    EXPECT_EQ(a.Leaves, 1);
    form.MouseMove(10, 10); // ignored while disabled
    EXPECT_EQ(a.Moves, 1);
    form.SetEnabled(true);
    form.MouseMove(10, 10);
    form.Close();
    EXPECT_EQ(a.Leaves, 2);
}

TEST(Hover, AControlThatOnlyFollowsTheMouseLetsClicksThroughToTheOneBelow) {
    harness::TestForm form;
    form.Box->SetBounds(0, 0, 50, 50);
    int clicks = 0;
    form.Box->OnClick = [&] { ++clicks; };
    Watched over{form.Add<TPaintBox>()};
    over.Box->SetBounds(0, 0, 100, 100);
    Watch(over);
    form.Show();
    EXPECT_TRUE(form.MouseDown(mbLeft, 10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(form.MouseDown(mbLeft, 80, 80));
    // For the mouse's moves the upper control is the one under it.
    form.MouseMove(10, 10);
    EXPECT_EQ(over.Moves, 1);
}

TEST(ToolTipPlace, BelowRightOfThePointerAndOnTheOtherSideWhereTheScreenEnds) {
    const TRect free = ToolTip::Place(100, 100, 120, 40, 800, 600);
    EXPECT_GT(free.Left, 100);
    EXPECT_GT(free.Top, 100);
    EXPECT_EQ(free.Width(), 120);
    EXPECT_EQ(free.Height(), 40);
    // At the lower right corner of an 800 × 600 screen the tip goes above and left.
    const TRect corner = ToolTip::Place(790, 590, 120, 40, 800, 600);
    EXPECT_LT(corner.Right, 790);
    EXPECT_LT(corner.Bottom, 590);
    EXPECT_GE(corner.Left, 0);
    EXPECT_GE(corner.Top, 0);
    // A tip wider than the room on either side stays on the screen, its left edge first.
    const TRect wide = ToolTip::Place(400, 300, 780, 40, 800, 600);
    EXPECT_GE(wide.Left, 0);
    EXPECT_LE(wide.Right, 800);
    const TRect huge = ToolTip::Place(400, 300, 900, 700, 800, 600);
    EXPECT_EQ(huge.Left, 0);
    EXPECT_EQ(huge.Top, 0);
}

} // namespace
