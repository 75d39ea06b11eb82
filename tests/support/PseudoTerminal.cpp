#include "PseudoTerminal.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <unistd.h>
#include <utility>

namespace aerolap::testing {

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
    std::array<char, 256> buffer{};
    for (const auto end = std::chrono::steady_clock::now() + timeout;
         arrived.size() < count && std::chrono::steady_clock::now() < end;) {
        QCoreApplication::processEvents();
        pollfd ready{m_farEnd, POLLIN, 0};
        if (::poll(&ready, 1, 1) == 1 && (ready.revents & POLLIN) != 0) {
            const ssize_t got = ::read(m_farEnd, buffer.data(), buffer.size());
            arrived.append(buffer.data(), static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        }
    }
    return arrived;
}

void PseudoTerminal::closeFarEnd() {
    if (m_farEnd >= 0) {
        ::close(std::exchange(m_farEnd, -1));
    }
}

} // namespace aerolap::testing
