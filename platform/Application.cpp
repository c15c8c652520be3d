#include "platform/Application.h"

#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Keys.h"
#include "platform/ScaleFit.h"
#include "platform/Screen.h"
#include "platform/Timer.h"
#include "platform/detail/QtBridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <malloc.h>
#include <xcb/xcb.h>

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

// The toolkit with the program's fonts. The program takes no arguments; the toolkit gets the
// program name only.
void CreateToolkit() {
    static int argc = 1;
    static char name[] = "waermebehandlung";
    static char* argv[] = {name, nullptr};
    qtApplication = new QApplication(argc, argv);
    Desktop::Present();
    QApplication::setQuitOnLastWindowClosed(false);
    detail::RegisterEmbeddedFonts();
    QFont menuFont(QStringLiteral("Liberation Sans"));
    menuFont.setPixelSize(13);
    QApplication::setFont(menuFont);
}

// A connection of the program's own to the X server while the toolkit starts again: an X server
// whose only client is this program (a bare one on a test machine, or one started for the
// program alone) resets when its last client leaves, and would refuse the toolkit's new one.
class DisplayHold {
public:
    DisplayHold() {
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            connection_ = xcb_connect(nullptr, nullptr);
    }
    ~DisplayHold() {
        if (connection_)
            xcb_disconnect(connection_);
    }
    DisplayHold(const DisplayHold&) = delete;
    DisplayHold& operator=(const DisplayHold&) = delete;

private:
    xcb_connection_t* connection_ = nullptr;
};

// The desktop's scale as it is (1.25, 1.5, 1.75 …): the surfaces draw at device resolution, so a
// fractional scale needs no rounding. Where it would put the windows beyond the screen's free
// area, the toolkit starts again with the overall scale brought down to the largest that fits;
// the toolkit reads its overall scale only when it starts.
void StartWindowSystem(const LayoutFits& fits) {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    CreateToolkit();
    if (!fits)
        return;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return;
    const double desktop = primary->devicePixelRatio();
    const QSize device = primary->availableGeometry().size() * desktop;
    const double scale = FittingScale(desktop, device.width(), device.height(), fits);
    if (scale >= desktop)
        return;
    bool given = false;
    double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
    if (!given || !(factor > 0))
        factor = 1;
    DisplayHold hold;
    delete qtApplication;
    qtApplication = nullptr;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor * scale / desktop, 'g', 17));
    CreateToolkit();
}

} // namespace

namespace detail {
bool WindowsOnDisplay() {
    return onDisplay;
}
} // namespace detail

void TApplication::Initialize(Mode mode, const LayoutFits& fits) {
    mode_ = mode;
    terminated_ = false;
    if (!qtApplication) {
#ifdef M_MMAP_THRESHOLD
        // Pixel surfaces and pictures come and go with their windows; memory of that size goes
        // straight back to the system when a window hides, instead of staying with the heap.
        constexpr int LargeBlock = 256 * 1024;
        mallopt(M_MMAP_THRESHOLD, LargeBlock);
#endif
        if (mode == Mode::Program)
            Desktop::ChoosePlatform();
        StartWindowSystem(fits);
        qtApplication->installEventFilter(new InputFilter);
        detail::InstallAccessibility();
    }
    onDisplay = mode == Mode::Program;
    if (mode == Mode::Program) {
        const QScreen* primary = QGuiApplication::primaryScreen();
        Screen.Width = primary->geometry().width();
        Screen.Height = primary->geometry().height();
        Screen.PixelRatio = primary->devicePixelRatio();
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
