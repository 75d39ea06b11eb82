#pragma once

#include "AlsaPcmPlayback.h"
#include "PulsePcmPlayback.h"

#include <functional>
#include <mutex>
#include <string>

namespace aerolap {

/// Linux sound: the PulseAudio server (which PipeWire serves too) while one answers, else ALSA's
/// default device directly, so that a laptop without a desktop's sound server still hears its
/// cues. The server is tried again at most every two seconds, on the next sound. The output in
/// use is reported once when it is first known and again whenever it changes.
class ServerOrDevicePlayback final : public PcmPlayback {
public:
    using Report = std::function<void(const std::string& line)>;

    explicit ServerOrDevicePlayback(Report report);

    void play(std::shared_ptr<const PcmSound> sound) override;

    /// Waits up to `limit` for the server to answer, then names the output the cues would use.
    std::string outputAfterWaiting(std::chrono::milliseconds limit);

    static constexpr const char* kServerOutput = "PulseAudio sound server";
    static constexpr const char* kDeviceOutput = "ALSA default device (no sound server answers)";

private:
    void serverChanged(bool answering);

    Report m_report;
    std::mutex m_reportMutex;
    std::string m_reported;
    AlsaPcmPlayback m_device;
    PulsePcmPlayback m_server;
};

} // namespace aerolap
