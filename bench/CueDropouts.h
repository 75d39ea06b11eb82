#pragma once

#include "MonitorRecorder.h"
#include "platform/PcmSound.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace aerolap::testing {

/// One cue as the program asked for it: the samples of its file and when playCue was called.
struct PlayedCue {
    std::string file;
    std::shared_ptr<const PcmSound> sound;
    std::chrono::steady_clock::time_point asked;
};

/// A stretch of digital silence in the recording where the cue's own samples are not silent.
struct Dropout {
    std::string file;
    double offsetMs = 0.0; // where in the cue it began
    double lengthMs = 0.0;
    double recordedAtS = 0.0; // where in the recording it began
};

/// A cue not found in the recording, with its best match within five seconds.
struct UnfoundCue {
    std::string file;
    double correlation = 0.0;
    double afterAskedMs = 0.0;
};

struct DropoutCount {
    std::vector<Dropout> dropouts;
    std::vector<UnfoundCue> notFound;
    /// For each cue, how long after it was asked for its first sample played; none if not found.
    std::vector<std::optional<double>> onsetsMs;
    int checked = 0;
    int cut = 0; // cues cut short by the next one, checked up to its onset
    double secondsChecked = 0.0;
};

/// Finds every dropout in the recording of a sink that played `cues`, in the order they were
/// asked for. Each cue is found in the recording by its own first samples, near the moment it was
/// asked for, and followed to its end or to the onset of the next cue, whichever comes first. A
/// run of exact zeros of `shortest` or more counts where the cue's file has sound at that offset;
/// after a dropout the cue is found again, since the server goes on either where it stopped or
/// where it would have been.
DropoutCount findDropouts(const std::vector<MonitorRecorder::Block>& blocks,
                          const std::vector<PlayedCue>& cues,
                          std::chrono::microseconds shortest = std::chrono::milliseconds(2));

} // namespace aerolap::testing
