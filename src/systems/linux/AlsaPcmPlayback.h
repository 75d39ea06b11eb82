#pragma once

#include "platform/PcmPlayback.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace aerolap {

/// Plays decoded sounds straight on ALSA's default device, for machines with no sound server.
/// One sound at a time: a newer sound cuts the one playing within a period of the device. The
/// device is opened when a sound starts and closed when it has drained, so nothing holds it while
/// the program is quiet. The caller only hands the sound over; a thread of its own feeds the
/// device.
class AlsaPcmPlayback final : public PcmPlayback {
public:
    /// `soundThreadStarted` runs first thing on the thread that feeds the device.
    explicit AlsaPcmPlayback(std::function<void()> soundThreadStarted = {});
    ~AlsaPcmPlayback() override;
    AlsaPcmPlayback(const AlsaPcmPlayback&) = delete;
    AlsaPcmPlayback& operator=(const AlsaPcmPlayback&) = delete;

    void play(std::shared_ptr<const PcmSound> sound) override;

private:
    void run();
    /// Plays `sound` until it ends or a newer one is handed over.
    void playOnDevice(const PcmSound& sound);
    bool newerSoundWaiting();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::shared_ptr<const PcmSound> m_handedOver;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace aerolap
