#pragma once

#include "VirtualTime.h"
#include "audio/CuePlayer.h"

#include <ostream>
#include <string>
#include <vector>

namespace aerolap::testing {

/// Takes the place of the sound output: remembers every cue asked for, with the virtual time.
class RecordingCuePlayer final : public CuePlayer {
public:
    struct Played {
        long long atMs;
        std::string path;
        bool operator==(const Played&) const = default;
        friend void PrintTo(const Played& cue, std::ostream* out) {
            *out << cue.atMs << " ms " << cue.path;
        }
    };

    explicit RecordingCuePlayer(const VirtualTime& time) : m_time(time) {}
    void playCue(const std::string& path) override {
        m_played.push_back({m_time.elapsed().count(), path});
    }
    const std::vector<Played>& played() const { return m_played; }

private:
    const VirtualTime& m_time;
    std::vector<Played> m_played;
};

} // namespace aerolap::testing
