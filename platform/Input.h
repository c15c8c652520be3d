#pragma once
// Keyboard and mouse input made as the window system delivers it, for the random learner and
// the tests: each act takes the path a real key, click or close box takes, through the input
// rules of blocked and disabled windows, the menu shortcuts, the key preview and the control
// that has the focus. The program itself never calls these.

#include "platform/Controls.h"
#include "platform/Form.h"

#include <string>

namespace Input {

enum TShift { ssNone, ssShift, ssAlt, ssCtrl };

// A key pressed and released on the control that has the focus in the form's window, or on the
// window when none has it. `text` is the character the key types, empty for none; the key code
// 0xFF is a key the screens do not name (an umlaut key, say).
void KeyStroke(TForm& form, int key, TShift shift = ssNone, const std::string& text = "");
// Types a UTF-8 text, one key stroke a character.
void Type(TForm& form, const std::string& text);
// Gives a windowed control the focus, as a click into it does (a control that takes no focus
// from a click keeps none).
void Focus(TWinControl& control);
// The program's control that has the focus in the form's window, nullptr for none.
TWinControl* Focused(TForm& form);

// A click with a button on a surface (a form's client area or a panel), at its own coordinates;
// a double click is two, the second reported as a double click.
void Click(TContainer& surface, TMouseButton button, int x, int y, bool twice = false);
// The close box of the form's window.
void CloseBox(TForm& form);

} // namespace Input
