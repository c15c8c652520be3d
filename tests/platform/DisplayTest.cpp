// Finding a display before the toolkit starts: what the environment names, and whether a local X
// server really listens for it.

#include "platform/Display.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool Found(const std::map<std::string, std::string>& environment) {
    return DisplayNamed([&](const char* name) -> const char* {
        auto it = environment.find(name);
        return it == environment.end() ? nullptr : it->second.c_str();
    });
}

// A display number no test machine uses.
constexpr int Unused = 4711;

// Listens as an X server would for one display, in the abstract socket namespace.
class FakeServer {
public:
    explicit FakeServer(int display) {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(display);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path + 1, sizeof address.sun_path - 2);
        socket_ = socket(AF_UNIX, SOCK_STREAM, 0);
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
        listening_ = socket_ >= 0 &&
                     bind(socket_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
                     listen(socket_, 1) == 0;
    }
    ~FakeServer() {
        if (socket_ >= 0)
            close(socket_);
    }
    bool Listening() const { return listening_; }

private:
    int socket_ = -1;
    bool listening_ = false;
};

TEST(Display, IsFoundOnlyWhereTheEnvironmentNamesOneThatCanBeOpened) {
    EXPECT_FALSE(Found({}));
    EXPECT_FALSE(Found({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}}));
    // A virtual platform draws without a display; the desktop ones still need theirs.
    EXPECT_TRUE(Found({{"QT_QPA_PLATFORM", "offscreen"}}));
    EXPECT_FALSE(Found({{"QT_QPA_PLATFORM", "xcb"}}));
    EXPECT_FALSE(Found({{"QT_QPA_PLATFORM", "wayland"}}));
    EXPECT_TRUE(Found({{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}}));
    EXPECT_TRUE(Found({{"WAYLAND_DISPLAY", "wayland-0"}}));
    // A display on another machine or forwarded over the network is for the toolkit to try.
    EXPECT_TRUE(Found({{"DISPLAY", "localhost:10.0"}}));
    EXPECT_TRUE(Found({{"DISPLAY", "schule.example:0"}}));
}

TEST(Display, ALocalXDisplayCountsWhileItsServerListens) {
    const std::string display = ":" + std::to_string(Unused);
    EXPECT_FALSE(Found({{"DISPLAY", display}}));
    EXPECT_FALSE(Found({{"DISPLAY", "unix" + display + ".0"}}));
    EXPECT_FALSE(Found({{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", display}}));
    FakeServer server(Unused);
    ASSERT_TRUE(server.Listening());
    EXPECT_TRUE(Found({{"DISPLAY", display}}));
    EXPECT_TRUE(Found({{"DISPLAY", display + ".0"}}));
    EXPECT_TRUE(Found({{"DISPLAY", "unix" + display}}));
    // Another display number on the same machine is still not there.
    EXPECT_FALSE(Found({{"DISPLAY", ":" + std::to_string(Unused + 1)}}));
}

} // namespace
