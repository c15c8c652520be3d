#include "platform/Input.h"

#include "platform/Keys.h"
#include "platform/detail/QtBridge.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace Input {

namespace {

// The toolkit's code of a key code; 0 for one the keyboard has no key for.
int ToolkitKey(int key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return key; // the toolkit numbers letters and digits by their ASCII codes too
    if (key >= VK_F1 && key <= VK_F12)
        return Qt::Key_F1 + (key - VK_F1);
    switch (key) {
    case VK_BACK:
        return Qt::Key_Backspace;
    case VK_TAB:
        return Qt::Key_Tab;
    case VK_RETURN:
        return Qt::Key_Return;
    case VK_SHIFT:
        return Qt::Key_Shift;
    case VK_CONTROL:
        return Qt::Key_Control;
    case VK_ESCAPE:
        return Qt::Key_Escape;
    case VK_SPACE:
        return Qt::Key_Space;
    case VK_PRIOR:
        return Qt::Key_PageUp;
    case VK_NEXT:
        return Qt::Key_PageDown;
    case VK_END:
        return Qt::Key_End;
    case VK_HOME:
        return Qt::Key_Home;
    case VK_LEFT:
        return Qt::Key_Left;
    case VK_UP:
        return Qt::Key_Up;
    case VK_RIGHT:
        return Qt::Key_Right;
    case VK_DOWN:
        return Qt::Key_Down;
    case VK_INSERT:
        return Qt::Key_Insert;
    case VK_DELETE:
        return Qt::Key_Delete;
    default:
        return Qt::Key_unknown;
    }
}

Qt::KeyboardModifiers Modifiers(TShift shift) {
    switch (shift) {
    case ssShift:
        return Qt::ShiftModifier;
    case ssAlt:
        return Qt::AltModifier;
    case ssCtrl:
        return Qt::ControlModifier;
    default:
        return Qt::NoModifier;
    }
}

// Where the window system sends keys: the focused widget, else the window.
QWidget* KeyReceiver(TForm& form) {
    QWidget* window = form.Window();
    QWidget* focused = window->focusWidget();
    return focused ? focused : window;
}

// The first UTF-8 character of a text starting at `at`, and how many bytes it takes.
std::size_t CharacterLength(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return std::min(length, text.size() - at);
}

// The key a character is typed with: its letter or digit key, else a key of its own.
int KeyOfCharacter(const std::string& c) {
    if (c.size() != 1)
        return 0xFF;
    const char ch = c[0];
    if (ch >= 'a' && ch <= 'z')
        return ch - 'a' + 'A';
    if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'))
        return ch;
    if (ch == ' ')
        return VK_SPACE;
    return 0xFF;
}

TWinControl* FindControl(const TContainer& container, const QWidget* widget) {
    for (const auto& child : container.Controls()) {
        auto* control = dynamic_cast<TWinControl*>(child.get());
        if (!control)
            continue;
        if (control->Widget() == widget)
            return control;
        if (auto* inner = dynamic_cast<TContainer*>(control))
            if (TWinControl* found = FindControl(*inner, widget))
                return found;
    }
    return nullptr;
}

} // namespace

void KeyStroke(TForm& form, int key, TShift shift, const std::string& text) {
    // 0xFF stands for the keys the screens do not name; an umlaut key is one of them.
    const int code = key == 0xFF ? Qt::Key_Adiaeresis : ToolkitKey(key);
    const Qt::KeyboardModifiers modifiers = Modifiers(shift);
    const QString typed = detail::Q(text);
    QWidget* receiver = KeyReceiver(form);
    // As the window system does: first the offer to override shortcuts, then press and release.
    QKeyEvent override(QEvent::ShortcutOverride, code, modifiers, typed);
    QCoreApplication::sendEvent(receiver, &override);
    QKeyEvent press(QEvent::KeyPress, code, modifiers, typed);
    QCoreApplication::sendEvent(receiver, &press);
    // The press may have closed the window or moved the focus; the release goes where it is now.
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, typed);
    QCoreApplication::sendEvent(KeyReceiver(form), &release);
}

void Type(TForm& form, const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::string c = text.substr(at, CharacterLength(text, at));
        KeyStroke(form, KeyOfCharacter(c), ssNone, c);
        at += c.size();
    }
}

void Focus(TWinControl& control) {
    QWidget* widget = control.Widget();
    if (widget->focusPolicy() & Qt::ClickFocus)
        widget->setFocus(Qt::MouseFocusReason);
}

TWinControl* Focused(TForm& form) {
    QWidget* focused = form.Window()->focusWidget();
    return focused ? FindControl(form, focused) : nullptr;
}

void Click(TContainer& surface, TMouseButton button, int x, int y, bool twice) {
    QWidget* widget = surface.Impl().surface;
    if (!widget)
        return;
    const Qt::MouseButton b = button == mbRight    ? Qt::RightButton
                              : button == mbMiddle ? Qt::MiddleButton
                                                   : Qt::LeftButton;
    const QPointF at(x, y);
    const QPointF global = widget->mapToGlobal(at);
    auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent e(type, at, global, b, held, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &e);
    };
    send(QEvent::MouseButtonPress, b);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (!twice)
        return;
    send(QEvent::MouseButtonDblClick, b);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
}

void CloseBox(TForm& form) {
    QCloseEvent e;
    QCoreApplication::sendEvent(form.Window(), &e);
}

} // namespace Input
