#include "platform/Form.h"

#include "platform/Accelerators.h"
#include "platform/Application.h"
#include "platform/Screen.h"
#include "platform/detail/QtBridge.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------------------------------------
// Menu items

TMenuItem::TMenuItem(TForm* form, TMenuItem* parent) : form_(form), parent_(parent) {}

TMenuItem::~TMenuItem() = default;

void TMenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (form_)
        form_->UpdateMenuItem(*this);
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (form_)
        form_->UpdateMenuItem(*this);
}

TMenuItem* TMenuItem::Add(const std::string& name, const std::string& caption,
                          std::function<void()> onClick, int shortCut, bool visible) {
    auto item = std::make_unique<TMenuItem>(form_, this);
    item->Name = name;
    item->caption_ = caption;
    item->OnClick = std::move(onClick);
    item->ShortCut = shortCut;
    item->Visible = visible;
    items_.push_back(std::move(item));
    return items_.back().get();
}

void TMenuItem::Click() {
    if (enabled_ && OnClick)
        TApplication::Guard(OnClick);
}

TMenuItem* TMenuItem::FindShortCut(int key) {
    for (const auto& item : items_) {
        if (!item->enabled_)
            continue;
        if (item->ShortCut == key && key != 0)
            return item.get();
        if (TMenuItem* found = item->FindShortCut(key))
            return found;
    }
    return nullptr;
}

