#pragma once

#include "notices/NoticeBoard.h"
#include "platform/TimingThreadPriority.h"

#include <atomic>

namespace aerolap {

/// The timing threads' scheduling on Windows: the handlers' thread one step above normal
/// (`SetThreadPriority`), each sound thread registered with the multimedia class scheduler
/// (MMCSS, avrt) as an "Audio" task until it lowers itself. Neither needs privileges. The first
/// refusal, from whichever thread, is posted and no later one.
class MmcssThreadPriority final : public TimingThreadPriority {
public:
    explicit MmcssThreadPriority(NoticeBoard& notices) : m_notices(notices) {}

    /// Above normal, not highest: that already puts the handlers ahead of every ordinary
    /// program's thread, which is what they compete with, while a long report or PDF made on
    /// this thread still yields to the system's own raised threads.
    void raiseTimingThread() override;
    /// "Audio", not "Pro Audio": the task of programs that play sound, which runs ahead of
    /// the handlers and of ordinary programs, and leaves ahead of it the audio engine that plays
    /// what the thread hands over.
    void raiseSoundThread() override;
    void lowerSoundThread() override;

private:
    void refused(const std::string& why);

    NoticeBoard& m_notices;
    std::atomic<bool> m_told = false;
};

} // namespace aerolap
