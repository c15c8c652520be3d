// The layout rule and its variants at the screen sizes learners use and at the odd ones.

#include "Harness.h"
#include "platform/ScaleFit.h"
#include "shell/ScreenFrame.h"

using namespace ScreenFrame;

namespace {

TEST(LayoutRule, SmallScreensScaleTheDesignToTheWholeScreen) {
    Layout l = StandardLayout(800, 600);
    EXPECT_TRUE(l.Small);
    EXPECT_DOUBLE_EQ(l.FaktorX, 1.0);
    EXPECT_DOUBLE_EQ(l.FaktorY, 1.0);
    EXPECT_EQ((std::array{l.Left, l.Top, l.Width, l.Height}), (std::array{0, 0, 800, 600}));
    EXPECT_EQ(Scaled(125, l.FaktorX), 125);

    l = StandardLayout(640, 480);
    EXPECT_DOUBLE_EQ(l.FaktorX, 0.8);
    EXPECT_DOUBLE_EQ(l.FaktorY, 0.8);
    EXPECT_EQ(Scaled(13, l.FaktorX), 10); // 10.4
    EXPECT_EQ((std::array{l.Left, l.Top, l.Width, l.Height}), (std::array{0, 0, 640, 480}));
}

TEST(LayoutRule, LargeScreensGetTheCentredLargeLayoutInEveryVariant) {
    for (LayoutTest test : {LayoutTest::WidthBelow1024, LayoutTest::WidthUpTo1024}) {
        Layout l = StandardLayout(1024, 768, test);
        EXPECT_DOUBLE_EQ(l.FaktorX, 1.28);
        EXPECT_DOUBLE_EQ(l.FaktorY, 1.28);
        EXPECT_EQ(Scaled(125, l.FaktorX), 160);
        EXPECT_EQ((std::array{l.Left, l.Top, l.Width, l.Height}), (std::array{0, 0, 1024, 768}));

        l = StandardLayout(1280, 1024, test);
        EXPECT_FALSE(l.Small);
        EXPECT_EQ((std::array{l.Left, l.Top, l.Width, l.Height}),
                  (std::array{128, 128, 1024, 768}));
    }
}

TEST(LayoutRule, AWide600PixelScreenDependsOnTheVariant) {
    Layout upTo = StandardLayout(1024, 600, LayoutTest::WidthUpTo1024);
    EXPECT_TRUE(upTo.Small);
    EXPECT_DOUBLE_EQ(upTo.FaktorX, 1.28);
    EXPECT_DOUBLE_EQ(upTo.FaktorY, 1.0);
    EXPECT_EQ((std::array{upTo.Left, upTo.Top, upTo.Width, upTo.Height}),
              (std::array{0, 0, 1024, 600}));

    Layout below = StandardLayout(1024, 600);
    EXPECT_FALSE(below.Small);
    EXPECT_DOUBLE_EQ(below.FaktorY, 1.28);
    EXPECT_EQ((std::array{below.Left, below.Top, below.Width, below.Height}),
              (std::array{0, -84, 1024, 768}));
}

TEST(LayoutRule, FixedWindowsAreCentredWithHalvingTowardZero) {
    Layout l = FixedLayout(1024, 768, 800, 500);
    EXPECT_EQ((std::array{l.Left, l.Top}), (std::array{112, 134}));
    l = FixedLayout(640, 480, 800, 500);
    EXPECT_EQ((std::array{l.Left, l.Top}), (std::array{-80, -10}));
    l = FixedLayout(801, 601, 800, 500);
    EXPECT_EQ((std::array{l.Left, l.Top}), (std::array{0, 50}));
}

TEST(LayoutRule, TheBackdropIsDrawnOnlyOnLargeScreens) {
    struct Backdrop : TForm {
        void FormPaint() override {
            DrawBackdrop(*this, DiagramOrange, {20, 22, 180, 140}, {30, 30, 150, 100});
        }
    };
    for (auto [width, shown] : {std::pair{800, false}, std::pair{1024, true}}) {
        Screen.Width = width;
        Backdrop form;
        form.Create();
        form.SetColor(ScreenBlue);
        form.SetBounds(0, 0, 200, 160);
        form.Show();
        harness::Settle();
        EXPECT_EQ(form.PixelColor(25, 25), shown ? DiagramOrange : ScreenBlue);
        EXPECT_EQ(form.PixelColor(100, 60), shown ? BackdropGold : ScreenBlue);
        EXPECT_EQ(form.PixelColor(20, 60), shown ? clBlack : ScreenBlue);
    }
}

} // namespace