TMenuItem* TMenuItem::Find(const std::string& caption) {
    for (const auto& item : items_) {
        if (item->caption_ == caption)
            return item.get();
        if (TMenuItem* found = item->Find(caption))
            return found;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// The top-level window

namespace detail {

namespace {

// The menu captions were written for the narrow menu font of the screens they were laid out on;
// in the embedded face at its own width the longest bar, that of the annealing screen, runs past
// an 800-pixel window and hides its last command behind the overflow arrow. The same face a
// little narrower, as the screen font's stand-in is, keeps every command of every bar in view,
// with room for a desktop's window frame; the bar keeps its height.
constexpr int MenuBarStretch = 92;

} // namespace

FormWindow::FormWindow(TForm& form) : QWidget(nullptr, Qt::Window), form_(form) {
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    QFont menuFont = QApplication::font();
    menuFont.setStretch(MenuBarStretch);
    menuBar_->setFont(menuFont);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

int FormWindow::MenuBarHeight() const {
    return menuBar_->isVisibleTo(this) ? menuBar_->sizeHint().height() : 0;
}

void FormWindow::LayOut() {
    int bar = MenuBarHeight();
    menuBar_->setGeometry(0, 0, width(), bar);
    if (surface_)
        surface_->setGeometry(0, bar, width(), std::max(0, height() - bar));
}

void FormWindow::MeasureFrame() {
    if (!isVisible())
        return;
    QSize extra = frameGeometry().size() - geometry().size();
    if (extra != frameExtra_ && extra.width() >= 0 && extra.height() >= 0) {
        frameExtra_ = extra;
        // The form's size is the outer size: the client area gives way to the frame, or, where
        // the desktop sizes the window, the outer size grows by it.
        form_.ApplyGeometry();
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The close box: the form decides, and hides itself if it closes.
    event->ignore();
    form_.CloseBoxClicked();
}

void FormWindow::resizeEvent(QResizeEvent*) {
    LayOut();
    form_.WindowResized(width() + frameExtra_.width(), height() + frameExtra_.height());
}

void FormWindow::moveEvent(QMoveEvent*) {
    form_.WindowMoved(frameGeometry().x(), frameGeometry().y());
}

bool FormWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        // The window manager adds its frame only after the window appears.
        QTimer::singleShot(50, this, [this] { MeasureFrame(); });
        QTimer::singleShot(400, this, [this] { MeasureFrame(); });
        break;
    case QEvent::WindowActivate:
        if (form_.Blocked())
            QTimer::singleShot(0, this, [] { TForm::ActivateTopModal(); });
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

} // namespace detail

// ---------------------------------------------------------------------------------------------
// TForm

namespace {
std::vector<TForm*>& ModalStack() {
    // Never destroyed: forms and timers may outlive it when the program ends.
    static auto* stack = new std::vector<TForm*>();
    return *stack;
}
// The visible windows from the bottom to the top: a window shown or brought to the front goes on
// top.
std::vector<TForm*>& StackingOrder() {
    static auto* stack = new std::vector<TForm*>();
    return *stack;
}
void BringToTop(TForm* form) {
    auto& stack = StackingOrder();
    stack.erase(std::remove(stack.begin(), stack.end(), form), stack.end());
    stack.push_back(form);
}
// Every form that exists, in the order of creation.
std::vector<TForm*>& AllForms() {
    // Never destroyed: forms and timers may outlive it when the program ends.
    static auto* forms = new std::vector<TForm*>();
    return *forms;
}
} // namespace

TForm::TForm(int designPixelsPerInch, int designTextHeight)
    : TContainer(nullptr, new detail::FormWindow(*this)), Canvas(*this), MainMenu(this, nullptr),
      window_(static_cast<detail::FormWindow*>(widget_)), designPixelsPerInch_(designPixelsPerInch),
      designTextHeight_(designTextHeight) {
    auto* surface = new detail::SurfaceWidget(*this, window_);
    window_->SetSurface(surface);
    Impl().surface = surface;
    InitVisible(false);
    SetColor(clSilver);
    AllForms().push_back(this);
}

TForm::~TForm() {
    auto& stack = ModalStack();
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    auto& forms = AllForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    auto& stacking = StackingOrder();
    stacking.erase(std::remove(stacking.begin(), stacking.end(), this), stacking.end());
    for (TForm* form : forms) {
        auto& blocked = form->blockedForms_;
        blocked.erase(std::remove(blocked.begin(), blocked.end(), this), blocked.end());
    }
    // Components may refer to controls (a timer's handler), so they go first.
    components_.clear();
}

TCanvasHost::Target TForm::CanvasTarget() {
    const detail::ContainerImpl& impl = Impl();
    return {this,
            {0, 0, ClientWidth(), ClientHeight()},
            impl.painting.has_value() && impl.paintingControl == nullptr};
}

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
    window_->setWindowTitle(detail::Q(caption));
}

int TForm::ClientWidth() const {
    return std::max(0, Width() - window_->FrameExtra().width());
}

int TForm::ClientHeight() const {
    return std::max(0, Height() - window_->FrameExtra().height() - window_->MenuBarHeight());
}

void TForm::SetEnabled(bool enabled) {
    enabled_ = enabled;
    // A disabled window ignores the mouse: for its controls the mouse has gone.
    if (!enabled)
        SurfaceMouseLeave();
}

void TForm::Create() {
    ApplyBorderStyle();
    ScaleFromDesign();
    BuildMenuBar();
    ApplyGeometry();
    TApplication::Guard([this] { FormCreate(); });
}

void TForm::ScaleFromDesign() {
    // The display is taken to have 96 pixels per inch. A window stored at another resolution
    // gets its font scaled by the ratio of resolutions, and every stored position, size and font
    // height by the ratio of the text heights of that font before and after.
    constexpr int DisplayPixelsPerInch = 96;
    if (designPixelsPerInch_ == DisplayPixelsPerInch)
        return;
    TFont font = Font();
    font.Height = static_cast<int>(std::lround(static_cast<double>(font.Height) *
                                               DisplayPixelsPerInch / designPixelsPerInch_));
    TControl::SetFont(font);
    int textHeight = static_cast<int>(std::lround(static_cast<double>(designTextHeight_) *
                                                  DisplayPixelsPerInch / designPixelsPerInch_));
    std::function<void(TContainer&)> scale = [&](TContainer& c) {
        for (const auto& child : c.Controls()) {
            child->ScaleResource(textHeight, designTextHeight_);
            if (auto* inner = dynamic_cast<TContainer*>(child.get()))
                scale(*inner);
        }
    };
    scale(*this);
    Realign();
}

void TForm::LabelMenu(TMenuItem& menu) {
    std::vector<TMenuItem*> shown;
    std::vector<std::string> captions;
    for (const auto& item : menu.Items()) {
        if (!item->Visible)
            continue;
        shown.push_back(item.get());
        captions.push_back(item->Caption());
    }
    const std::vector<std::string> labelled = Accelerators::Assign(captions);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i]->shown_ = labelled[i];
        if (shown[i]->Action)
            static_cast<QAction*>(shown[i]->Action)->setText(detail::Q(labelled[i]));
    }
}

void TForm::BuildMenuBar() {
    QMenuBar* bar = window_->MenuBar();
    bool any = false;
    std::function<void(TMenuItem&)> label = [&](TMenuItem& menu) {
        LabelMenu(menu);
        for (const auto& item : menu.Items())
            label(*item);
    };
    label(MainMenu);
    std::function<void(TMenuItem&, QWidget*)> add = [&](TMenuItem& item, QWidget* into) {
        if (!item.Visible)
            return;
        if (!item.Items().empty()) {
            auto* menu = new QMenu(detail::Q(item.ShownCaption()), into);
            if (auto* b = qobject_cast<QMenuBar*>(into))
                item.Action = b->addMenu(menu);
            else
                item.Action = static_cast<QMenu*>(into)->addMenu(menu);
            for (const auto& sub : item.Items())
                add(*sub, menu);
        } else {
            auto* action = new QAction(detail::Q(item.ShownCaption()), into);
            TMenuItem* target = &item;
            QObject::connect(action, &QAction::triggered, [this, target] { ChooseMenu(*target); });
            into->addAction(action);
            item.Action = action;
        }
        static_cast<QAction*>(item.Action)->setEnabled(item.Enabled());
        any = any || into == bar;
    };
    for (const auto& item : MainMenu.Items())
        add(*item, bar);
    bar->setVisible(any);
    window_->LayOut();
}

void TForm::UpdateMenuItem(TMenuItem& item) {
    if (!item.Action)
        return;
    auto* action = static_cast<QAction*>(item.Action);
    // A new caption may want another letter, and may free or take one of its neighbours'.
    if (item.Parent() &&
        Accelerators::Plain(item.ShownCaption()) != Accelerators::Plain(item.Caption()))
        LabelMenu(*item.Parent());
    action->setEnabled(item.Enabled());
}

void TForm::ApplyBorderStyle() {
    // Tool windows have a caption with a close box only; the topic menu is an ordinary window.
    Qt::WindowFlags flags = Qt::Window;
    if (BorderStyle != bsSizeable)
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    window_->setWindowFlags(flags);
}

bool TForm::SizedByDesktop() const {
    // A maximised window has the size its window manager or compositor gave it. A Wayland
    // compositor even ends a program whose maximised window asks for another size.
    return detail::WindowsOnDisplay() && window_->isVisible() && window_->isMaximized();
}

void TForm::FollowDesktopSize() {
    const QSize extra = window_->FrameExtra();
    applyingGeometry_ = true;
    PlaceAligned({Left(), Top(), Left() + window_->width() + extra.width(),
                  Top() + window_->height() + extra.height()});
    window_->LayOut();
    applyingGeometry_ = false;
    ResizeSurface(ClientWidth(), ClientHeight());
}

void TForm::ApplyGeometry() {
    if (SizedByDesktop()) {
        FollowDesktopSize();
        return;
    }
    QSize extra = window_->FrameExtra();
    applyingGeometry_ = true;
    window_->move(Left(), Top());
    const QSize inner(std::max(1, Width() - extra.width()), std::max(1, Height() - extra.height()));
    // A tool window keeps the size its screen gives it; the learner cannot drag it larger.
    if (BorderStyle == bsToolWindow && WindowState == wsNormal) {
        window_->setFixedSize(inner);
    } else {
        window_->setMinimumSize(1, 1);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    window_->resize(inner);
    window_->LayOut();
    applyingGeometry_ = false;
    ResizeSurface(ClientWidth(), ClientHeight());
}

void TForm::BoundsChanged(const TRect&) {
    ApplyGeometry();
}

void TForm::WindowResized(int outerWidth, int outerHeight) {
    // The learner or the window manager changed the size: the form follows.
    if (applyingGeometry_ || (outerWidth == Width() && outerHeight == Height()))
        return;
    PlaceAligned({Left(), Top(), Left() + outerWidth, Top() + outerHeight});
}

void TForm::WindowMoved(int left, int top) {
    if (applyingGeometry_ || !detail::WindowsOnDisplay())
        return;
    PlaceAligned({left, top, left + Width(), top + Height()});
}

void TForm::SetVisible(bool visible) {
    if (visible)
        Show();
    else if (Visible())
        HideWindow();
}

void TForm::Show() {
    BringToTop(this);
    if (Visible()) {
        if (detail::WindowsOnDisplay()) {
            window_->raise();
            window_->activateWindow();
        }
        return;
    }
    InitVisible(true);
    TApplication::Guard([this] { FormShow(); });
    if (WindowState == wsMaximized)
        SetBounds(0, 0, Screen.Width, Screen.Height);
    ApplyGeometry();
    AttachSurface();
    if (detail::WindowsOnDisplay()) {
        if (WindowState == wsMaximized)
            window_->showMaximized();
        else
            window_->show();
        window_->raise();
        window_->activateWindow();
    }
    InvalidateAll();
}

void TForm::ShowModal() {
    if (Visible()) {
        Show();
        return;
    }
    for (TForm* form : AllForms()) {
        if (form != this && form->Visible()) {
            form->blockedBy_++;
            blockedForms_.push_back(form);
        }
    }
    modal_ = true;
    ModalStack().push_back(this);
    Show();
}

void TForm::Close() {
    if (closing_)
        return;
    closing_ = true;
    TApplication::Guard([this] { FormClose(); });
    if (Visible())
        HideWindow();
    if (modal_)
        EndModal();
    closing_ = false;
    if (this == Application.MainForm())
        Application.Terminate();
}

void TForm::EndModal() {
    modal_ = false;
    for (TForm* form : blockedForms_)
        form->blockedBy_--;
    blockedForms_.clear();
    auto& stack = ModalStack();
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    ActivateTopModal();
}

void TForm::ActivateTopModal() {
    if (!detail::WindowsOnDisplay())
        return;
    // The window the learner works in now: the modal form on top, or the main window.
    TForm* top = ModalStack().empty() ? Application.MainForm() : ModalStack().back();
    if (top && top->Visible()) {
        BringToTop(top);
        top->window_->raise();
        top->window_->activateWindow();
    }
}

void TForm::HideWindow() {
    SurfaceMouseLeave();
    TRect covered = ScreenRect();
    InitVisible(false);
    DetachSurface();
    for (const auto& component : components_)
        component->OwnerHidden();
    if (detail::WindowsOnDisplay()) {
        window_->hide();
        // The window system keeps a hidden window's picture too; it is painted afresh on showing.
        if (QBackingStore* store = window_->backingStore())
            store->resize(QSize(1, 1));
    }
    InvalidateUncovered(covered);
}

TRect TForm::ScreenRect() const {
    if (detail::WindowsOnDisplay() && window_->isVisible()) {
        QRect g = window_->frameGeometry();
        return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
    }
    return {Left(), Top(), Left() + Width(), Top() + Height()};
}

TRect TForm::SurfaceScreenRect() const {
    if (detail::WindowsOnDisplay() && window_->isVisible()) {
        QPoint origin = window_->Surface()->mapToGlobal(QPoint(0, 0));
        return {origin.x(), origin.y(), origin.x() + ClientWidth(), origin.y() + ClientHeight()};
    }
    QSize extra = window_->FrameExtra();
    int left = Left() + extra.width() / 2;
    int top = Top() + extra.height() - extra.width() / 2 + window_->MenuBarHeight();
    return {left, top, left + ClientWidth(), top + ClientHeight()};
}

void TForm::InvalidateUncovered(const TRect& r) {
    // Our windows are repainted where a closing window of ours uncovers them, as the original
    // window system did; a compositing desktop would not ask for it. A window still lying above
    // keeps covering its part.
    const auto& stack = StackingOrder();
    for (auto below = stack.begin(); below != stack.end(); ++below) {
        TForm* form = *below;
        if (form == this || !form->Visible())
            continue;
        QRegion uncovered = QRegion(detail::ToQRect(r));
        for (auto above = below + 1; above != stack.end(); ++above)
            if (*above != this && (*above)->Visible())
                uncovered -= QRegion(detail::ToQRect((*above)->ScreenRect()));
        const TRect s = form->SurfaceScreenRect();
        uncovered &= QRegion(detail::ToQRect(s));
        uncovered.translate(-s.Left, -s.Top);
        for (const QRect& part : uncovered)
            form->InvalidateRect({part.left(), part.top(), part.right() + 1, part.bottom() + 1});
    }
}

void TForm::PaintSurface() {
    TApplication::Guard([this] { FormPaint(); });
}

bool TForm::KeyDown(int key) {
    if (!Visible() || Blocked())
        return false;
    if (TMenuItem* item = MainMenu.FindShortCut(key)) {
        item->Click();
        return true;
    }
    if (!enabled_)
        return true;
    if (KeyPreview)
        TApplication::Guard([this, key] { FormKeyDown(key); });
    return false;
}

bool TForm::MouseDown(TMouseButton button, int x, int y) {
    if (!AcceptsInput())
        return false;
    return SurfaceMouseDown(button, x, y);
}

void TForm::MouseMove(int x, int y) {
    if (AcceptsInput())
        SurfaceMouseMove(x, y);
}

bool TForm::ChooseMenu(TMenuItem& item) {
    if (!AcceptsInput() || !item.Enabled())
        return false;
    for (TMenuItem* p = item.Parent(); p; p = p->Parent())
        if (!p->Enabled())
            return false;
    item.Click();
    return true;
}

void TForm::CloseBoxClicked() {
    if (AcceptsInput())
        Close();
}
