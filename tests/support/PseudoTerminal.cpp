#include "PseudoTerminal.h"

#include <QCoreApplication>
#include <array>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <unistd.h>

namespace aerolap::testing {

namespace {
constexpr auto kPollSlice = std::chrono::milliseconds(1);
}

PseudoTerminal::PseudoTerminal() {
    std::array<char, 256> name{};
    if (::openpty(&m_farEnd, &m_device, name.data(), nullptr, nullptr) != 0) {
        throw std::runtime_error("openpty failed");
    }
    m_deviceName = name.data();
}

PseudoTerminal::~PseudoTerminal() {
    closeFarEnd();
    ::close(m_device);
}

std::string PseudoTerminal::read(std::size_t count, std::chrono::milliseconds timeout) {
    std::string arrived;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (arrived.size() < count && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents();
        arrived += readWithin(kPollSlice);
    }
    return arrived;
}

std::string PseudoTerminal::readAtOnce() {
    std::string arrived;
    for (std::string more = readWithin(std::chrono::milliseconds(0)); !more.empty();
         more = readWithin(std::chrono::milliseconds(0))) {
        arrived += more;
    }
    return arrived;
}

std::string PseudoTerminal::readWithin(std::chrono::milliseconds wait) {
    pollfd waitFor{m_farEnd, POLLIN, 0};
    if (::poll(&waitFor, 1, static_cast<int>(wait.count())) <= 0 ||
        (waitFor.revents & POLLIN) == 0) {
        return {};
    }
    std::array<char, 256> buffer{};
    const ssize_t got = ::read(m_farEnd, buffer.data(), buffer.size());
    return got > 0 ? std::string(buffer.data(), static_cast<std::size_t>(got)) : std::string();
}

void PseudoTerminal::closeFarEnd() {
    if (m_farEnd >= 0) {
        ::close(m_farEnd);
        m_farEnd = -1;
    }
}

} // namespace aerolap::testing
