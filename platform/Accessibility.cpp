// What a screen reader finds in the program: each screen a frame with its title, its windowed
// controls under the names their screens give them, its click areas as buttons named by what
// they do, and the texts that the screens paint as panels as static text in reading order. The
// toolkit exposes its own widgets; what it cannot know (a window's kind, a painted line) is
// added here.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/detail/QtBridge.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>
#include <map>

namespace detail {

namespace {

// A painted line: it belongs to a surface and lives as long as the line is what the surface
// shows. The toolkit keeps it by its id; the surface's entry deletes it when the line goes.
class PaintedText : public QAccessibleInterface {
public:
    PaintedText(QWidget* surface, QString text, QRect bounds)
        : surface_(surface), text_(std::move(text)), bounds_(bounds) {}

    bool isValid() const override { return !surface_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        QAccessibleInterface* p = parent();
        return p ? p->window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return surface_ ? QAccessible::queryAccessibleInterface(surface_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!surface_)
            return {};
        return QRect(surface_->mapToGlobal(bounds_.topLeft()), bounds_.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = surface_ && !surface_->isVisible();
        return s;
    }
    const QString& Text() const { return text_; }
    QRect Bounds() const { return bounds_; }

private:
    QPointer<QWidget> surface_;
    QString text_;
    QRect bounds_;
};

using TextIds = std::vector<QAccessible::Id>;

// The painted lines a surface shows now, each kept by its id; gone with the surface.
std::map<const QWidget*, TextIds>& PaintedTexts() {
    static auto* texts = new std::map<const QWidget*, TextIds>();
    return *texts;
}

void Forget(TextIds& ids) {
    for (QAccessible::Id id : ids)
        QAccessible::deleteAccessibleInterface(id);
    ids.clear();
}

PaintedText* TextOf(QAccessible::Id id) {
    return static_cast<PaintedText*>(QAccessible::accessibleInterface(id));
}

// The lines the visible graphic controls of a surface paint, in the order the learner reads
// them: controls from the top down and from left to right, each with its lines in its order.
std::vector<std::pair<QString, QRect>> LinesOf(const TContainer& container) {
    std::vector<const TGraphicControl*> controls;
    for (const auto& child : container.Controls()) {
        auto* graphic = dynamic_cast<const TGraphicControl*>(child.get());
        if (graphic && graphic->Visible() && !graphic->AccessibleText().empty())
            controls.push_back(graphic);
    }
    std::stable_sort(controls.begin(), controls.end(), [](auto* a, auto* b) {
        return a->Top() != b->Top() ? a->Top() < b->Top() : a->Left() < b->Left();
    });
    std::vector<std::pair<QString, QRect>> lines;
    for (const TGraphicControl* control : controls)
        for (const std::string& line : control->AccessibleText())
            lines.emplace_back(Q(line).trimmed(), ToQRect(control->BoundsRect()));
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const auto& line) { return line.first.isEmpty(); }),
                lines.end());
    return lines;
}

// Brings the kept lines of a surface up to what it shows now; lines that stay keep their ids,
// so that a reader's place in them holds.
const TextIds& CurrentTexts(SurfaceWidget* surface) {
    auto [entry, added] = PaintedTexts().try_emplace(surface);
    TextIds& ids = entry->second;
    if (added) {
        QObject::connect(surface, &QObject::destroyed, [surface] {
            auto it = PaintedTexts().find(surface);
            if (it == PaintedTexts().end())
                return;
            Forget(it->second);
            PaintedTexts().erase(it);
        });
    }
    const auto lines = LinesOf(surface->Owner());
    const bool same = lines.size() == ids.size() &&
                      std::equal(lines.begin(), lines.end(), ids.begin(), [](auto& l, auto id) {
                          return TextOf(id)->Text() == l.first && TextOf(id)->Bounds() == l.second;
                      });
    if (!same) {
        Forget(ids);
        for (const auto& [text, bounds] : lines)
            ids.push_back(
                QAccessible::registerAccessibleInterface(new PaintedText(surface, text, bounds)));
    }
    return ids;
}

// A screen window: a frame, named by its title.
class FrameAccessible : public QAccessibleWidget {
public:
    explicit FrameAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// A drawing surface (a window's client area or a panel): its windowed controls, as the toolkit
// sees them, then the texts painted on it. A panel is named by its caption.
class SurfaceAccessible : public QAccessibleWidget {
public:
    explicit SurfaceAccessible(SurfaceWidget* surface)
        : QAccessibleWidget(surface, dynamic_cast<TPanel*>(&surface->Owner())
                                         ? QAccessible::Pane
                                         : QAccessible::Client),
          surface_(surface) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(Texts().size());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const TextIds& texts = Texts();
        const auto i = static_cast<std::size_t>(index - widgets);
        return i < texts.size() ? QAccessible::accessibleInterface(texts[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const TextIds& texts = Texts();
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (QAccessible::accessibleInterface(texts[i]) == child)
                return QAccessibleWidget::childCount() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            if (auto* panel = dynamic_cast<TPanel*>(&surface_->Owner()))
                return Q(panel->Caption());
        return QAccessibleWidget::text(t);
    }

private:
    const TextIds& Texts() const { return CurrentTexts(surface_); }
    SurfaceWidget* surface_;
};

// A click area that Tab stops at: a button, named by what it does, that a reader can press.
class ClickAreaAccessible : public QAccessibleWidget {
public:
    explicit ClickAreaAccessible(TabStopWidget* area)
        : QAccessibleWidget(area, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<TabStopWidget*>(widget())->Activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* window = dynamic_cast<FormWindow*>(widget))
        return new FrameAccessible(window);
    if (auto* surface = dynamic_cast<SurfaceWidget*>(widget))
        return new SurfaceAccessible(surface);
    if (auto* area = dynamic_cast<TabStopWidget*>(widget))
        return new ClickAreaAccessible(area);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    QAccessible::installFactory(Factory);
}

} // namespace detail

std::string TWinControl::AccessibleName() const {
    return detail::S(widget_->accessibleName());
}

void TWinControl::SetAccessibleName(const std::string& name) {
    widget_->setAccessibleName(detail::Q(name));
    // A text box's own scroll bars scroll that text: they carry its name.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget_)) {
        area->verticalScrollBar()->setAccessibleName(detail::Q(name));
        area->horizontalScrollBar()->setAccessibleName(detail::Q(name));
    }
}

std::vector<std::string> TLabel::AccessibleText() const {
    std::vector<std::string> own = TGraphicControl::AccessibleText();
    return own.empty() ? std::vector<std::string>{caption_} : own;
}
