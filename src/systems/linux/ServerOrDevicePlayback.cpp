#include "ServerOrDevicePlayback.h"

namespace aerolap {

ServerOrDevicePlayback::ServerOrDevicePlayback(NoticeBoard& notices,
                                               const std::function<void()>& soundThreadStarted)
    : m_notices(notices), m_device(soundThreadStarted),
      m_server([this](bool answering) { serverChanged(answering); },
               [this](SinkCondition condition, const std::string& sink) {
                   sinkChanged(condition, sink);
               },
               soundThreadStarted) {}

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
    const std::lock_guard lock(m_reportMutex);
    m_answering = answering;
    m_answered = m_answered || answering;
    m_sink.reset(); // a server that answers is heard only once its output is known
    postOutput();
}

void ServerOrDevicePlayback::sinkChanged(SinkCondition condition, const std::string& sink) {
    const std::lock_guard lock(m_reportMutex);
    m_sink = condition;
    m_sinkName = sink;
    postOutput();
}

void ServerOrDevicePlayback::postOutput() {
    Message output;
    // A laptop without a sound server may well hear ALSA's device; one whose server went away
    // hears nothing there.
    bool heard = !m_answered;
    if (!m_answering) {
        output = {QT_TRANSLATE_NOOP("Message", "Sound output: %1"), {kDeviceOutput}};
    } else if (!m_sink) {
        return;
    } else {
        switch (*m_sink) {
        case SinkCondition::Heard:
            output = {QT_TRANSLATE_NOOP("Message", "Sound output: %1"), {kServerOutput}};
            heard = true;
            break;
        case SinkCondition::Muted:
            output = {QT_TRANSLATE_NOOP("Message", "Sound output: %1, whose output \"%2\" is "
                                                   "muted: no cue is heard"),
                      {kServerOutput, m_sinkName}};
            break;
        case SinkCondition::ZeroVolume:
            output = {QT_TRANSLATE_NOOP("Message", "Sound output: %1, whose output \"%2\" is at "
                                                   "zero volume: no cue is heard"),
                      {kServerOutput, m_sinkName}};
            break;
        case SinkCondition::NoSink:
            output = {QT_TRANSLATE_NOOP("Message",
                                        "Sound output: %1, which has no output: no cue is heard"),
                      {kServerOutput}};
            break;
        }
    }
    if (output == m_posted) {
        return;
    }
    m_posted = output;
    m_notices.post(std::move(output), heard ? Notice::Urgency::Info : Notice::Urgency::ActNow);
}

} // namespace aerolap
