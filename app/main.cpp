// The program: start the window system, create the screens, run until the cover closes.

#include "app/Registry.h"
#include "platform/Application.h"
#include "shell/ScreenFrame.h"

int main() {
    Application.Initialize(TApplication::Mode::Program, ScreenFrame::FitsScreen);
    CreateScreens();
    int status = Application.Run();
    DestroyScreens();
    return status;
}
