#include "platform/Desktop.h"

#include "assets/Assets.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdlib>

namespace Desktop {
namespace {

bool IsSet(const char* value) {
    return value && *value;
}

// The window icon at every size the program embeds, for title bars, task bars and docks.
QIcon ProgramIcon() {
    QIcon icon;
    for (int size : Assets::IconSizes) {
        const std::span<const std::uint8_t> png = Assets::Icon(size);
        QPixmap pixmap;
        if (pixmap.loadFromData(png.data(), static_cast<uint>(png.size()), "PNG"))
            icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

std::string PlatformFor(const char* chosen, const char* x11Display, const char* waylandDisplay) {
    if (IsSet(chosen) || !IsSet(x11Display))
        return {};
    // Should the X11 display not answer, a Wayland session still shows the program natively.
    return IsSet(waylandDisplay) ? "xcb;wayland" : "xcb";
}

void ChoosePlatform() {
    const std::string platform = PlatformFor(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                             std::getenv("WAYLAND_DISPLAY"));
    if (!platform.empty())
        setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
}

const char* DesktopId() {
    return WB_DESKTOP_ID;
}

void Present() {
    // The Wayland app id comes from the desktop file name, the class of X11 windows (WM_CLASS)
    // from the application name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopId()));
    QCoreApplication::setApplicationName(QString::fromLatin1(DesktopId()));
    QApplication::setWindowIcon(ProgramIcon());
}

std::string WindowSystem() {
    return QGuiApplication::platformName().toStdString();
}

} // namespace Desktop
