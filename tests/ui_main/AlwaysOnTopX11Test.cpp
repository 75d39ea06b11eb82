// Always on top and the taskbar under a real X server with a real window manager. The program
// starts its own Xvfb and openbox, so it runs the same on a desktop, in CI and as root.
#include "RecordingCuePlayer.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "VirtualTime.h"
#include "platform/X11WindowManagerState.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kPatience = 10s;

/// A child process that is terminated with the test program, however that ends.
class ChildProcess {
public:
    explicit ChildProcess(std::vector<std::string> command) {
        m_pid = ::fork();
        if (m_pid == 0) {
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
    ~ChildProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0; }

private:
    pid_t m_pid = -1;
};

/// Xvfb on a display number it picks itself, with openbox managing it.
class X11Session {
public:
    X11Session() {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) {
            return;
        }
        m_server = std::make_unique<ChildProcess>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen",
                                     "0", "1280x1024x24", "-nolisten", "tcp"});
        ::close(pipeFds[1]);
        std::string number;
        char c = 0;
        while (::read(pipeFds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        ::close(pipeFds[0]);
        if (number.empty()) {
            return;
        }
        m_display = ":" + number;
        ::setenv("DISPLAY", m_display.c_str(), 1);
        m_windowManager =
            std::make_unique<ChildProcess>(std::vector<std::string>{"openbox", "--sm-disable"});
    }

    const std::string& display() const { return m_display; }

    /// Whether the window manager has taken charge of the screen, checked on a connection of
    /// its own before the program's toolkit connects, as on a desktop that is already up.
    bool waitForWindowManager() const;

private:
    std::unique_ptr<ChildProcess> m_server;
    std::string m_display;
    std::unique_ptr<ChildProcess> m_windowManager;
};

X11Session* session = nullptr;
bool windowManagerUp = false;

bool X11Session::waitForWindowManager() const {
    if (m_display.empty()) {
        return false;
    }
    xcb_connection_t* connection = xcb_connect(m_display.c_str(), nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    auto* atomReply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, 24, "_NET_SUPPORTING_WM_CHECK"), nullptr);
    const xcb_atom_t check = atomReply ? atomReply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(atomReply);
    bool running = false;
    const auto giveUp = std::chrono::steady_clock::now() + kPatience;
    while (!running && std::chrono::steady_clock::now() < giveUp) {
        auto* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1),
            nullptr);
        running = reply && xcb_get_property_value_length(reply) > 0;
        std::free(reply);
        std::this_thread::sleep_for(20ms);
    }
    xcb_disconnect(connection);
    return running;
}

/// Lets the program and the window manager exchange whatever is under way.
void settle() {
    const auto until = std::chrono::steady_clock::now() + 300ms;
    while (std::chrono::steady_clock::now() < until) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(10ms);
    }
}

bool waitFor(const std::function<bool()>& done) {
    const auto giveUp = std::chrono::steady_clock::now() + kPatience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) {
            return false;
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

/// The test's own view of the X server, apart from the program's connection.
class X11Probe {
public:
    X11Probe() : m_connection(xcb_connect(session->display().c_str(), nullptr)) {}
    ~X11Probe() { xcb_disconnect(m_connection); }
    X11Probe(const X11Probe&) = delete;
    X11Probe& operator=(const X11Probe&) = delete;

    bool connected() const { return xcb_connection_has_error(m_connection) == 0; }

    xcb_atom_t atom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            m_connection,
            xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    }

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
    xcb_connection_t* m_connection;
};

class AlwaysOnTopUnderX11 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(session, nullptr);
        ASSERT_TRUE(probe.connected()) << "no X server";
        ASSERT_TRUE(windowManagerUp) << "openbox did not come up";

        window.Form_Load();
        view.setFixedSize(730, 551);
        view.setWindowTitle(QString::fromStdString(form.window.title()));
        stacking.attachTo(view);
        stacking.keepOutOfTaskbar();
        window.aboutBox()->cmdOK.click();
        view.show();
        id = static_cast<xcb_window_t>(view.winId());
        ASSERT_TRUE(
            waitFor([this] { return probe.placement(id).has_value() && view.isVisible(); }));
        // Let the window manager place and decorate the window before anything is measured.
        ASSERT_TRUE(waitFor([this] { return !probe.atoms(id, "_NET_FRAME_EXTENTS").empty(); }));
        settle();
    }

    X11Probe probe;
    VirtualTime time;
    RecordingCuePlayer cues{time};
    ScriptedMessageBoxes messageBoxes;
    NullSerialPort serialPort;
    SystemServiceDoubles system;
    X11WindowManagerState stacking;
    MainWindow window{MainWindowServices{time, cues, serialPort, messageBoxes, stacking,
                                         system.programExit, system.registry, system.files,
                                         system.programs}};
    Form1& form = window.form();
    QWidget view;
    xcb_window_t id = 0;
};

TEST_F(AlwaysOnTopUnderX11, TheWindowStaysOutOfTheTaskbar) {
    EXPECT_TRUE(probe.hasState(id, "_NET_WM_STATE_SKIP_TASKBAR"));
}

TEST_F(AlwaysOnTopUnderX11, TickingKeepsItAboveAndUntickingReturnsItWithoutMovingIt) {
    const auto before = probe.placement(id);
    ASSERT_TRUE(before.has_value());
    const QRect geometryBefore = view.geometry();

    form.Check15.setValue(CheckBox::kChecked);
    EXPECT_TRUE(waitFor([this] { return probe.hasState(id, "_NET_WM_STATE_ABOVE"); }));
    settle();
    EXPECT_EQ(probe.placement(id), before);
    EXPECT_EQ(view.geometry(), geometryBefore);
    EXPECT_EQ(static_cast<xcb_window_t>(view.winId()), id) << "the X window was re-created";

    form.Check15.setValue(CheckBox::kUnchecked);
    EXPECT_TRUE(waitFor([this] { return !probe.hasState(id, "_NET_WM_STATE_ABOVE"); }));
    settle();
    EXPECT_EQ(probe.placement(id), before);
    EXPECT_EQ(view.geometry(), geometryBefore);
    EXPECT_TRUE(probe.hasState(id, "_NET_WM_STATE_SKIP_TASKBAR"));
}

} // namespace
} // namespace aerolap::testing

// The toolkit's session bus keeps a buffer to the end of the process.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest's discovery) needs no display.
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    aerolap::testing::X11Session session;
    aerolap::testing::session = &session;
    aerolap::testing::windowManagerUp = session.waitForWindowManager();
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    aerolap::testing::session = nullptr;
    return result;
}