namespace {

TEST(FramePieces, TheExplanationStartsHiddenAndF1TogglesIt) {
    TForm form;
    form.Create();
    TMemo* memo = AddExplanation(form, {});
    WriteLines(*memo, {"Erste Zeile", "", "Dritte Zeile"});
    EXPECT_FALSE(memo->Visible());
    EXPECT_EQ(memo->LinesCount(), 3);
    EXPECT_EQ(memo->LinesGet(2), "Dritte Zeile");
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->Color(), ExplanationYellow);
    ToggleExplanation(*memo);
    EXPECT_TRUE(memo->Visible());
    ToggleExplanation(*memo);
    EXPECT_FALSE(memo->Visible());
    SetExplanationFont(*memo, 1.28);
    EXPECT_EQ(memo->Font().Height, 20);
    WriteLines(*memo, {"Neu"});
    EXPECT_EQ(memo->LinesCount(), 1);
}

TEST(FramePieces, TheSpeedSliderSetsTheAnimationIntervalOnEveryScroll) {
    TForm form;
    form.Create();
    TTimer timer(nullptr, 50, false);
    auto* slider = form.Add<TScrollBar>();
    SetUpSpeedSlider(*slider, timer);
    EXPECT_EQ((std::array{slider->Min(), slider->Max(), slider->Position(), slider->SmallChange(),
                          slider->LargeChange()}),
              (std::array{1, 2000, 1000, 10, 100}));
    EXPECT_EQ(timer.Interval(), 50); // setting it up scrolls nothing
    slider->OnScroll(1990);
    EXPECT_EQ(timer.Interval(), 1990);
}

TEST(FramePieces, TheHintBarSitsAtTheBottomWithItsFixedText) {
    TForm form;
    form.Create();
    form.SetBounds(0, 0, 400, 300);
    TStatusBar* bar = AddHintBar(form, HintF1, -17);
    EXPECT_EQ(bar->SimpleText(), HintF1);
    EXPECT_EQ(bar->Top() + bar->Height(), form.ClientHeight());
    EXPECT_EQ(bar->Width(), form.ClientWidth());
    EXPECT_TRUE(bar->Font().Bold);
    EXPECT_EQ(bar->Color(), clSilver);
}

} // namespace

// The scale the windows are shown at, for the desktops that learners and teachers use: the
// desktop's own where the layout fits, else the largest 1/64 step below it that fits, never
// below 1.
TEST(LayoutRule, TheDesktopScaleComesDownOnlyAsFarAsTheWindowsNeed) {
    struct Case {
        double desktop;
        int width, height;
        double scale;
    };
    const Case cases[] = {
        {1.0, 1024, 768, 1.0},
        {1.5, 1920, 1080, 1.40625}, // 1365 × 768 logical: the large window fills the height
        {1.25, 1920, 1080, 1.25},   // 1536 × 864: fits as it is
        {1.75, 3840, 2160, 1.75},   // fractional scales pass unrounded
        {1.25, 1366, 768, 1.0},     // 1092 × 614 would cut the large window
        {2.0, 2560, 1440, 1.875},   // 1365 × 768
        {2.0, 3840, 2160, 2.0},     // 1920 × 1080
        {3.0, 3840, 2160, 2.8125},  // 1365 × 768
        {2.0, 1600, 1200, 2.0},     // 800 × 600: the small layout fills the screen
        {2.0, 640, 480, 1.0},       // too small at every scale: stays at 1
        {0.5, 1024, 768, 1.0},      // a scale below 1 is not one a desktop offers
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " at " << c.desktop);
        EXPECT_DOUBLE_EQ(FittingScale(c.desktop, c.width, c.height, FitsScreen), c.scale);
    }
    // A projector of 1280 × 800 is filled by a scale of 800 / 768.
    EXPECT_DOUBLE_EQ(FittingScale(800.0 / 768, 1280, 800, FitsScreen), 800.0 / 768);
    EXPECT_FALSE(FitsScreen(1280, 720));
    EXPECT_FALSE(FitsScreen(799, 600));
    EXPECT_TRUE(FitsScreen(1024, 768));
}
