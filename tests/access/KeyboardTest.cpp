// The keyboard as the only way in: Tab reaches the heating-rate box and its button, explanatory
// texts take the focus and scroll with the arrow and page keys, the speed slider moves with the
// arrows, the lever's click areas click with Space and Return, and the keys a screen gives a
// meaning keep it while one of its controls has the focus.

#include "Harness.h"
#include "ironcarbon/UnitEKD06.h"
#include "ironcarbon/UnitEKD30.h"
#include "phase/UnitZutyp1.h"
#include "phase/UnitZutyp2.h"
#include "platform/Input.h"
#include "platform/Keys.h"
#include "platform/detail/QtBridge.h"
#include "shell/UnitDeckEKD.h"
#include "shell/UnitMenue.h"
#include "treatment/UnitHaerten.h"
#include "zta_ztu/UnitZTAconC045.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextEdit>

namespace {

constexpr int Enough = 1000;

const char* const TypeOne = "Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") ";
const char* const TypeTwo = "Vollkommene &Löslichkeit im flüssigen und vollkommene Unlöslichkeit "
                            "im festen Zustand (\"Typ 2\")";

// The colours along the edge of a rectangle, where a focus mark goes, leaving out the points
// that windowed controls cover.
std::vector<QRgb> EdgeOf(const QImage& image, const TRect& r, const std::vector<QRect>& covered) {
    std::vector<QRgb> out;
    auto take = [&](int x, int y) {
        for (const QRect& c : covered)
            if (c.contains(x, y))
                return;
        out.push_back(image.pixel(x, y) & RGB_MASK);
    };
    for (int x = r.Left; x < r.Right; ++x) {
        take(x, r.Top);
        take(x, r.Bottom - 1);
    }
    for (int y = r.Top; y < r.Bottom; ++y) {
        take(r.Left, y);
        take(r.Right - 1, y);
    }
    return out;
}

class Keyboard : public testing::TestWithParam<std::pair<int, int>> {
protected:
    void TearDown() override {
        if (shown)
            shown->Window()->hide();
    }
    // Opens a screen from the menu and puts its window on the display as the active one, as the
    // desktop does when the learner opens it.
    void Open(TForm& form, const std::string& command) {
        ASSERT_TRUE(harness::Menu(*FormHaupt, "&Programm starten"));
        ASSERT_TRUE(harness::Menu(*FormMenue, command));
        ASSERT_EQ(harness::ActiveForm(), &form);
        form.Window()->show();
        QApplication::setActiveWindow(form.Window());
        // The window takes its frame now, not at some moment during the test.
        form.Window()->MeasureFrame();
        harness::Settle();
        shown = &form;
    }
    // A key press as the keyboard delivers it, to the control that has the focus.
    void Press(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target =
            QApplication::focusWidget() ? QApplication::focusWidget() : shown->Window()->Surface();
        // Keys that write a character carry it, as the keyboard's do.
        QString text;
        if (qtKey == Qt::Key_Tab)
            text = QStringLiteral("\t");
        else if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde)
            text = QString(QChar(qtKey)).toLower();
        QKeyEvent override(QEvent::ShortcutOverride, qtKey, modifiers, text);
        QCoreApplication::sendEvent(target, &override);
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers, text);
        QCoreApplication::sendEvent(target, &release);
        harness::Settle();
    }
    static bool HasFocus(const TWinControl& control) {
        return QApplication::focusWidget() == control.Widget();
    }
    static bool HasFocus(const TGraphicControl& area) {
        return area.FocusWidget() && QApplication::focusWidget() == area.FocusWidget();
    }
    // Tab walks the controls in this order from the first, round to it again, and Shift+Tab
    // walks them back.
    template <class... Controls>
    void ExpectTabWalk(const Controls&... controls) {
        const std::vector<QWidget*> order{Stop(controls)...};
        order.front()->setFocus(Qt::TabFocusReason);
        for (std::size_t i = 1; i <= order.size(); ++i) {
            Press(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), order[i % order.size()]) << "Tab " << i;
        }
        for (std::size_t i = order.size(); i-- > 0;) {
            Press(Qt::Key_Backtab, Qt::ShiftModifier);
            EXPECT_EQ(QApplication::focusWidget(), order[i]) << "Shift+Tab to " << i;
        }
    }
    static QWidget* Stop(const TWinControl& control) { return control.Widget(); }
    static QWidget* Stop(const TGraphicControl& area) { return area.FocusWidget(); }
    // What a click at a point of the area draws, from the picture as it is now, which a repaint
    // brings back.
    static TPixels ClickPicture(TForm& form, const TGraphicControl& area, TPoint at) {
        const int x = area.Left() + at.X, y = area.Top() + at.Y;
        // The mouse passes the area's focus widget by, to the surface below.
        EXPECT_EQ(form.Window()->Surface()->childAt(x, y), nullptr);
        const TPixels before = form.Snapshot();
        Input::Click(form, mbLeft, x, y);
        harness::Settle();
        const TPixels clicked = form.Snapshot();
        EXPECT_FALSE(harness::SamePixels(clicked, before)) << "the click draws the lever";
        form.Refresh();
        EXPECT_TRUE(harness::SamePixels(form.Snapshot(), before));
        return clicked;
    }
    static QScrollBar* TextBar(const TMemo& memo) {
        return static_cast<QTextEdit*>(memo.Widget())->verticalScrollBar();
    }
    harness::Session session{GetParam().first, GetParam().second};
    TForm* shown = nullptr;
};

