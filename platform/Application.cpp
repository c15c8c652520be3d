#include "platform/Application.h"

#include "platform/Dialogs.h"
#include "platform/Keys.h"
#include "platform/Screen.h"
#include "platform/Timer.h"
#include "platform/detail/QtBridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <malloc.h>

TApplication Application;
TScreen Screen;

namespace {

QApplication* qtApplication = nullptr;
bool onDisplay = false;

// The key code of a key press, 0 for none the keyboard could name.
int VirtualKey(const QKeyEvent& e) {
    int k = e.key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return 'A' + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return '0' + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return VK_F1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Tab:
        return VK_TAB;
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    // Shift and Ctrl are keys of their own too: a screen waiting for any key takes them. Alt is
    // left to the menu bar, whose accelerators it starts.
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return 0;
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return 0xFF;
    case Qt::Key_unknown:
        return 0;
    default:
        // Any other key (umlauts, punctuation) still counts as a key press.
        return 0xFF;
    }
}

// All input passes here first: a window under a modal one, or one that its screen has disabled,
// gets none of it, except the disabled window's menu shortcuts.
class InputFilter : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return FilterKey(object, static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel: {
            TForm* form = FormOf(object);
            return form && !form->AcceptsInput();
        }
        default:
            return false;
        }
    }

private:
    static TForm* FormOf(QObject* object) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget)
            return nullptr;
        auto* window = dynamic_cast<detail::FormWindow*>(widget->window());
        return window ? &window->Form() : nullptr;
    }

    // A key goes first to the focused control, or to the window when none has the focus; a key
    // that control leaves goes on to its parents. Only that first receiver hands it to the form,
    // so that the form sees every key once.
    static bool FirstReceiver(QObject* object) {
        auto* widget = static_cast<QWidget*>(object);
        QWidget* focused = widget->window()->focusWidget();
        return widget == (focused ? focused : widget->window());
    }

    static bool FilterKey(QObject* object, QKeyEvent* e) {
        TForm* form = FormOf(object);
        if (!form)
            return false;
        const bool shut = form->Blocked() || !form->Enabled();
        if (!FirstReceiver(object))
            return shut;
        const int key = VirtualKey(*e);
        // Alt and Ctrl with another key belong to the menu bar's accelerators.
        const bool modifierAlone = key == VK_SHIFT || key == VK_CONTROL;
        const bool withMenuModifier =
            !modifierAlone && (e->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
        const bool shortCut =
            key && !withMenuModifier && !form->Blocked() && form->MainMenu.FindShortCut(key);
        if (e->type() == QEvent::ShortcutOverride) {
            // Claiming the key keeps the toolkit's own shortcuts (menu accelerators) off it.
            if (shut || shortCut) {
                e->accept();
                return true;
            }
            return false;
        }
        if (e->type() == QEvent::KeyRelease)
            return shut;
        if (key && !withMenuModifier && form->KeyDown(key))
            return true;
        return shut;
    }
};

} // namespace

namespace detail {
bool WindowsOnDisplay() {
    return onDisplay;
}
} // namespace detail

void TApplication::Initialize(Mode mode) {
    mode_ = mode;
    terminated_ = false;
    if (!qtApplication) {
#ifdef M_MMAP_THRESHOLD
        // Pixel surfaces and pictures come and go with their windows; memory of that size goes
        // straight back to the system when a window hides, instead of staying with the heap.
        constexpr int LargeBlock = 256 * 1024;
        mallopt(M_MMAP_THRESHOLD, LargeBlock);
#endif
        // The program takes no arguments; the toolkit gets the program name only.
        static int argc = 1;
        static char name[] = "waermebehandlung";
        static char* argv[] = {name, nullptr};
        // Every coordinate of the diagrams is a pixel position, so a desktop that asks for a
        // larger scale gets a whole multiple: each pixel of the program becomes a square block of
        // screen pixels and lines stay sharp. A fractional scale (1.5 at 144 dpi) is rounded down.
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
        qtApplication = new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        detail::RegisterEmbeddedFonts();
        QFont menuFont(QStringLiteral("Liberation Sans"));
        menuFont.setPixelSize(13);
        QApplication::setFont(menuFont);
        qtApplication->installEventFilter(new InputFilter);
    }
    onDisplay = mode == Mode::Program;
    if (mode == Mode::Program) {
        QRect size = QGuiApplication::primaryScreen()->geometry();
        Screen.Width = size.width();
        Screen.Height = size.height();
    } else {
        Clock::UseManualClock();
    }
}

bool TApplication::Initialized() const {
    return qtApplication != nullptr;
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
    TForm* raw = form.get();
    forms_.push_back(std::move(form));
    raw->Create();
}

void TApplication::DestroyForms() {
    while (!forms_.empty())
        forms_.pop_back();
    terminated_ = false;
}

int TApplication::Run() {
    if (!MainForm())
        return 0;
    MainForm()->Show();
    return QApplication::exec();
}

void TApplication::Terminate() {
    terminated_ = true;
    if (mode_ == Mode::Program)
        QCoreApplication::exit(0);
}

void TApplication::ProcessMessages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    detail::FlushPaints();
}

void TApplication::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        Dialogs::ShowError(e.what());
    }
}
