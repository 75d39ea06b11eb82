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

constexpr auto kStartTimeout = 10s;
constexpr auto kStopTimeout = 5s;
constexpr auto kPollStep = 20ms;

bool acceptsConnections(const std::filesystem::path& socketPath) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.string().copy(address.sun_path, sizeof(address.sun_path) - 1);
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}

bool exited(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, WNOHANG) == pid;
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
    std::filesystem::create_directories(m_folder / "runtime");
    std::filesystem::create_directories(m_folder / "home");

    const std::string runtime = (m_folder / "runtime").string();
    std::vector<std::string> environment = {
        "PULSE_RUNTIME_PATH=" + runtime, "XDG_RUNTIME_DIR=" + runtime,
        "HOME=" + (m_folder / "home").string(), "PATH=/usr/bin:/bin"};
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
    std::vector<char*> envp;
    for (auto& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    m_pid = ::fork();
    if (m_pid == 0) {
        // A test that crashes must not leave its server behind.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int devNull = ::open("/dev/null", O_RDWR);
        ::dup2(devNull, STDIN_FILENO);
        ::execve("/usr/bin/pulseaudio", argv.data(), envp.data());
        ::_exit(127);
    }
    if (m_pid < 0) {
        return;
    }

    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (acceptsConnections(m_socket)) {
            m_ready = true;
            break;
        }
        if (exited(m_pid)) {
            m_pid = -1;
            return;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    if (m_ready) {
        ::setenv("PULSE_SERVER", address().c_str(), 1);
    }
}

TestSoundServer::~TestSoundServer() {
    stop();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

void TestSoundServer::stop() {
    if (m_pid <= 0) {
        return;
    }
    ::kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
    while (!exited(m_pid)) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(kPollStep);
    }
    m_pid = -1;
}

} // namespace aerolap::testing
