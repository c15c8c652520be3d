#pragma once
// A tooltip: a small window with a few lines of text beside the mouse, above every window of the
// program, kept whole on the screen. There is one for the program; showing it again moves it.

#include "platform/Canvas.h"

#include <string>

class TForm;

namespace ToolTip {

// Shows the text (lines separated by '\n') for the mouse at a point of the form's client area:
// below and right of the pointer, or above and left of it where the screen ends.
void Show(const TForm& form, int clientX, int clientY, const std::string& text);
void Hide();

bool Shown();
std::string Text();
// Where the tooltip stands on the screen (outer bounds).
TRect ScreenRect();

// Where a tooltip of this size goes for the pointer at a screen point, on a screen of this size.
TRect Place(int pointerX, int pointerY, int width, int height, int screenWidth, int screenHeight);

} // namespace ToolTip
