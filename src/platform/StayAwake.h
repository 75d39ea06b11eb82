#pragma once

namespace aerolap {

/// Keeps the laptop awake under a contest: the system is held awake (no sleep when idle, none
/// when the lid closes, where the system allows it) from the moment the back end is made until it
/// goes, and the display is held lit while the program asks for it. What cannot be held is told
/// by the back end once; the timer runs on either way, and no call waits on the system.
class StayAwake {
public:
    virtual ~StayAwake() = default;

    /// Keeps the display lit (no screen saver, no blanking) while `held`.
    virtual void holdDisplay(bool held) = 0;
};

} // namespace aerolap