TEST_P(Keyboard, TabWalksTheRateBoxItsButtonAndThenTheText) {
    TFormZTAcon045& form = *FormZTAcon045;
    Open(form, "Kontinuierliches ZTA-Schaubild (C = 0.45%)");
    EXPECT_EQ(form.EditVauf->TabOrder(), 0);
    EXPECT_EQ(form.ButtonVauf->TabOrder(), 1);
    EXPECT_GT(form.MemoErlaeuterung->TabOrder(), 1);
    // While the first chain runs, the box and its button take no input and Tab passes them by.
    harness::Menu(form, "&Start ZTA-Diagramm");
    EXPECT_FALSE(HasFocus(*form.EditVauf));
    for (TTimer* timer : form.TimerLog)
        harness::Ticks(*timer, Enough);
    for (TTimer* timer : form.LineTimers)
        harness::Ticks(*timer, Enough);
    ASSERT_TRUE(form.EditVauf->Enabled());
    harness::Key(form, VK_F1);
    ASSERT_TRUE(form.MemoErlaeuterung->Visible());

    form.EditVauf->Widget()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(HasFocus(*form.EditVauf));
    Press(Qt::Key_Tab);
    EXPECT_TRUE(HasFocus(*form.ButtonVauf));
    Press(Qt::Key_Tab);
    EXPECT_TRUE(HasFocus(*form.MemoErlaeuterung));
    // The learner may write tabs into this text; Ctrl+Tab goes on, round to the rate box.
    Press(Qt::Key_Tab);
    EXPECT_TRUE(HasFocus(*form.MemoErlaeuterung));
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(HasFocus(*form.EditVauf));
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(HasFocus(*form.MemoErlaeuterung));

    // Typed from the keyboard and started with Space on the button, a rate draws its curve.
    form.EditVauf->Widget()->setFocus(Qt::TabFocusReason);
    form.EditVauf->SetText("");
    for (int key : {Qt::Key_1, Qt::Key_0})
        Press(key);
    EXPECT_EQ(form.EditVauf->Text(), "10");
    Press(Qt::Key_Tab);
    Press(Qt::Key_Space);
    EXPECT_TRUE(form.TimerVauf->Enabled());
    EXPECT_FALSE(form.ButtonVauf->Enabled());
    // Esc still closes the screen with the focus in a control.
    Press(Qt::Key_Escape);
    EXPECT_FALSE(form.Visible());
}

