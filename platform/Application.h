#pragma once
// The program's application object: starts the window system, creates the screens in order,
// runs the event loop until the main window closes.

#include "platform/Form.h"
#include "platform/ScaleFit.h"

#include <functional>
#include <memory>
#include <vector>

class TApplication {
public:
    enum class Mode {
        Program, // real windows, real clock, real dialogs
        Headless // manual clock, dialogs answered by the tests; windows are not put on a display
    };
    // Starts the window system. The screen size and scale are read from the primary display in
    // the program, the scale brought down where the windows laid out for the screen would not
    // fit on it by `fits`; headless both stay as Screen holds them.
    void Initialize(Mode mode, const LayoutFits& fits = {});
    bool Initialized() const;
    bool Headless() const { return mode_ == Mode::Headless; }

    // Constructs a screen, makes it reachable through `instance` and then runs its creation
    // steps, so that FormCreate may already refer to the instance. The first form is the main one.
    template <class T>
    void CreateForm(T*& instance) {
        auto form = std::make_unique<T>();
        instance = form.get();
        Adopt(std::move(form));
    }
    TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
    const std::vector<std::unique_ptr<TForm>>& Forms() const { return forms_; }
    // Deletes every screen (the tests create them anew for each case).
    void DestroyForms();

    // Shows the main form and runs the event loop until Terminate; returns the exit status.
    int Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Runs what is pending: posted events and the repaints they owe.
    void ProcessMessages();

    // Runs an event handler under the guard that shows conversion errors in the error box.
    static void Guard(const std::function<void()>& handler);

private:
    void Adopt(std::unique_ptr<TForm> form);
    Mode mode_ = Mode::Program;
    bool terminated_ = false;
    std::vector<std::unique_ptr<TForm>> forms_;
};

extern TApplication Application;
