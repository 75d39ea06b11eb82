#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace aerolap::testing {

/// A private D-Bus message bus for one test, in its own temporary folder, that lets anyone own
/// any name and call anything and activates no service of the machine; killed by its process
/// id when the object goes. It can stand for both the system bus and the session bus.
class TestMessageBus {
public:
    TestMessageBus();
    ~TestMessageBus();
    TestMessageBus(const TestMessageBus&) = delete;
    TestMessageBus& operator=(const TestMessageBus&) = delete;

    /// The bus's address, empty when it did not start.
    const std::string& address() const { return m_address; }

private:
    std::filesystem::path m_folder;
    std::string m_address;
    pid_t m_pid = -1;
};

} // namespace aerolap::testing
