// Windows, their paint cycle and their input: clipped repaints, the order of painting, the state
// a paint handler starts with, timers on the clock, disabled windows, modal nesting, closing.

#include "TestForm.h"
#include "platform/detail/QtBridge.h"

#include "platform/Dialogs.h"
#include "platform/Keys.h"
#include "platform/Timer.h"
#include <QCoreApplication>
#include <QKeyEvent>

#include <limits>

using harness::Pixel;
using harness::TestForm;

namespace {

TEST(PaintCycle, RunsFormPaintThenControlsInZOrderWithTheirFontAndColour) {
    TestForm form;
    std::vector<std::string> order;
    form.Paint = [&] { order.push_back("form"); };
    auto* top = form.Add<TPaintBox>();
    top->SetBounds(0, 0, 50, 50);
    top->SetColor(clRed);
    top->SetFont({"Arial", -19, clBlue, true});
    TColor brushAtPaint = -1;
    TFont fontAtPaint;
    top->OnPaint = [&] {
        order.push_back("top");
        brushAtPaint = top->Canvas.Brush.Color;
        fontAtPaint = top->Canvas.Font;
    };
    form.Box->SetBounds(0, 0, 100, 100);
    form.PaintBox = [&] { order.push_back("box"); };
    // State a timer left behind: font and brush colour are reset, the pen is kept.
    top->Canvas.Brush.Color = clBlack;
    top->Canvas.Font.Height = 40;
    top->Canvas.Pen.Width = 3;
    form.Show();
    harness::Settle();
    EXPECT_EQ(order, (std::vector<std::string>{"form", "box", "top"}));
    EXPECT_EQ(brushAtPaint, clRed);
    EXPECT_EQ(fontAtPaint, (TFont{"Arial", -19, clBlue, true}));
    EXPECT_EQ(top->Canvas.Pen.Width, 3);
}

TEST(PaintCycle, RefreshRepaintsAtOnceAndRemovesWhatTimersDrew) {
    TestForm form;
    form.Box->SetBounds(10, 10, 100, 100);
    form.PaintBox = [&] {
        form.Box->Canvas.Pen.Color = clBlack;
        form.Box->Canvas.Rectangle(0, 0, form.Box->Width(), form.Box->Height());
    };
    form.Show();
    harness::Settle();
    TPixels clean = form.Snapshot();
    TCanvas& c = form.Box->Canvas;
    c.Pen.Color = clRed;
    c.MoveTo(0, 50);
    c.LineTo(100, 50);
    EXPECT_EQ(Pixel(form, 60, 60), clRed);
    int paints = form.FormPaints;
    form.Refresh();
    EXPECT_EQ(form.FormPaints, paints + 1);
    EXPECT_TRUE(harness::SamePixels(clean, form.Snapshot()));
}

TEST(PaintCycle, AnInvalidatedAreaIsRepaintedLaterAndOnlyThere) {
    TestForm form;
    form.Box->SetBounds(0, 0, 200, 150);
    form.Show();
    harness::Settle();
    TCanvas& c = form.Box->Canvas;
    c.Pen.Color = clRed;
    c.MoveTo(0, 20);
    c.LineTo(200, 20);
    form.InvalidateRect({0, 0, 100, 150});
    EXPECT_EQ(Pixel(form, 50, 20), clRed); // not before the program is idle
    harness::Settle();
    // A paint box never fills itself: the form's colour shows where its handler draws nothing.
    EXPECT_EQ(Pixel(form, 50, 20), clWhite);
    EXPECT_EQ(Pixel(form, 150, 20), clRed);
}

TEST(PaintCycle, CanvasDrawingStaysInsideTheControl) {
    TestForm form;
    form.Box->SetBounds(20, 20, 50, 50);
    form.Show();
    harness::Settle();
    TCanvas& c = form.Box->Canvas;
    c.Pen.Color = clRed;
    c.MoveTo(-20, 10);
    c.LineTo(100, 10);
    EXPECT_EQ(Pixel(form, 19, 30), clWhite);
    EXPECT_EQ(Pixel(form, 20, 30), clRed);
    EXPECT_EQ(Pixel(form, 69, 30), clRed);
    EXPECT_EQ(Pixel(form, 70, 30), clWhite);
}

TEST(PaintCycle, HidingAWindowedControlRepaintsWhatItCovered) {
    TestForm form;
    form.Box->SetBounds(0, 0, 200, 150);
    auto* memo = form.Add<TMemo>();
    memo->SetBounds(10, 10, 60, 60);
    form.Show();
    harness::Settle();
    form.Box->Canvas.Brush.Color = clRed;
    form.Box->Canvas.Rectangle(0, 0, 200, 150);
    memo->SetVisible(false);
    harness::Settle();
    EXPECT_EQ(Pixel(form, 30, 30), clWhite);
    EXPECT_EQ(Pixel(form, 100, 100), clRed);
}

TEST(PaintCycle, ControlsOverdrawnByTheFormsPaintArePaintedAgainAboveIt) {
    TestForm form;
    form.Box->SetBounds(0, 0, 200, 150);
    auto* above = form.Add<TPaintBox>();
    above->SetBounds(150, 100, 40, 40);
    int abovePaints = 0;
    above->OnPaint = [&] {
        ++abovePaints;
        above->Canvas.Brush.Color = clBlue;
        above->Canvas.Rectangle(0, 0, 40, 40);
    };
    // The form's paint draws through the lower box's canvas, which is not clipped to the
    // repainted region.
    form.Paint = [&] {
        form.Box->Canvas.Brush.Color = clRed;
        form.Box->Canvas.Rectangle(0, 0, 200, 150);
    };
    form.Show();
    harness::Settle();
    const int before = abovePaints;
    form.InvalidateRect({0, 0, 20, 20});
    harness::Settle();
    EXPECT_EQ(abovePaints, before + 1);
    EXPECT_EQ(Pixel(form, 170, 120), clBlue);
}

TEST(PaintCycle, AHiddenFormPaintsNothingUntilItIsShown) {
    TestForm form;
    form.Invalidate();
    form.Refresh();
    harness::Settle();
    EXPECT_EQ(form.FormPaints, 0);
    form.Show();
    harness::Settle();
    EXPECT_EQ(form.FormPaints, 1);
}

TEST(PaintCycle, APaintBoxWithoutMouseHandlersLetsClicksThrough) {
    TestForm form;
    int clicks = 0;
    form.Box->SetBounds(0, 0, 100, 100);
    form.Box->OnClick = [&] { ++clicks; };
    auto* above = form.Add<TPaintBox>();
    above->SetBounds(0, 0, 100, 100);
    form.Show();
    harness::Settle();
    EXPECT_TRUE(form.MouseDown(mbLeft, 50, 50));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(form.MouseDown(mbLeft, 150, 120));
}

TEST(Timers, TickOnTheClockAtTheirIntervalWithTheShortestPeriodAsFloor) {
    std::vector<std::string> ticks;
    TTimer slow(nullptr, 50, true), fast(nullptr, 1, true), off(nullptr, 0, true);
    slow.OnTimer = [&] { ticks.push_back("slow"); };
    fast.OnTimer = [&] { ticks.push_back("fast"); };
    off.OnTimer = [&] { ticks.push_back("off"); };
    Clock::Advance(Clock::MinimumPeriod - 1);
    EXPECT_TRUE(ticks.empty());
    Clock::Advance(1);
    EXPECT_EQ(ticks, std::vector<std::string>{"fast"});
    Clock::Advance(100 - Clock::MinimumPeriod);
    // Fast ticks at 16, 32, 48, 64, 80, 96; slow at 50 and 100.
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), "fast"), 6);
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), "slow"), 2);
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), "off"), 0);
    EXPECT_EQ(ticks[3], "slow");
}

