#pragma once

#include "audio/CuePlayer.h"
#include "platform/MonotonicSource.h"
#include "platform/SerialPortControl.h"

#include <optional>
#include <string>

namespace aerolap {

/// The time, the cues and the LED display as the timer's handlers see them. Normally each passes
/// straight through to the real one. While a catch-up replays a span the handlers did not see (a
/// suspended laptop, the time after a crash), time stands at each past moment the catch-up names,
/// cues are silent, because a cue played late tells the pilots a wrong second, and frames are held
/// back: only the last, the current second, goes to the display once the catch-up is over.
class Replay {
public:
    Replay(const MonotonicSource& time, CuePlayer& cues, SerialPortControl& port)
        : m_heldTime(time), m_quietCues(cues), m_heldFrames(port) {}
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    // What the handlers are given in place of the real services.
    const MonotonicSource& time() const { return m_heldTime; }
    CuePlayer& cues() { return m_quietCues; }
    SerialPortControl& port() { return m_heldFrames; }
    /// The real time, which a catch-up never holds.
    const MonotonicSource& realTime() const { return m_heldTime.real; }

    /// From now on, and until `present`, time stands at `moment`, cues are silent and frames are
    /// held back.
    void replayAt(MonotonicSource::TimePoint moment);
    /// Back to the present: time runs and cues sound again. A frame sent now replaces the one
    /// held back, which `finish` sends otherwise.
    void present();
    /// Sends the frame held back, if no newer one went out, and lets frames through again.
    void finish();

private:
    struct HeldTime final : MonotonicSource {
        explicit HeldTime(const MonotonicSource& source) : real(source) {}
        TimePoint now() const override { return moment ? *moment : real.now(); }
        const MonotonicSource& real;
        std::optional<TimePoint> moment;
    };
    struct QuietCues final : CuePlayer {
        explicit QuietCues(CuePlayer& cues) : real(cues) {}
        void playCue(const std::string& path) override;
        void playOptionalCue(const std::string& path) override;
        CuePlayer& real;
        bool quiet = false;
    };
    struct HeldFrames final : SerialPortControl {
        explicit HeldFrames(SerialPortControl& port) : real(port) {}
        void setCommPort(std::int16_t port) override { real.setCommPort(port); }
        void setSettings(const std::string& settings) override { real.setSettings(settings); }
        bool setPortOpen(bool open) override { return real.setPortOpen(open); }
        bool portOpen() const override { return real.portOpen(); }
        bool output(const std::string& bytes) override;
        SerialPortControl& real;
        bool holding = false;
        std::optional<std::string> held;
    };

    HeldTime m_heldTime;
    QuietCues m_quietCues;
    HeldFrames m_heldFrames;
};

} // namespace aerolap
