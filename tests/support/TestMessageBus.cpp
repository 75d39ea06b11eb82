#include "TestMessageBus.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace aerolap::testing {

namespace {

constexpr char kConfiguration[] = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=@FOLDER@</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

/// The first line the bus writes to `fd`, waiting 10 seconds at most.
std::string firstLine(int fd) {
    std::string line;
    pollfd readable{fd, POLLIN, 0};
    char c = 0;
    while (::poll(&readable, 1, 10000) > 0 && ::read(fd, &c, 1) == 1 && c != '\n') {
        line += c;
    }
    return line;
}

} // namespace

TestMessageBus::TestMessageBus() {
    std::string pattern = (std::filesystem::temp_directory_path() / "aerolap-bus-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return;
    }
    m_folder = pattern;
    std::string configuration = kConfiguration;
    configuration.replace(configuration.find("@FOLDER@"), 8, m_folder.string());
    const std::string configurationFile = (m_folder / "bus.conf").string();
    std::ofstream(configurationFile) << configuration;

    int address[2];
    if (::pipe(address) != 0) {
        return;
    }
    m_pid = ::fork();
    if (m_pid == 0) {
        // A test that crashes must not leave its bus behind.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::close(address[0]);
        const std::string printTo = "--print-address=" + std::to_string(address[1]);
        const std::string config = "--config-file=" + configurationFile;
        ::execl("/usr/bin/dbus-daemon", "dbus-daemon", "--nofork", "--nopidfile", config.c_str(),
                printTo.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(address[1]);
    m_address = firstLine(address[0]);
    ::close(address[0]);
}

TestMessageBus::~TestMessageBus() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

} // namespace aerolap::testing
