#include "Replay.h"

#include <utility>

namespace aerolap {

void Replay::replayAt(MonotonicSource::TimePoint moment) {
    m_heldTime.moment = moment;
    m_quietCues.quiet = true;
    m_heldFrames.holding = true;
}

void Replay::present() {
    m_heldTime.moment.reset();
    m_quietCues.quiet = false;
    m_heldFrames.holding = false;
}

void Replay::finish() {
    present();
    if (const auto frame = std::exchange(m_heldFrames.held, std::nullopt)) {
        m_heldFrames.real.output(*frame);
    }
}

void Replay::QuietCues::playCue(const std::string& path) {
    if (!quiet) {
        real.playCue(path);
    }
}

void Replay::QuietCues::playOptionalCue(const std::string& path) {
    if (!quiet) {
        real.playOptionalCue(path);
    }
}

bool Replay::HeldFrames::output(const std::string& bytes) {
    if (holding) {
        held = bytes;
        return true;
    }
    // A frame of the present makes the one held back stale.
    held.reset();
    return real.output(bytes);
}

} // namespace aerolap
