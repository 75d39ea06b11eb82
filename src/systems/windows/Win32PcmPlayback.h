#pragma once

#include "platform/PcmPlayback.h"
#include "platform/TimingThreadPriority.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace aerolap {

/// Decoded sounds through the multimedia library's PlaySound, from memory: each sound is handed
/// over as an in-memory WAV file, so that nothing is read from disk at the cue. PlaySound is
/// called on a thread of its own, raised as sound programs' threads are: the caller only hands the
/// sound over, never waits for PlaySound to stop the sound before, and the cue starts on time
/// however busy the laptop. PlaySound reads the buffer while it plays, so the buffer of the sound
/// playing is kept until the next call has stopped it, whatever becomes of the sound it was made
/// from.
class Win32PcmPlayback final : public PcmPlayback {
public:
    explicit Win32PcmPlayback(TimingThreadPriority& priority);
    ~Win32PcmPlayback() override;

    void play(std::shared_ptr<const PcmSound> sound) override;

private:
    void run(TimingThreadPriority& priority);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::shared_ptr<const PcmSound> m_handedOver;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace aerolap
