// Always on top and the taskbar under a real X server with a real window manager. The program
// starts its own Xvfb and openbox, so it runs the same on a desktop, in CI and as root.
#include "RecordingCuePlayer.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "VirtualTime.h"
#include "systems/linux/X11WindowManagerState.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QWidget>
#include <array>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/prctl.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

/// Starts a program that ends with the test program, however that ends; its output goes nowhere.
void spawn(std::vector<std::string> command) {
    if (::fork() == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
        std::vector<char*> argv;
        for (std::string& word : command) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
}

/// Starts Xvfb on a display number it picks itself; the display's name, empty if none came up.
std::string startXvfb() {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return {};
    }
    spawn({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1280x1024x24",
           "-nolisten", "tcp"});
    ::close(pipeFds[1]);
    std::string number;
    char c = 0;
    while (::read(pipeFds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    ::close(pipeFds[0]);
    return number.empty() ? std::string() : ":" + number;
}

/// Runs the program's events until `done`, ten seconds at most (or `patience`).
bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds patience = 10s) {
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            return false;
        }
        if (QCoreApplication::instance() != nullptr) {
            QCoreApplication::processEvents();
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

/// Lets the program and the window manager exchange whatever is under way.
void settle() {
    waitFor([] { return false; }, 300ms);
}

/// The test's own view of the X server, apart from the program's connection.
class X11Probe {
public:
    explicit X11Probe(const std::string& display)
        : m_connection(xcb_connect(display.c_str(), nullptr)) {}
    ~X11Probe() { xcb_disconnect(m_connection); }
    X11Probe(const X11Probe&) = delete;
    X11Probe& operator=(const X11Probe&) = delete;

    bool connected() const { return xcb_connection_has_error(m_connection) == 0; }

    bool windowManagerRunning() {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        return !atoms(root, "_NET_SUPPORTING_WM_CHECK").empty();
    }

    /// The 32-bit values of a window's property.
    std::vector<xcb_atom_t> atoms(xcb_window_t window, const char* property) {
        auto* reply = xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, window, atom(property), XCB_ATOM_ANY, 0, 64),
            nullptr);
        std::vector<xcb_atom_t> values;
        if (reply && reply->format == 32) {
            const auto* first = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            values.assign(first, first + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
        return values;
    }

    bool hasState(xcb_window_t window, const char* flag) {
        const auto states = atoms(window, "_NET_WM_STATE");
        return std::find(states.begin(), states.end(), atom(flag)) != states.end();
    }

    /// The window's position on the screen and its size.
    std::optional<std::array<int, 4>> placement(xcb_window_t window) {
        auto* geometry =
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
        if (!geometry) {
            return std::nullopt;
        }
        auto* onRoot = xcb_translate_coordinates_reply(
            m_connection, xcb_translate_coordinates(m_connection, window, geometry->root, 0, 0),
            nullptr);
        std::optional<std::array<int, 4>> result;
        if (onRoot) {
            result =
                std::array<int, 4>{onRoot->dst_x, onRoot->dst_y, geometry->width, geometry->height};
        }
        std::free(onRoot);
        std::free(geometry);
        return result;
    }

private:
    xcb_atom_t atom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            m_connection,
            xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    }

    xcb_connection_t* m_connection;
};

X11Probe* probe = nullptr;
bool windowManagerUp = false;

TEST(AlwaysOnTopUnderX11, TickingKeepsTheWindowAboveInPlaceAndUntickingReturnsIt) {
    ASSERT_TRUE(probe != nullptr && probe->connected()) << "no X server";
    ASSERT_TRUE(windowManagerUp) << "openbox did not come up";
    VirtualTime time;
    RecordingCuePlayer cues{time};
    ScriptedMessageBoxes messageBoxes;
    NullSerialPort serialPort;
    SystemServiceDoubles system;
    X11WindowManagerState stacking;
    MainWindow window{MainWindowServices{time, cues, serialPort, messageBoxes, stacking,
                                         system.programExit, system.registry, system.files,
                                         system.programs}};
    QWidget view;
    window.Form_Load();
    view.setFixedSize(730, 551);
    stacking.attachTo(view);
    stacking.keepOutOfTaskbar();
    window.aboutBox()->cmdOK.click();
    view.show();
    const auto id = static_cast<xcb_window_t>(view.winId());
    // Let the window manager place and decorate the window before anything is measured.
    ASSERT_TRUE(waitFor([&] { return !probe->atoms(id, "_NET_FRAME_EXTENTS").empty(); }));
    settle();
    const auto before = probe->placement(id);
    ASSERT_TRUE(before.has_value());
    const QRect geometryBefore = view.geometry();
    EXPECT_TRUE(probe->hasState(id, "_NET_WM_STATE_SKIP_TASKBAR"));

    for (const bool above : {true, false}) {
        SCOPED_TRACE(above ? "ticked" : "unticked");
        window.form().Check15.setValue(above ? CheckBox::kChecked : CheckBox::kUnchecked);
        EXPECT_TRUE(waitFor([&] { return probe->hasState(id, "_NET_WM_STATE_ABOVE") == above; }));
        settle();
        EXPECT_EQ(probe->placement(id), before);
        EXPECT_EQ(view.geometry(), geometryBefore);
        EXPECT_EQ(static_cast<xcb_window_t>(view.winId()), id) << "the X window was re-created";
        EXPECT_TRUE(probe->hasState(id, "_NET_WM_STATE_SKIP_TASKBAR"));
    }
}

} // namespace
} // namespace aerolap::testing

// The toolkit's session bus keeps a buffer to the end of the process.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

int main(int argc, char** argv) {
    using namespace aerolap::testing;
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest's discovery) needs no display.
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    const std::string display = startXvfb();
    ::setenv("DISPLAY", display.c_str(), 1);
    spawn({"openbox", "--sm-disable"});
    X11Probe x11(display);
    probe = &x11;
    // Up before the program's toolkit connects, as on a desktop that is already running.
    windowManagerUp = x11.connected() && waitFor([&x11] { return x11.windowManagerRunning(); });
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
