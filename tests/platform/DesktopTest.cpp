// The program on the desktop: the window system it asks for, the name that links its windows to
// its desktop entry, and the icon every window carries.

#include "platform/Desktop.h"
#include "TestForm.h"
#include "assets/Assets.h"
#include "platform/detail/QtBridge.h"

#include <QApplication>
#include <QIcon>
#include <QImage>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

namespace {

TEST(PlatformChoice, TakesX11WhereverTheSessionOffersItUnlessTheUserChose) {
    using Desktop::PlatformFor;
    // X11 beside Wayland (XWayland): X11, falling back to Wayland should X11 not answer.
    EXPECT_EQ(PlatformFor(nullptr, ":0", "wayland-0"), "xcb;wayland");
    EXPECT_EQ(PlatformFor(nullptr, ":0", nullptr), "xcb");
    // No X11: the toolkit's own choice, native Wayland in a Wayland session.
    EXPECT_EQ(PlatformFor(nullptr, nullptr, "wayland-0"), "");
    EXPECT_EQ(PlatformFor(nullptr, nullptr, nullptr), "");
    // The user's choice stands, even against an X11 display.
    EXPECT_EQ(PlatformFor("wayland", ":0", "wayland-0"), "");
    EXPECT_EQ(PlatformFor("offscreen", ":0", nullptr), "");
    // Empty variables count as unset, as the toolkit reads them.
    EXPECT_EQ(PlatformFor("", ":0", "wayland-0"), "xcb;wayland");
    EXPECT_EQ(PlatformFor(nullptr, "", "wayland-0"), "");
    EXPECT_EQ(PlatformFor(nullptr, ":0", ""), "xcb");
}

// Sets or unsets environment variables for one test and restores them afterwards.
class Environment {
public:
    void Set(const char* name, const char* value) {
        if (!saved_.count(name)) {
            const char* old = std::getenv(name);
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~Environment() {
        for (const auto& [name, value] : saved_)
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
    }

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "(unset)";
}

TEST(PlatformChoice, IsWrittenWhereTheToolkitReadsIt) {
    Environment env;
    env.Set("QT_QPA_PLATFORM", nullptr);
    env.Set("DISPLAY", ":5");
    env.Set("WAYLAND_DISPLAY", "wayland-1");
    Desktop::ChoosePlatform();
    EXPECT_EQ(Variable("QT_QPA_PLATFORM"), "xcb;wayland");

    env.Set("QT_QPA_PLATFORM", "wayland");
    Desktop::ChoosePlatform();
    EXPECT_EQ(Variable("QT_QPA_PLATFORM"), "wayland");

    env.Set("QT_QPA_PLATFORM", nullptr);
    env.Set("DISPLAY", nullptr);
    Desktop::ChoosePlatform();
    EXPECT_EQ(Variable("QT_QPA_PLATFORM"), "(unset)");
}

TEST(DesktopName, IsTheDesktopEntrysNameForAppIdAndWindowClass) {
    EXPECT_STREQ(Desktop::DesktopId(), "de.waermebehandlung.Grundlagen");
    // The Wayland app id, and the class of X11 windows.
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), Desktop::DesktopId());
    EXPECT_EQ(QCoreApplication::applicationName().toStdString(), Desktop::DesktopId());
}

TEST(ProgramIcon, EverySizeIsASquarePictureOnATransparentGround) {
    for (int size : Assets::IconSizes) {
        const auto png = Assets::Icon(size);
        QImage icon;
        ASSERT_TRUE(icon.loadFromData(png.data(), static_cast<int>(png.size()), "PNG")) << size;
        EXPECT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel()) << size;
        // The tile's rounded corners leave the corner pixels mostly open (at 16 x 16 the arc
        // still grazes them); its middle is covered.
        EXPECT_LT(qAlpha(icon.pixel(0, 0)), 64) << size;
        EXPECT_LT(qAlpha(icon.pixel(size - 1, size - 1)), 64) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
    EXPECT_TRUE(Assets::Icon(20).empty());
    EXPECT_TRUE(Assets::Icon(0).empty());
}

TEST(ProgramIcon, EveryWindowCarriesItAtEverySize) {
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int size : Assets::IconSizes)
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    harness::TestForm form;
    form.Show();
    harness::Settle();
    EXPECT_EQ(form.Window()->windowIcon().availableSizes(), sizes);
}

} // namespace
