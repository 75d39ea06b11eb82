#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace aerolap::testing {

/// A private PulseAudio server with one null sink, started for a test in its own temporary
/// folder (runtime, home and socket) and killed by its process id when the object goes. Works as
/// root and without a desktop session. Points this process's PulseAudio clients at it. It can be
/// killed and started again at the same address, as a sound server that crashes and restarts.
class TestSoundServer {
public:
    static constexpr const char* kSink = "cues";

    TestSoundServer();
    ~TestSoundServer();

    /// Kills the server as a crash would.
    void kill();
    /// Starts it again at the same address; true once it accepts connections.
    bool start();
    TestSoundServer(const TestSoundServer&) = delete;
    TestSoundServer& operator=(const TestSoundServer&) = delete;

    /// Whether the server came up and accepts connections.
    bool running() const { return m_ready; }
    std::string address() const { return "unix:" + m_socket.string(); }
    std::string monitorSource() const { return std::string(kSink) + ".monitor"; }
    pid_t pid() const { return m_pid; }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_socket;
    pid_t m_pid = -1;
    bool m_ready = false;
};

} // namespace aerolap::testing
