#pragma once

#include "platform/PcmPlayback.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

namespace aerolap {

/// Plays decoded sounds straight on ALSA's default device, for machines with no sound server.
/// The device is given the whole sound at once, in a buffer as long as the device allows, and
/// starts with its first frame, so that a late wake-up of the feeding thread cannot leave it
/// without samples while there is room. One sound at a time: a newer sound cuts the one playing
/// at once, the device dropping what it holds. The device is opened when a sound starts and
/// closed when it has drained, so nothing holds it while the program is quiet. The caller only
/// hands the sound over; a thread of its own feeds the device.
class AlsaPcmPlayback final : public PcmPlayback {
public:
    /// `soundThreadStarted` runs first thing on the thread that feeds the device.
    explicit AlsaPcmPlayback(std::function<void()> soundThreadStarted = {});

    void play(std::shared_ptr<const PcmSound> sound) override;

private:
    void run(const std::stop_token& stop);
    /// Plays `sound` until it ends or a newer one is handed over.
    void playOnDevice(const PcmSound& sound, const std::stop_token& stop);
    /// Waits up to `wait` for a newer sound or the end; true when one came.
    bool newerSoundWithin(std::chrono::microseconds wait, const std::stop_token& stop);

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::shared_ptr<const PcmSound> m_handedOver;
    std::jthread m_thread;
};

} // namespace aerolap
