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

// The colours of a picture along the edge of an area, where a focus mark goes, except where
// windowed controls lie over it.
std::vector<QRgb> EdgeOf(const QImage& image, const QRect& area, const QRegion& covered) {
    constexpr int Band = 2;
    const QRegion edge = QRegion(area) - QRegion(area.adjusted(Band, Band, -Band, -Band)) - covered;
    std::vector<QRgb> out;
    for (const QRect& r : edge)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                out.push_back(image.pixel(x, y) & RGB_MASK);
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
    // Tab walks these controls in this order from the first, round to it again.
    void ExpectTabWalk(const std::vector<QWidget*>& order) {
        order.front()->setFocus(Qt::TabFocusReason);
        for (std::size_t i = 1; i <= order.size(); ++i) {
            Press(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), order[i % order.size()]) << "Tab " << i;
        }
    }
    // The key on the area draws what a click at a point of it draws, from the same picture. A
    // lever leaves its pen to the strip's later paints: both start after one has been drawn.
    void ExpectKeyClicks(const TGraphicControl& area, TPoint at, int key) {
        const int x = area.Left() + at.X, y = area.Top() + at.Y;
        EXPECT_EQ(shown->Window()->Surface()->childAt(x, y), nullptr) << "the mouse passes by";
        Input::Click(*shown, mbLeft, x, y);
        shown->Refresh();
        const TPixels before = shown->Snapshot();
        Input::Click(*shown, mbLeft, x, y);
        const TPixels clicked = shown->Snapshot();
        ASSERT_FALSE(harness::SamePixels(clicked, before));
        shown->Refresh();
        area.FocusWidget()->setFocus(Qt::TabFocusReason);
        Press(key);
        EXPECT_TRUE(harness::SamePixels(shown->Snapshot(), clicked)) << key;
        shown->Refresh();
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

TEST_P(Keyboard, TypeOnesLeverAreaComesAfterTheTextAndSpaceAndReturnClickIt) {
    TFormZuTyp1& form = *FormZuTyp1;
    Open(form, TypeOne);
    ExpectTabWalk({form.MemoErlaeuterung->Widget(), form.PaintBoxHand->FocusWidget(),
                   form.EditMK->Widget(), form.EditSch->Widget()});
    // Every key reaches the key preview first: Space and Return also start or pause the run.
    for (int key : {Qt::Key_Space, Qt::Key_Return}) {
        const bool running = form.TimerHaupt->Enabled();
        ExpectKeyClicks(*form.PaintBoxHand, {200, 25}, key); // left of the lever boxes
        EXPECT_NE(form.TimerHaupt->Enabled(), running);
    }
}

TEST_P(Keyboard, TypeTwosLeverAreasComeEachBeforeItsHalfsBoxes) {
    TFormZuTyp2& form = *FormZuTyp2;
    Open(form, TypeTwo);
    ExpectTabWalk({form.MemoErlaeuterung->Widget(), form.PaintBoxHand1->FocusWidget(),
                   form.EditA->Widget(), form.EditSch1->Widget(), form.PaintBoxHand2->FocusWidget(),
                   form.EditB->Widget(), form.EditSch2->Widget()});
    const TPoint middle{form.PaintBoxHand1->Width() / 2, form.PaintBoxHand1->Height() / 2};
    ExpectKeyClicks(*form.PaintBoxHand1, middle, Qt::Key_Space);
    ExpectKeyClicks(*form.PaintBoxHand2, middle, Qt::Key_Return);
}

TEST_P(Keyboard, TheFocusMarkShowsOnlyWhileTheAreaHasTheFocusAndLeavesNoTrace) {
    TFormZuTyp1& form = *FormZuTyp1;
    Open(form, TypeOne);
    QWidget* surface = form.Window()->Surface();
    QWidget* stop = form.PaintBoxHand->FocusWidget();
    QRegion covered;
    for (QWidget* child : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != stop && child->isVisible())
            covered += child->geometry();
    auto edge = [&](const QImage& image) { return EdgeOf(image, stop->geometry(), covered); };
    const TPixels pixels = form.Snapshot();
    const std::vector<QRgb> drawn = edge(form.Impl().image);
    ASSERT_FALSE(drawn.empty());

    EXPECT_EQ(edge(surface->grab().toImage()), drawn) << "no mark without the focus";
    stop->setFocus(Qt::TabFocusReason);
    EXPECT_NE(edge(surface->grab().toImage()), drawn);
    Press(Qt::Key_Tab);
    EXPECT_EQ(edge(surface->grab().toImage()), drawn);
    EXPECT_TRUE(harness::SamePixels(form.Snapshot(), pixels));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Keyboard,
                         testing::Values(std::pair{800, 600}, std::pair{1024, 768}));

} // namespace
