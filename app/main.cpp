// The program: start the window system, create the screens, run until the cover closes.

#include "app/Registry.h"
#include "platform/Application.h"
#include "platform/Display.h"
#include "shell/ScreenFrame.h"

int main() {
    RequireDisplay();
    Application.Initialize(TApplication::Mode::Program, ScreenFrame::FitsScreen);
    CreateScreens();
    int status = Application.Run();
    DestroyScreens();
    return status;
}
