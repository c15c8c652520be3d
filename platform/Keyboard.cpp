// The keyboard's way through a window: which controls take the focus, the order Tab walks them,
// how the learner leaves a text box that takes Tab as text, and the click areas that Tab stops
// at.

#include "platform/Controls.h"
#include "platform/detail/QtBridge.h"

#include <QAbstractSlider>
#include <QKeyEvent>
#include <QPainter>
#include <QTextEdit>

#include <algorithm>

namespace detail {

namespace {

// The windowed controls of a surface that take the focus, in the order Tab walks them now.
std::vector<QWidget*> SiblingsInTabOrder(QWidget* parent) {
    std::vector<QWidget*> out;
    if (!parent)
        return out;
    QWidget* window = parent->window();
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w->parentWidget() == parent && w->focusPolicy() != Qt::NoFocus)
            out.push_back(w);
    return out;
}

bool TakesTab(QWidget* w, QWidget* window) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window);
}

// The next control that Tab (or Shift+Tab) reaches from a control, outside it; the control
// itself when it is the only one.
QWidget* NextTabStop(QWidget* from, bool forward) {
    QWidget* window = from->window();
    QWidget* w = from;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w != from && !from->isAncestorOf(w) && w->window() == window && TakesTab(w, window))
            return w;
    } while (w && w != from);
    return from;
}

// Ctrl+Tab and Ctrl+Shift+Tab move on from a text box, whatever a plain Tab does in it.
class CtrlTabLeaves : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & Qt::ControlModifier))
            return false;
        const bool backTab = key->key() == Qt::Key_Backtab ||
                             (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (key->key() != Qt::Key_Tab && !backTab)
            return false;
        auto* from = static_cast<QWidget*>(object);
        NextTabStop(from, !backTab)
            ->setFocus(backTab ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
};

// The arrow keys move a horizontal slider's thumb the way they point. The toolkit's scroll bars
// take their keys turned round, for the sake of vertical bars; only the keys are set right here,
// so that the mouse wheel keeps its way.
class ArrowsPointTheWay : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        auto* slider = static_cast<QAbstractSlider*>(object);
        if (slider->orientation() != Qt::Horizontal || key->modifiers() != Qt::NoModifier)
            return false;
        const bool mirrored = slider->isRightToLeft();
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
            const bool towardsEnd = (key->key() == Qt::Key_Right) != mirrored;
            slider->triggerAction(towardsEnd ? QAbstractSlider::SliderSingleStepAdd
                                             : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
        return false;
    }
};

// The focus mark: a dotted line along the area's edge, dark on light, that shows on every colour
// of the diagrams and from the back of a classroom.
constexpr qreal FocusMarkWidth = 2;

bool ClicksTabStop(const QKeyEvent& key) {
    const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (key.key() == Qt::Key_Space || key.key() == Qt::Key_Return ||
                     key.key() == Qt::Key_Enter);
}

} // namespace

TabStopWidget::TabStopWidget(TGraphicControl& control, QWidget* surface)
    : QWidget(surface), control_(control) {
    // Only the keyboard stops here; a click still belongs to the surface and its controls.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // It stands for a graphic control, and those lie below the windowed controls.
    lower();
}

void TabStopWidget::Activate() {
    TForm* form = control_.OwnerForm();
    if (form && form->AcceptsInput())
        control_.Click();
}

// Drawn over the surface, never into it: without the focus the surface shows as it is.
void TabStopWidget::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    // The pen straddles its line: the line runs half its width inside the edge.
    constexpr qreal inset = FocusMarkWidth / 2;
    const QRectF edge = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(Qt::white, FocusMarkWidth));
    painter.drawRect(edge);
    painter.setPen(QPen(Qt::black, FocusMarkWidth, Qt::DotLine));
    painter.drawRect(edge);
}

void TabStopWidget::keyPressEvent(QKeyEvent* event) {
    if (!ClicksTabStop(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A key held down clicks once, as a mouse button held down does.
    if (!event->isAutoRepeat())
        Activate();
}

void ArrowsMoveSlider(QAbstractSlider* slider) {
    slider->installEventFilter(new ArrowsPointTheWay(slider));
}

void AcceptKeyboardFocus(QWidget* widget) {
    widget->setFocusPolicy(Qt::StrongFocus);
}

void LeaveWithCtrlTab(QWidget* textBox) {
    textBox->installEventFilter(new CtrlTabLeaves(textBox));
}

} // namespace detail

// Counted among the controls of the parent that take the focus: the others are not on Tab's way.
int TWinControl::TabOrder() const {
    const std::vector<QWidget*> order = detail::SiblingsInTabOrder(widget_->parentWidget());
    auto it = std::find(order.begin(), order.end(), widget_);
    return it == order.end() ? -1 : static_cast<int>(it - order.begin());
}

void TWinControl::SetTabOrder(int order) {
    std::vector<QWidget*> chain = detail::SiblingsInTabOrder(widget_->parentWidget());
    auto it = std::find(chain.begin(), chain.end(), widget_);
    if (it == chain.end())
        return;
    chain.erase(it);
    order = std::clamp(order, 0, static_cast<int>(chain.size()));
    chain.insert(chain.begin() + order, widget_);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void TGraphicControl::SetTabStop(const std::string& accessibleName) {
    QWidget* surface = Parent() ? Parent()->Impl().surface : nullptr;
    if (!surface)
        return;
    if (!tabStop_)
        tabStop_ = std::make_unique<detail::TabStop>();
    if (!tabStop_->widget)
        tabStop_->widget = new detail::TabStopWidget(*this, surface);
    tabStop_->widget->setAccessibleName(detail::Q(accessibleName));
    PlaceTabStop();
}

QWidget* TGraphicControl::FocusWidget() const {
    return tabStop_ ? tabStop_->widget.data() : nullptr;
}

void TGraphicControl::PlaceTabStop() {
    QWidget* stop = FocusWidget();
    if (!stop)
        return;
    stop->setGeometry(detail::ToQRect(BoundsRect()));
    stop->setVisible(Visible());
}
