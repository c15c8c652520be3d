// Opens every window of the program once on the display its environment names, the way a
// learner does from the menus, and closes it again with Esc: the cover, the information screen,
// the topic menu, each of its commands' screens, and the windows those screens open (the lattice
// cells, the micrograph viewers, the C 45 micrographs). Each window has to reach the screen
// (the compositor shows it) and the program has to keep running; a maximised window has to take
// the size the compositor gives it. The first argument is the window system the program must
// have chosen there ("xcb" or "wayland").
//   waermebehandlung-walk WINDOW_SYSTEM

#include "app/Registry.h"
#include "platform/Application.h"
#include "platform/Desktop.h"
#include "platform/Keys.h"
#include "platform/detail/QtBridge.h"

#include <QWindow>

#include <chrono>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

int failures = 0;
std::set<const TForm*> seen;

void Fail(const std::string& what) {
    std::fprintf(stderr, "walk: %s\n", what.c_str());
    ++failures;
}

// Runs the program's events for a while, as its event loop would.
void Pump(std::chrono::milliseconds span) {
    const auto end = Clock::now() + span;
    while (Clock::now() < end) {
        Application.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Runs events until the condition holds, at most the given time.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() >= end)
            return false;
        Application.ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool Exposed(const TForm& form) {
    const QWindow* handle = form.Window()->windowHandle();
    return form.Visible() && handle && handle->isExposed();
}

constexpr std::chrono::milliseconds ShowLimit{10000};
// Long enough for the compositor's configure events and the frame measurement after showing.
constexpr std::chrono::milliseconds Settling{600};

// Every window the program shows now and has not shown before must reach the screen.
void CollectShown() {
    for (const auto& owned : Application.Forms()) {
        const TForm& form = *owned;
        if (!form.Visible() || seen.count(&form))
            continue;
        if (!PumpUntil([&] { return Exposed(form); }, ShowLimit))
            Fail("\"" + form.Caption() + "\" did not reach the screen");
        seen.insert(&form);
    }
}

// A maximised window is as large as the compositor made it, and the screen knows that size. A
// Wayland compositor always maximises it; an X11 window manager may decline to.
bool mustMaximise = false;

void CheckMaximised(const TForm& form) {
    if (form.WindowState != wsMaximized)
        return;
    // The frame may come a while after the window, and the form follows it.
    PumpUntil(
        [&] {
            const TRect frame = form.ScreenRect();
            return frame.Width() == form.Width() && frame.Height() == form.Height() &&
                   (form.Window()->isMaximized() || !mustMaximise);
        },
        ShowLimit);
    if (mustMaximise && !form.Window()->isMaximized())
        Fail("\"" + form.Caption() + "\" is not maximised");
    const TRect frame = form.ScreenRect();
    if (frame.Width() != form.Width() || frame.Height() != form.Height())
        Fail("\"" + form.Caption() + "\" is " + std::to_string(form.Width()) + " x " +
             std::to_string(form.Height()) + ", its window " + std::to_string(frame.Width()) +
             " x " + std::to_string(frame.Height()));
}

// The command that opens further windows on a screen, by its item's name.
const char* const OpeningCommands[] = {"FerritAustenit1", "GefgereiheKohlenstoff0108undFerrit1",
                                       "GefgebilderStahlC451"};

bool Choose(TForm& form, TMenuItem& item) {
    const bool chosen = form.ChooseMenu(item);
    if (!chosen)
        Fail("\"" + item.Caption() + "\" on \"" + form.Caption() + "\" is not available");
    Pump(Settling);
    CollectShown();
    return chosen;
}

// Esc closes the frontmost window of ours until the given one is closed too.
void CloseWith(TForm& form) {
    for (int attempt = 0; form.Visible() && attempt < 20; ++attempt) {
        TForm* front = nullptr;
        for (const auto& owned : Application.Forms())
            if (owned->Visible() && !owned->Blocked())
                front = owned.get();
        if (!front)
            break;
        front->KeyDown(VK_ESCAPE);
        Pump(Settling);
    }
    if (form.Visible())
        Fail("\"" + form.Caption() + "\" did not close with Esc");
}

void OpenFurtherWindows(TForm& screen) {
    for (const char* name : OpeningCommands)
        for (const auto& item : screen.MainMenu.Items())
            if (item->Name == name)
                Choose(screen, *item);
}

// Opens one command's screen and what it opens, then closes them; returns whether the screen
// is a maximised one.
bool OpenScreen(TForm& menu, TMenuItem& command) {
    std::set<const TForm*> before;
    for (const auto& owned : Application.Forms())
        if (owned->Visible())
            before.insert(owned.get());
    if (!Choose(menu, command))
        return false;
    bool maximised = false;
    for (const auto& owned : Application.Forms()) {
        TForm& screen = *owned;
        if (!screen.Visible() || before.count(&screen))
            continue;
        maximised = maximised || screen.WindowState == wsMaximized;
        CheckMaximised(screen);
        OpenFurtherWindows(screen);
        CloseWith(screen);
    }
    for (const auto& owned : Application.Forms())
        if (owned->Visible() && !before.count(owned.get()))
            Fail("\"" + owned->Caption() + "\" stayed open after its screen closed");
    return maximised;
}

void WalkTopicMenus(TForm& menu) {
    for (const auto& topic : menu.MainMenu.Items()) {
        if (topic->Name == "Datei")
            continue;
        for (const auto& command : topic->Items())
            // A maximised screen opens a second time too: its window then knows its frame
            // before it shows, which once made it ask the compositor for the wrong size.
            if (OpenScreen(menu, *command))
                OpenScreen(menu, *command);
    }
}

TMenuItem* Item(TForm& form, const std::string& name) {
    for (const auto& item : form.MainMenu.Items())
        if (item->Name == name)
            return item.get();
    Fail("no command " + name + " on \"" + form.Caption() + "\"");
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW_SYSTEM\n", argv[0]);
        return 2;
    }
    Application.Initialize(TApplication::Mode::Program);
    if (Desktop::WindowSystem() != argv[1]) {
        std::fprintf(stderr, "walk: runs on %s, not on %s\n", Desktop::WindowSystem().c_str(),
                     argv[1]);
        return 1;
    }
    mustMaximise = Desktop::WindowSystem() == "wayland";
    CreateScreens();
    TForm& cover = *Application.MainForm();
    cover.Show();
    CollectShown();

    TMenuItem* info = Item(cover, "Info1");
    if (info && Choose(cover, *info))
        for (const auto& owned : Application.Forms())
            if (owned.get() != &cover && owned->Visible())
                CloseWith(*owned);
    TMenuItem* start = Item(cover, "Programmstarten1");
    if (start && Choose(cover, *start)) {
        for (const auto& owned : Application.Forms()) {
            TForm& menu = *owned;
            if (&menu != &cover && menu.Visible()) {
                WalkTopicMenus(menu);
                CloseWith(menu);
            }
        }
    }
    cover.KeyDown(VK_ESCAPE);
    Pump(Settling);
    if (!Application.Terminated())
        Fail("Esc on the cover did not end the program");

    const std::size_t all = Application.Forms().size();
    if (seen.size() != all)
        Fail(std::to_string(all - seen.size()) + " of " + std::to_string(all) +
             " windows never showed");
    DestroyScreens();
    std::printf("walk on %s: %zu windows shown, %d failures\n", argv[1], seen.size(), failures);
    return failures == 0 ? 0 : 1;
}