TEST_P(Keyboard, TheExplanatoryTextScrollsWithTheArrowAndPageKeys) {
    TFormHaerten& form = *FormHaerten;
    Open(form, "Härten");
    TMemo& memo = *form.MemoErlaeuterung;
    ASSERT_TRUE(memo.Visible());
    // The text is the first thing Tab reaches and the window hands it the focus.
    EXPECT_TRUE(HasFocus(memo));
    QScrollBar* bar = TextBar(memo);
    ASSERT_GT(bar->maximum(), 0) << "the text must be longer than its box";
    EXPECT_EQ(bar->value(), 0);
    Press(Qt::Key_Down);
    const int line = bar->value();
    EXPECT_GT(line, 0);
    Press(Qt::Key_PageDown);
    EXPECT_GT(bar->value(), line);
    Press(Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    Press(Qt::Key_PageUp);
    EXPECT_LT(bar->value(), bar->maximum());
    Press(Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    // The text stays as it was: it is read, not edited.
    const std::string first = memo.LinesGet(0);
    Press(Qt::Key_X);
    EXPECT_EQ(memo.LinesGet(0), first);
}

TEST_P(Keyboard, TheSpeedSliderMovesWithTheArrowKeysAndSetsTheInterval) {
    TFormEKD06& form = *FormEKD06;
    Open(form, "Abkühlung bei C= 0.6 %");
    TScrollBar& slider = *form.ScrollBarVAb;
    // With the text hidden the slider is the only control, and the window hands it the focus.
    EXPECT_TRUE(HasFocus(slider));
    harness::Menu(form, "&Start/Abkühlung mit Regler");
    EXPECT_EQ(form.TimerHaupt->Interval(), 500);
    Press(Qt::Key_Right);
    EXPECT_EQ(slider.Position(), 1010);
    EXPECT_EQ(form.TimerHaupt->Interval(), 1010);
    Press(Qt::Key_PageDown);
    EXPECT_EQ(slider.Position(), 1110);
    Press(Qt::Key_Left);
    EXPECT_EQ(form.TimerHaupt->Interval(), 1100);
    Press(Qt::Key_Home);
    EXPECT_EQ(slider.Position(), 1);
    EXPECT_EQ(form.TimerHaupt->Interval(), 1);
    Press(Qt::Key_End);
    EXPECT_EQ(form.TimerHaupt->Interval(), 2000);
    // F1 keeps toggling the text with the slider focused; Tab then reaches the text.
    Press(Qt::Key_F1);
    ASSERT_TRUE(form.MemoErlaeuterung->Visible());
    EXPECT_TRUE(HasFocus(slider));
    Press(Qt::Key_Tab);
    EXPECT_TRUE(HasFocus(*form.MemoErlaeuterung));
    Press(Qt::Key_F1);
    EXPECT_FALSE(form.MemoErlaeuterung->Visible());
    EXPECT_FALSE(HasFocus(*form.MemoErlaeuterung));
    Press(Qt::Key_Escape);
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.TimerHaupt->Enabled());
}

TEST_P(Keyboard, CtrlTabLeavesATextThatTakesTabAsText) {
    TFormEKD30& form = *FormEKD30;
    Open(form, "Abkühlung bei C = 3.0 %");
    Press(Qt::Key_F1);
    ASSERT_TRUE(form.MemoErlaeuterung->Visible());
    form.MemoErlaeuterung->Widget()->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Tab);
    EXPECT_TRUE(HasFocus(*form.MemoErlaeuterung));
    Press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(HasFocus(*form.ScrollBarVAb));
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(HasFocus(*form.MemoErlaeuterung));
    Press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(HasFocus(*form.ScrollBarVAb));
}

TEST_P(Keyboard, AnyKeyStillStartsAndPausesTypeOneWhileItsTextHasTheFocus) {
    TFormZuTyp1& form = *FormZuTyp1;
    Open(form, "Vollkommene Löslichkeit im flüssigen und festen Zustand (\"Typ 1\") ");
    ASSERT_TRUE(HasFocus(*form.MemoErlaeuterung));
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    Press(Qt::Key_Down);
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    Press(Qt::Key_Tab);
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    // Tab also moved on, to the lever's click area and then to the first lever box.
    EXPECT_TRUE(HasFocus(*form.PaintBoxHand));
    Press(Qt::Key_Tab);
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    EXPECT_TRUE(HasFocus(*form.EditMK));
    Press(Qt::Key_A);
    EXPECT_FALSE(form.TimerHaupt->Enabled());
    EXPECT_EQ(form.EditMK->Text(), "") << "the lever boxes are read, not typed into";
}