TEST(Timers, EnablingARunningTimerKeepsItsPeriodAndATimerCanStopItself) {
    TTimer timer(nullptr, 100, true);
    int ticks = 0;
    timer.OnTimer = [&] {
        if (++ticks == 3)
            timer.SetEnabled(false);
    };
    Clock::Advance(60);
    timer.SetEnabled(true);
    Clock::Advance(40);
    EXPECT_EQ(ticks, 1);
    Clock::Advance(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(timer.Enabled());
    timer.SetEnabled(true);
    timer.SetInterval(0);
    Clock::Advance(1000);
    EXPECT_EQ(ticks, 3);
}

class InputTest : public testing::Test {
protected:
    void SetUp() override {
        form.MainMenu.Add("Ende", "&Ende", [this] { ++ende; });
        esc = form.MainMenu.Add(
            "ESC", "ESC", [this] { ++escapes; }, VK_ESCAPE, false);
        form.MainMenu.Add(
            "Text", "Text ja/nein", [this] { ++f1; }, VK_F1);
        form.KeyPreview = true;
        form.Box->SetBounds(0, 0, 100, 100);
        form.Box->OnClick = [this] { ++clicks; };
        form.Show();
        harness::Settle();
    }
    TestForm form;
    TMenuItem* esc = nullptr;
    int ende = 0, escapes = 0, f1 = 0, clicks = 0;
};

TEST_F(InputTest, InvisibleItemsReactToTheirShortcutButDisabledOnesDoNot) {
    EXPECT_TRUE(harness::Key(form, VK_ESCAPE));
    EXPECT_EQ(escapes, 1);
    esc->SetEnabled(false);
    harness::Key(form, VK_ESCAPE);
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(form.LastKey, VK_ESCAPE); // no longer a shortcut: the key preview sees it
}

TEST_F(InputTest, ADisabledWindowTakesOnlyItsMenuShortcuts) {
    form.SetEnabled(false);
    harness::Key(form, VK_ESCAPE);
    harness::Key(form, VK_F1);
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(f1, 1);
    harness::Key(form, 'A');
    EXPECT_EQ(form.LastKey, 0);
    EXPECT_FALSE(harness::Menu(form, "&Ende"));
    EXPECT_EQ(ende, 0);
    EXPECT_FALSE(form.MouseDown(mbLeft, 50, 50));
    EXPECT_EQ(clicks, 0);
    form.CloseBoxClicked();
    EXPECT_TRUE(form.Visible());
    form.SetEnabled(true);
    harness::Key(form, 'A');
    EXPECT_EQ(form.LastKey, 'A');
    EXPECT_TRUE(harness::Menu(form, "&Ende"));
    EXPECT_TRUE(form.MouseDown(mbLeft, 50, 50));
    EXPECT_EQ(clicks, 1);
}

TEST_F(InputTest, TheCloseBoxRunsOnlyFormCloseAndHides) {
    form.CloseBoxClicked();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.Closes, 1);
    EXPECT_EQ(ende, 0);
    // Closing a hidden form again is harmless.
    form.Close();
    EXPECT_FALSE(form.Visible());
}

