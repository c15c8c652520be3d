#include "platform/Display.h"

#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const char* const NoDisplay =
    "waermebehandlung: Es wurde keine grafische Anzeige gefunden.\n"
    "Das Programm zeigt seine Fenster auf einer grafischen Arbeitsoberfläche. Starten Sie es dort "
    "aus dem Anwendungsmenü oder in einem Terminal der Arbeitsoberfläche, oder nennen Sie die "
    "Anzeige in der Variablen DISPLAY, zum Beispiel: DISPLAY=:0 waermebehandlung\n";

bool Set(const char* value) {
    return value && *value;
}

// The number of a display on this machine (":0", ":1.0", "unix:0"), -1 for a display elsewhere
// (over the network or a forwarded one, which only the toolkit can try).
int LocalDisplayNumber(const std::string& name) {
    const std::size_t colon = name.rfind(':');
    if (colon == std::string::npos)
        return -1;
    const std::string host = name.substr(0, colon);
    if (!host.empty() && host != "unix")
        return -1;
    std::size_t digits = colon + 1;
    while (digits < name.size() && name[digits] >= '0' && name[digits] <= '9')
        ++digits;
    if (digits == colon + 1 || (digits < name.size() && name[digits] != '.'))
        return -1;
    return std::atoi(name.c_str() + colon + 1);
}

// Whether an X server listens on this machine's socket for the display, as a file or in the
// abstract namespace where servers also listen.
bool XServerListens(int display) {
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(display);
    for (bool abstract : {false, true}) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        path.copy(address.sun_path + offset, sizeof address.sun_path - offset - 1);
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
        // Without blocking: a server too busy to take one more connection now still listens.
        const int s = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (s < 0)
            return true; // no way to look: leave it to the toolkit
        const bool listening =
            connect(s, reinterpret_cast<sockaddr*>(&address), length) == 0 || errno == EAGAIN;
        close(s);
        if (listening)
            return true;
    }
    return false;
}

[[noreturn]] void SayNoDisplay() {
    std::fputs(NoDisplay, stderr);
    std::fflush(stderr);
    // Nothing of the program has started that would need ending.
    std::_Exit(1);
}

// The toolkit's own handler (its default one, if none other was installed).
QtMessageHandler toolkitHandler = nullptr;

// A display that was named but cannot be opened makes the toolkit give up with a fatal message
// before it has a platform; that one failure is reported as no display.
void OnToolkitMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && QGuiApplication::platformName().isEmpty())
        SayNoDisplay();
    toolkitHandler(type, context, text);
}

} // namespace

bool DisplayNamed(const std::function<const char*(const char*)>& variable) {
    const char* platform = variable("QT_QPA_PLATFORM");
    if (Set(platform)) {
        const std::string name = platform;
        // Only the desktop platforms need a display; the rest draw on their own.
        if (name.rfind("xcb", 0) != 0 && name.rfind("wayland", 0) != 0)
            return true;
    }
    if (Set(variable("WAYLAND_DISPLAY")))
        return true;
    const char* x = variable("DISPLAY");
    if (!Set(x))
        return false;
    const int local = LocalDisplayNumber(x);
    return local < 0 || XServerListens(local);
}

void RequireDisplay() {
    if (!DisplayNamed([](const char* name) { return std::getenv(name); }))
        SayNoDisplay();
    toolkitHandler = qInstallMessageHandler(OnToolkitMessage);
}