TEST_P(Keyboard, TypeOnesLeverAreaIsATabStopThatSpaceAndReturnClick) {
    TFormZuTyp1& form = *FormZuTyp1;
    Open(form, TypeOne);
    ExpectTabWalk(*form.MemoErlaeuterung, *form.PaintBoxHand, *form.EditMK, *form.EditSch);
    // The lever leaves its wide pen to the strip's later paints: the pictures are compared once
    // it has been drawn before.
    const TPoint beside{200, 25}; // left of the lever boxes
    Input::Click(form, mbLeft, form.PaintBoxHand->Left() + beside.X,
                 form.PaintBoxHand->Top() + beside.Y);
    form.Refresh();
    const TPixels clicked = ClickPicture(form, *form.PaintBoxHand, beside);

    form.PaintBoxHand->FocusWidget()->setFocus(Qt::TabFocusReason);
    // Every key reaches the key preview first: Space and Return also start or pause the run.
    for (int key : {Qt::Key_Space, Qt::Key_Return}) {
        const bool running = form.TimerHaupt->Enabled();
        Press(key);
        EXPECT_TRUE(harness::SamePixels(form.Snapshot(), clicked)) << key;
        EXPECT_NE(form.TimerHaupt->Enabled(), running) << key;
        form.Refresh();
    }
    // Another key only starts or pauses.
    const TPixels plain = form.Snapshot();
    Press(Qt::Key_X);
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), plain));
}

TEST_P(Keyboard, TypeTwosLeverAreasComeEachBeforeItsHalfsBoxes) {
    TFormZuTyp2& form = *FormZuTyp2;
    Open(form, TypeTwo);
    ExpectTabWalk(*form.MemoErlaeuterung, *form.PaintBoxHand1, *form.EditA, *form.EditSch1,
                  *form.PaintBoxHand2, *form.EditB, *form.EditSch2);
    const TPoint inside{form.PaintBoxHand1->Width() / 2, form.PaintBoxHand1->Height() / 2};
    const TPixels left = ClickPicture(form, *form.PaintBoxHand1, inside);
    const TPixels right = ClickPicture(form, *form.PaintBoxHand2, inside);
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        form.PaintBoxHand1->FocusWidget()->setFocus(Qt::TabFocusReason);
        Press(key);
        EXPECT_TRUE(harness::SamePixels(form.Snapshot(), left)) << key;
        form.Refresh();
        form.PaintBoxHand2->FocusWidget()->setFocus(Qt::TabFocusReason);
        Press(key);
        EXPECT_TRUE(harness::SamePixels(form.Snapshot(), right)) << key;
        form.Refresh();
    }
    // Space with Ctrl is no click.
    const TPixels plain = form.Snapshot();
    Press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), plain));
}

TEST_P(Keyboard, TheFocusMarkShowsOnlyWhileTheAreaHasTheFocusAndLeavesNoTrace) {
    TFormZuTyp1& form = *FormZuTyp1;
    Open(form, TypeOne);
    QWidget* surface = form.Window()->Surface();
    QWidget* stop = form.PaintBoxHand->FocusWidget();
    std::vector<QRect> covered;
    for (QWidget* child : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != stop && child->isVisible())
            covered.push_back(child->geometry());
    const TRect area = form.PaintBoxHand->BoundsRect();
    auto shown = [&] { return EdgeOf(surface->grab().toImage(), area, covered); };
    const TPixels pixels = form.Snapshot();
    const std::vector<QRgb> drawn = EdgeOf(form.Impl().image, area, covered);
    ASSERT_FALSE(drawn.empty());

    EXPECT_EQ(shown(), drawn) << "no mark without the focus";
    stop->setFocus(Qt::TabFocusReason);
    harness::Settle();
    EXPECT_NE(shown(), drawn);
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), pixels));
    Press(Qt::Key_Tab);
    ASSERT_FALSE(HasFocus(*form.PaintBoxHand));
    EXPECT_EQ(shown(), drawn);
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), pixels));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Keyboard,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