// Key presses as the window system delivers them to a widget of the window.
void Press(TForm& form, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent override(QEvent::ShortcutOverride, qtKey, modifiers);
    QCoreApplication::sendEvent(form.Window()->Surface(), &override);
    QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
    QCoreApplication::sendEvent(form.Window()->Surface(), &press);
}

TEST_F(InputTest, KeysFromTheWindowSystemReachShortcutsAndTheKeyPreview) {
    Press(form, Qt::Key_Escape);
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(form.LastKey, 0);
    Press(form, Qt::Key_Shift, Qt::ShiftModifier); // a key of its own for a screen waiting
    EXPECT_EQ(form.LastKey, VK_SHIFT);
    Press(form, Qt::Key_Adiaeresis);
    EXPECT_EQ(form.LastKey, 0xFF);
    form.LastKey = 0;
    Press(form, Qt::Key_Alt, Qt::AltModifier); // left to the menu bar
    Press(form, Qt::Key_E, Qt::AltModifier);
    EXPECT_EQ(form.LastKey, 0);
    Press(form, Qt::Key_F1);
    EXPECT_EQ(f1, 1);
    TestForm modal;
    modal.ShowModal();
    Press(form, Qt::Key_Escape);
    Press(form, Qt::Key_A);
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(form.LastKey, 0);
}

TEST(Modal, NestedModalFormsBlockEverythingBelowUntilTheyClose) {
    TestForm a, b, c, beside;
    a.Show();
    b.ShowModal();
    EXPECT_TRUE(a.Blocked());
    EXPECT_FALSE(b.Blocked());
    c.ShowModal();
    EXPECT_TRUE(a.Blocked());
    EXPECT_TRUE(b.Blocked());
    // A form shown beside the modal one stays usable.
    beside.Show();
    EXPECT_TRUE(beside.AcceptsInput());
    EXPECT_EQ(harness::ActiveForm(), nullptr); // none of these is one of the program's screens
    c.Close();
    EXPECT_FALSE(b.Blocked());
    EXPECT_TRUE(a.Blocked());
    b.Close();
    EXPECT_FALSE(a.Blocked());
    EXPECT_TRUE(a.AcceptsInput());
    // Keys and menus of a blocked form do nothing.
    int runs = 0;
    a.MainMenu.Add(
        "ESC", "ESC", [&] { ++runs; }, VK_ESCAPE, false);
    b.ShowModal();
    EXPECT_FALSE(a.KeyDown(VK_ESCAPE));
    EXPECT_EQ(runs, 0);
    b.Close();
    a.KeyDown(VK_ESCAPE);
    EXPECT_EQ(runs, 1);
}

