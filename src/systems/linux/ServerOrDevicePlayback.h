#pragma once

#include "AlsaPcmPlayback.h"
#include "PulsePcmPlayback.h"
#include "notices/NoticeBoard.h"

#include <mutex>
#include <optional>
#include <string>

namespace aerolap {

/// Linux sound: the PulseAudio server (which PipeWire serves too) while one answers, else ALSA's
/// default device directly, so that a laptop without a desktop's sound server still hears its
/// cues. The output in use is posted once it is known and again whenever it changes: for the
/// director to act on when the server went away or its output is missing, muted or at zero volume,
/// for the record otherwise.
class ServerOrDevicePlayback final : public PcmPlayback {
public:
    /// `soundThreadStarted` runs once on each thread that feeds the server or the device.
    explicit ServerOrDevicePlayback(NoticeBoard& notices,
                                    const std::function<void()>& soundThreadStarted = {});

    void play(std::shared_ptr<const PcmSound> sound) override;

    /// Waits up to `limit` for the server to answer, then names the output the cues would use.
    std::string outputAfterWaiting(std::chrono::milliseconds limit);

    static constexpr const char* kServerOutput =
        QT_TRANSLATE_NOOP("Message", "PulseAudio sound server");
    static constexpr const char* kDeviceOutput =
        QT_TRANSLATE_NOOP("Message", "ALSA default device (no sound server answers)");

private:
    void serverChanged(bool answering);
    void sinkChanged(SinkCondition condition, const std::string& sink);
    /// Posts the output as it now stands, unless it is what was posted last.
    void postOutput();

    NoticeBoard& m_notices;
    std::mutex m_reportMutex;
    bool m_answering = false;
    bool m_answered = false;
    /// The default sink's condition, once the server that answers has said it.
    std::optional<SinkCondition> m_sink;
    std::string m_sinkName;
    Message m_posted;
    AlsaPcmPlayback m_device;
    PulsePcmPlayback m_server;
};

} // namespace aerolap
