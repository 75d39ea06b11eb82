#include "ServerOrDevicePlayback.h"

namespace aerolap {

ServerOrDevicePlayback::ServerOrDevicePlayback(Report report)
    : m_report(std::move(report)), m_server([this](bool answering) { serverChanged(answering); }) {}

void ServerOrDevicePlayback::play(std::shared_ptr<const PcmSound> sound) {
    if (m_server.serverAnswers()) {
        m_server.play(std::move(sound));
        return;
    }
    m_device.play(std::move(sound));
    m_server.reconnectIfDue();
}

std::string ServerOrDevicePlayback::outputAfterWaiting(std::chrono::milliseconds limit) {
    return m_server.waitForServer(limit) ? kServerOutput : kDeviceOutput;
}

void ServerOrDevicePlayback::serverChanged(bool answering) {
    const std::string output = answering ? kServerOutput : kDeviceOutput;
    const std::lock_guard lock(m_reportMutex);
    if (output != m_reported) {
        m_reported = output;
        if (m_report) {
            m_report("Sound output: " + output);
        }
    }
}

} // namespace aerolap
