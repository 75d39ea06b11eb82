#pragma once

#include <QtCore/qtestsupport_core.h>
#include <array>
#include <fcntl.h>
#include <pty.h>
#include <string>
#include <unistd.h>

namespace aerolap::testing {

/// A pseudo-terminal standing in for the display: the program opens the device end by its name,
/// the test reads the far end. Closing the far end fails the device the way a pulled-out USB
/// adapter does.
struct PseudoTerminal {
    PseudoTerminal() {
        std::array<char, 256> name{};
        ::openpty(&farEnd, &device, name.data(), nullptr, nullptr);
        ::fcntl(farEnd, F_SETFL, O_NONBLOCK);
        deviceName = name.data();
    }
    ~PseudoTerminal() { ::close(farEnd), ::close(device); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    /// What arrives within a few seconds, `count` bytes at most, running Qt's events meanwhile
    /// for a port that writes from the event loop.
    std::string read(std::size_t count) const {
        std::string arrived;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                std::array<char, 64> buffer{};
                const auto got =
                    ::read(farEnd, buffer.data(), std::min(buffer.size(), count - arrived.size()));
                arrived.append(buffer.data(), static_cast<std::size_t>(std::max(got, ssize_t{0})));
                return arrived.size() == count;
            },
            5000));
        return arrived;
    }

    int farEnd = -1, device = -1;
    std::string deviceName;
};

} // namespace aerolap::testing
