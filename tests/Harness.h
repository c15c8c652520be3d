#pragma once
// Drives the program's screens as a learner would, headless: a screen size, the screens created
// for it, menu commands, keys, clicks and counted timer ticks, and the pixels they leave.

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Screen.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace harness {

// Creates every screen for a screen of the given size, shows the main window as the program
// does, and deletes the screens again at the end.
class Session {
public:
    Session(int width, int height);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    // Messages the error box showed.
    std::vector<std::string> Errors;
    // What the colour dialog answers next (nothing: the learner cancels).
    std::optional<TColor> NextColor;
    int ColorDialogRuns = 0;
    TColor LastDialogColor = -1;
};

// Runs pending events and repaints.
void Settle();
// Chooses the menu command with this caption (searched through all submenus), as a click does.
bool Menu(TForm& form, const std::string& caption);
// A key press on the form, then the repaints it caused.
bool Key(TForm& form, int key);
// n periods of one timer, each a tick if the timer is still enabled; returns the ticks run.
int Ticks(TTimer& timer, int n);
// The top-level menu items of a form, as (name, caption) pairs in display order.
void ExpectMenuItems(const TForm& form,
                     const std::vector<std::pair<std::string, std::string>>& expected);

// The frontmost visible form that no modal form blocks: the one the learner types into (it may
// have disabled itself while an animation runs).
TForm* ActiveForm();

// Whether every pixel of two pictures is the same.
inline bool SamePixels(const TPixels& a, const TPixels& b) {
    return a.Width == b.Width && a.Height == b.Height && a.Data == b.Data;
}

// The colour of a pixel of the form's client surface.
inline TColor Pixel(const TForm& form, int x, int y) {
    return form.PixelColor(x, y);
}

} // namespace harness
