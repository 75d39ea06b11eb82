#include "TestSoundServer.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace aerolap::testing {

namespace {

using namespace std::chrono_literals;

bool acceptsConnections(const std::filesystem::path& socketPath) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.string().copy(address.sun_path, sizeof(address.sun_path) - 1);
    const bool connected =
        fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}

} // namespace

TestSoundServer::TestSoundServer() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "aerolap-pulse-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    m_folder = pattern;
    m_socket = m_folder / "native";
    if (start()) {
        ::setenv("PULSE_SERVER", address().c_str(), 1);
    }
}

bool TestSoundServer::start() {
    std::error_code ignored;
    std::filesystem::remove(m_socket, ignored);
    const std::string runtime = (m_folder / "runtime").string();
    const std::string home = (m_folder / "home").string();
    std::filesystem::create_directories(runtime);
    std::filesystem::create_directories(home);
    std::vector<std::string> arguments = {"pulseaudio",
                                          "-n",
                                          "--daemonize=no",
                                          "--system=false",
                                          "--disallow-exit",
                                          "--exit-idle-time=-1",
                                          "--use-pid-file=no",
                                          "--log-target=file:" + (m_folder / "server.log").string(),
                                          "-L",
                                          std::string("module-null-sink sink_name=") + kSink,
                                          "-L",
                                          "module-native-protocol-unix auth-anonymous=1 socket=" +
                                              m_socket.string()};
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    m_pid = ::fork();
    if (m_pid == 0) {
        // A test that crashes must not leave its server behind.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::dup2(::open("/dev/null", O_RDWR), STDIN_FILENO);
        ::clearenv();
        for (const auto& [name, value] :
             {std::pair<const char*, std::string>{"PULSE_RUNTIME_PATH", runtime},
              {"XDG_RUNTIME_DIR", runtime},
              {"HOME", home},
              {"PATH", "/usr/bin:/bin"}}) {
            ::setenv(name, value.c_str(), 1);
        }
        ::execv("/usr/bin/pulseaudio", argv.data());
        ::_exit(127);
    }

    m_ready = false;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (m_pid > 0 && !m_ready && std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1; // the server gave up
            return false;
        }
        m_ready = acceptsConnections(m_socket);
        std::this_thread::sleep_for(20ms);
    }
    return m_ready;
}

void TestSoundServer::kill() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    m_pid = -1;
    m_ready = false;
}

TestSoundServer::~TestSoundServer() {
    kill();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

} // namespace aerolap::testing
