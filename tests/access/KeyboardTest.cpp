// The keyboard as the only way in: Tab reaches the heating-rate box and its button, explanatory
// texts take the focus and scroll with the arrow and page keys, the speed slider moves with the
// arrows, and the keys a screen gives a meaning keep it while one of its controls has the focus.

#include "Harness.h"
#include "ironcarbon/UnitEKD06.h"
#include "ironcarbon/UnitEKD30.h"
#include "phase/UnitZutyp1.h"
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
    // Tab also moved on, to the first lever box.
    EXPECT_TRUE(HasFocus(*form.EditMK));
    Press(Qt::Key_A);
    EXPECT_TRUE(form.TimerHaupt->Enabled());
    EXPECT_EQ(form.EditMK->Text(), "") << "the lever boxes are read, not typed into";
}

INSTANTIATE_TEST_SUITE_P(Sizes, Keyboard,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
