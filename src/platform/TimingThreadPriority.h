#pragma once

#include "Message.h"

#include <string>

namespace aerolap {

/// What the program asks of the system for the threads that the pilots' seconds and cues hang
/// on, where the system grants it to a program without privileges: the thread that runs the
/// handlers goes ahead of ordinary programs, and each thread that feeds the cues to the sound
/// output gets the scheduling that sound programs get for theirs. What the system refuses is
/// posted once by the back end, and the timer runs on as it is; no call waits long on the system.
class TimingThreadPriority {
public:
    virtual ~TimingThreadPriority() = default;

    /// Raises the calling thread, which runs the handlers or writes their frames to the LED
    /// display. Never to real time: a long report or PDF made on the handlers' thread must not
    /// stall the machine, nor get the program stopped for it. Returns at once.
    virtual void raiseTimingThread() = 0;

    /// Raises the calling thread, which feeds cues to the sound output, for as long as it runs.
    /// Returns at once, so that a sound thread can ask from within itself.
    virtual void raiseSoundThread() = 0;
    /// Gives back what `raiseSoundThread` took, as the last thing a raised sound thread does
    /// before it ends; a system that takes it back with the thread does nothing here.
    virtual void lowerSoundThread() = 0;
};

/// The notice of a refusal, for the director: what it means for the round and what to do. `why`
/// is the system's own reason.
inline Message timingThreadsRefused(const std::string& why) {
    return {QT_TRANSLATE_NOOP("Message",
                              "Cues and seconds may slip while the laptop is busy: the system does "
                              "not let the timer run ahead of other programs (%1). Close other "
                              "programs during a round."),
            {why}};
}

} // namespace aerolap