TEST(Uncovering, AClosingWindowRepaintsOnlyWhatNoOtherWindowStillCovers) {
    TestForm below(300, 200), middle(300, 200), top(300, 200);
    below.Show();
    middle.Show();
    middle.SetBounds(0, 0, 150, 200); // covers the left half of the window below
    top.Show();
    below.Box->SetBounds(0, 0, 300, 200);
    harness::Settle();
    const int paints = below.FormPaints;
    below.Box->Canvas.Brush.Color = clRed;
    below.Box->Canvas.Rectangle(0, 0, 300, 200);
    top.Close();
    harness::Settle();
    EXPECT_GT(below.FormPaints, paints);
    EXPECT_EQ(Pixel(below, 100, 100), clRed);   // still under the middle window
    EXPECT_EQ(Pixel(below, 200, 100), clWhite); // uncovered: painted again
}

TEST(Resources, AWindowStoredAt120PixelsPerInchIsScaledByTheRatioOfTextHeights) {
    struct Stored : TForm {
        Stored() : TForm(120, 16) {
            SetFont({"MS Sans Serif", -14, clBlack, false});
            Label = Add<TLabel>();
            Label->SetCaption("Bildschirmauflösung");
            Label->SetBounds(11, 65, 100, 20);
            Label->SetFont({"Arial", -20, clBlack, false});
            Panel = Add<TPanel>();
            Panel->SetBounds(489, 265, 160, 40);
        }
        TLabel* Label;
        TPanel* Panel;
    } form;
    form.Create();
    // 13 / 16, to the nearest pixel.
    EXPECT_EQ(form.Label->Left(), 9);
    EXPECT_EQ(form.Label->Top(), 53);
    EXPECT_EQ(form.Label->Font().Height, -16);
    EXPECT_EQ(form.Panel->Left(), 397);
    EXPECT_EQ(form.Panel->Top(), 215);
    EXPECT_EQ(form.Panel->Width(), 130);
    EXPECT_EQ(form.Font().Height, -11); // the form font by 96 / 120
}

TEST(Conversion, TextToRealAcceptsDecimalsAndReportsEverythingElse) {
    EXPECT_DOUBLE_EQ(StrToFloat("2,5"), 2.5);
    EXPECT_DOUBLE_EQ(StrToFloat(" 1.5 "), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("-3e2"), -300);
    for (const char* bad : {"", " ", "abc", "1,2,3", "nan", "inf", "0x10", "1e", "12a"}) {
        try {
            StrToFloat(bad);
            ADD_FAILURE() << "accepted \"" << bad << "\"";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'\u2068") + bad + "\u2069' ist kein gültiger Gleitkommawert");
        }
    }
    // Too small to hold is zero, however it is written; too large is infinite, with its sign.
    for (const char* tiny : {"1e-400", "-1e-400", " 0,01e-322 ", "1e-99999999999999999999"})
        EXPECT_EQ(StrToFloat(tiny), 0) << tiny;
    EXPECT_GT(StrToFloat("1e-310"), 0); // still held, if less precisely
    const double infinity = std::numeric_limits<double>::infinity();
    for (const char* huge : {"1e999", "10e308", " 0,1e310 ", "+1e99999999999999999999"})
        EXPECT_EQ(StrToFloat(huge), infinity) << huge;
    EXPECT_EQ(StrToFloat("-1e999"), -infinity);
    EXPECT_EQ(StrToFloat("1e308"), 1e308); // the largest powers of ten still hold
    // The typed text goes into the message as it is, never as a format.
    try {
        StrToFloat("%s%n");
    } catch (const EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "'\u2068%s%n\u2069' ist kein gültiger Gleitkommawert");
    }
}

TEST(Conversion, RealToTextIsTheShortestGeneralFormWithADecimalComma) {
    EXPECT_EQ(FloatToStr(7), "7");
    EXPECT_EQ(FloatToStr(100), "100");
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(FloatToStr(-0.0), "0");
}

TEST(Conversion, AnErrorInAHandlerGoesToTheErrorBoxAndEndsOnlyThatHandler) {
    harness::Session session(800, 600);
    bool after = false;
    TApplication::Guard([&] {
        StrToFloat("abc");
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(session.Errors,
              std::vector<std::string>{"'\u2068abc\u2069' ist kein gültiger Gleitkommawert"});
}

} // namespace
