// Always on top and out of the taskbar under a real X server and window manager: the test starts
// its own Xvfb with openbox on it.
#include "systems/linux/X11WindowManagerState.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <array>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace aerolap {
namespace {

constexpr int kPatienceMs = 60000; // a busy machine can keep the window manager waiting long

/// Xvfb and openbox for this process alone, the display named in DISPLAY; openbox's start-up
/// command marks the root window once it manages windows.
class PrivateDesktop {
public:
    PrivateDesktop() {
        std::array<int, 2> reply{};
        EXPECT_EQ(::pipe(reply.data()), 0);
        const std::string replyTo = std::to_string(reply[1]);
        m_server = spawn({"Xvfb", "-displayfd", replyTo.c_str(), "-screen", "0", "1280x1024x24",
                          "-nolisten", "tcp"});
        ::close(reply[1]);
        std::array<char, 16> number{};
        // Xvfb writes its display number once it takes clients, or ends and the pipe closes.
        EXPECT_GT(::read(reply[0], number.data(), number.size() - 1), 0) << "Xvfb did not start";
        ::close(reply[0]);
        ::setenv("DISPLAY", (":" + std::to_string(std::atoi(number.data()))).c_str(), 1);
        m_manager = spawn({"openbox", "--sm-disable", "--startup",
                           "xprop -root -f AEROLAP_WM_READY 32c -set AEROLAP_WM_READY 1"});
    }
    ~PrivateDesktop() {
        for (const pid_t process : {m_manager, m_server}) {
            ::kill(process, SIGTERM);
            ::waitpid(process, nullptr, 0);
        }
    }
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

private:
    static pid_t spawn(std::vector<const char*> arguments) {
        arguments.push_back(nullptr);
        pid_t process = -1;
        EXPECT_EQ(::posix_spawnp(&process, arguments[0], nullptr, nullptr,
                                 const_cast<char* const*>(arguments.data()), environ),
                  0)
            << arguments[0];
        return process;
    }

    pid_t m_server = -1;
    pid_t m_manager = -1;
};

/// The test's own view of the X server, apart from the program's connection.
xcb_connection_t* x11() {
    static xcb_connection_t* const connection = xcb_connect(nullptr, nullptr);
    return connection;
}

xcb_atom_t atom(const char* name) {
    const auto length = static_cast<std::uint16_t>(std::strlen(name));
    auto* reply = xcb_intern_atom_reply(x11(), xcb_intern_atom(x11(), 0, length, name), nullptr);
    const xcb_atom_t found = reply->atom;
    std::free(reply);
    return found;
}

/// Whether the window has the property, with `value` among its atoms when one is named; asked
/// afresh from the server each time.
bool has(xcb_window_t window, const char* property, const char* value = nullptr) {
    auto* reply = xcb_get_property_reply(
        x11(), xcb_get_property(x11(), 0, window, atom(property), XCB_ATOM_ANY, 0, 64), nullptr);
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    const auto* end = atoms + xcb_get_property_value_length(reply) / 4;
    const bool found =
        atoms != end && (value == nullptr || std::find(atoms, end, atom(value)) != end);
    std::free(reply);
    return found;
}

TEST(AlwaysOnTopUnderX11, TickingKeepsTheWindowAboveInPlaceAndUntickingReturnsIt) {
    const PrivateDesktop desktop;
    ASSERT_EQ(xcb_connection_has_error(x11()), 0) << "no X server";
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x11())).data->root;
    // Up before the toolkit connects, as on a desktop: openbox drops a window shown while it is
    // still starting, so its start-up command marks the root window when it is done.
    ASSERT_TRUE(QTest::qWaitFor([&] { return has(root, "AEROLAP_WM_READY"); }, kPatienceMs))
        << "openbox did not come up";
    int argc = 0;
    QApplication app(argc, nullptr);
    X11WindowManagerState().setTopmost(true); // no window attached yet: nothing to do
    QWidget view;
    X11WindowManagerState stacking{view};
    stacking.keepOutOfTaskbar(); // before the window is shown, as the program does
    stacking.setTopmost(true);   // and a box ticked and unticked before it is shown
    stacking.setTopmost(false);
    view.show();
    const auto id = static_cast<xcb_window_t>(view.winId());
    ASSERT_TRUE(QTest::qWaitFor([&] { return has(id, "_NET_FRAME_EXTENTS"); }, kPatienceMs));
    EXPECT_FALSE(has(id, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE"));
    for (const bool above : {true, false}) {
        stacking.setTopmost(above);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return has(id, "_NET_WM_STATE", "_NET_WM_STATE_ABOVE") == above; }, kPatienceMs))
            << above;
        EXPECT_EQ(static_cast<xcb_window_t>(view.winId()), id) << "the X window was re-created";
        EXPECT_TRUE(has(id, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR")) << above;
    }
}

} // namespace
} // namespace aerolap

// The toolkit's session bus keeps a buffer to the end of the process.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
