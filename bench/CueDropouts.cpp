#include "CueDropouts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <span>

namespace aerolap::testing {

namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

constexpr double kRate = MonitorRecorder::kSampleRate;

std::ptrdiff_t samplesIn(std::chrono::microseconds span) {
    return static_cast<std::ptrdiff_t>(
        std::llround(static_cast<double>(span.count()) * kRate / 1e6));
}

double msOf(std::ptrdiff_t samples) {
    return static_cast<double>(samples) * 1000.0 / kRate;
}

// A file's samples this close to zero are its own silence (about -66 dB of full scale).
constexpr float kQuiet = 16.0F;
// How far around an offset the file is looked at for sound: the server's resampler smears each
// edge of a pause a little, and the alignment is found to a sample or two.
const std::ptrdiff_t kEdge = samplesIn(500us);
// A cue is found near the moment it was asked for by the silence before it and its first fifth of
// a second, which no voice's pitch period fools as a few milliseconds may; the silence places a
// beep, which its own samples fit as well a few periods off. First on every other sample, then
// to the sample.
const std::ptrdiff_t kSilenceBefore = samplesIn(20ms);
const std::ptrdiff_t kPattern = samplesIn(200ms);
constexpr std::ptrdiff_t kCoarseStep = 2;
const std::ptrdiff_t kSearchBefore = samplesIn(20ms);
const std::ptrdiff_t kSearchAfter = samplesIn(1s);
const std::ptrdiff_t kLookAround = samplesIn(5s);
// How much of the recording after a dropout places the rest of the cue.
const std::ptrdiff_t kResumePattern = samplesIn(100ms);
// The least normalised correlation that counts as the cue found.
constexpr double kFound = 0.6;

/// A cue's file as the sink plays it: mixed to mono and brought to the recording's rate, with
/// where it has sound.
struct Source {
    std::vector<float> samples;
    std::vector<bool> soundNear;

    std::ptrdiff_t length() const { return std::ssize(samples); }
};

Source sourceOf(const PcmSound& sound) {
    const std::size_t frames = sound.bytes.size() / sound.bytesPerFrame();
    std::vector<float> mono(frames);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        float sum = 0.0F;
        for (std::size_t channel = 0; channel < sound.channels; ++channel) {
            const std::size_t index = frame * sound.channels + channel;
            if (sound.format == SampleFormat::Unsigned8) {
                sum += (static_cast<float>(sound.bytes[index]) - 128.0F) * 256.0F;
            } else {
                const auto value = static_cast<std::int16_t>(
                    static_cast<std::uint16_t>(sound.bytes[2 * index]) |
                    static_cast<std::uint16_t>(sound.bytes[2 * index + 1] << 8U));
                sum += static_cast<float>(value);
            }
        }
        mono[frame] = sum / static_cast<float>(sound.channels);
    }
    Source source;
    const double step = sound.sampleRate / kRate;
    const auto length = static_cast<std::size_t>(static_cast<double>(frames) / step);
    source.samples.resize(length);
    for (std::size_t index = 0; index < length; ++index) {
        const double position = static_cast<double>(index) * step;
        const auto before = static_cast<std::size_t>(position);
        const auto fraction = static_cast<float>(position - static_cast<double>(before));
        const float next = before + 1 < frames ? mono[before + 1] : 0.0F;
        source.samples[index] = mono[before] + fraction * (next - mono[before]);
    }
    std::vector<std::ptrdiff_t> loudSoFar(length + 1, 0);
    for (std::size_t index = 0; index < length; ++index) {
        loudSoFar[index + 1] =
            loudSoFar[index] + (std::abs(source.samples[index]) > kQuiet ? 1 : 0);
    }
    source.soundNear.resize(length);
    for (std::ptrdiff_t index = 0; index < source.length(); ++index) {
        const std::ptrdiff_t from = std::max<std::ptrdiff_t>(index - kEdge, 0);
        const std::ptrdiff_t to = std::min(index + kEdge + 1, source.length());
        source.soundNear[static_cast<std::size_t>(index)] =
            loudSoFar[static_cast<std::size_t>(to)] > loudSoFar[static_cast<std::size_t>(from)];
    }
    return source;
}

/// The recording as one run of samples, with the moment its blocks played.
struct Recording {
    std::vector<float> samples;
    std::vector<SteadyClock::time_point> blockPlayed;

    explicit Recording(const std::vector<MonitorRecorder::Block>& blocks) {
        for (const auto& block : blocks) {
            blockPlayed.push_back(block.played);
            samples.insert(samples.end(), block.samples.begin(), block.samples.end());
        }
    }
    std::ptrdiff_t length() const { return std::ssize(samples); }

    /// The sample that played at `moment`.
    std::ptrdiff_t indexAt(SteadyClock::time_point moment) const {
        const auto after = std::ranges::upper_bound(blockPlayed, moment);
        const std::ptrdiff_t block = std::max<std::ptrdiff_t>(after - blockPlayed.begin() - 1, 0);
        const auto since = std::chrono::duration_cast<std::chrono::microseconds>(
            moment - blockPlayed[static_cast<std::size_t>(block)]);
        return block * static_cast<std::ptrdiff_t>(MonitorRecorder::kBlockFrames) +
               samplesIn(since);
    }
};

struct Match {
    std::ptrdiff_t at = 0;
    double correlation = 0.0;
};

/// Where in `signal`, from `from` up to `to` in steps of `step`, `pattern` fits best, by
/// normalised correlation.
Match bestMatch(std::span<const float> signal, std::span<const float> pattern, std::ptrdiff_t from,
                std::ptrdiff_t to, std::ptrdiff_t step = 1) {
    const std::ptrdiff_t length = std::ssize(pattern);
    from = std::max<std::ptrdiff_t>(from, 0);
    to = std::min(to, std::ssize(signal) - length);
    double patternEnergy = 0.0;
    for (const float value : pattern) {
        patternEnergy += static_cast<double>(value) * value;
    }
    Match best;
    if (from >= to || patternEnergy == 0.0) {
        return best;
    }
    double energy = 0.0;
    for (std::ptrdiff_t index = from; index < from + length; ++index) {
        energy += static_cast<double>(signal[static_cast<std::size_t>(index)]) *
                  signal[static_cast<std::size_t>(index)];
    }
    for (std::ptrdiff_t at = from; at < to; ++at) {
        const float* window = signal.data() + at;
        if ((at - from) % step == 0 && energy > 0.0) {
            float product = 0.0F;
            for (std::ptrdiff_t index = 0; index < length; ++index) {
                product += window[index] * pattern[static_cast<std::size_t>(index)];
            }
            const double correlation = product / std::sqrt(patternEnergy * energy);
            if (correlation > best.correlation) {
                best = {at, correlation};
            }
        }
        const double leaving = window[0];
        const double entering = window[length];
        energy = std::max(energy - leaving * leaving + entering * entering, 0.0);
    }
    return best;
}

/// Where a cue lies in the recording: where its first sample played, where the next cue cut it
/// (the recording's end if none did), and where the next cue was asked for.
struct Placement {
    std::ptrdiff_t origin = 0;
    std::ptrdiff_t bound = 0;
    std::ptrdiff_t nextAsked = 0;
};

/// Follows one cue through the recording from where it was placed, and adds its dropouts.
void followCue(const Recording& recording, const Source& source, const PlayedCue& cue,
               const Placement& placement, std::ptrdiff_t shortest, DropoutCount& count) {
    std::ptrdiff_t origin = placement.origin;
    const std::ptrdiff_t bound = placement.bound;
    const std::ptrdiff_t nextAsked = placement.nextAsked;
    const auto end = [&] {
        return std::min({origin + source.length(), bound, recording.length()});
    };
    const std::ptrdiff_t first = std::max<std::ptrdiff_t>(origin, 0);
    std::ptrdiff_t index = first;
    while (index < end()) {
        if (recording.samples[static_cast<std::size_t>(index)] != 0.0F) {
            ++index;
            continue;
        }
        const std::ptrdiff_t runStart = index;
        while (index < end() && recording.samples[static_cast<std::size_t>(index)] == 0.0F) {
            ++index;
        }
        // Silence that lasts until the next cue is the end of this one, wherever it was placed.
        const auto resumes = std::find_if(recording.samples.begin() + index,
                                          recording.samples.begin() + std::max(index, nextAsked),
                                          [](float sample) { return sample != 0.0F; });
        if (resumes == recording.samples.begin() + std::max(index, nextAsked)) {
            break;
        }
        std::ptrdiff_t sounding = 0;
        std::ptrdiff_t firstSounding = -1;
        for (std::ptrdiff_t silent = runStart; silent < index; ++silent) {
            if (source.soundNear[static_cast<std::size_t>(silent - origin)]) {
                firstSounding = firstSounding < 0 ? silent : firstSounding;
                ++sounding;
            }
        }
        if (sounding < shortest) {
            continue;
        }
        count.dropouts.push_back(
            {cue.file, msOf(firstSounding - origin), msOf(sounding), msOf(firstSounding) / 1000.0});
        // The cue goes on after the gap somewhere between where it stopped and where it would
        // have been by now.
        const std::ptrdiff_t resumeLength = std::min(kResumePattern, end() - index);
        if (resumeLength > 0) {
            const std::span<const float> after(recording.samples.data() + index,
                                               static_cast<std::size_t>(resumeLength));
            const Match resumed = bestMatch(source.samples, after, runStart - origin - kEdge,
                                            index - origin + kEdge + 1);
            if (resumed.correlation >= kFound) {
                origin = index - resumed.at;
            }
        }
    }
    count.secondsChecked += msOf(end() - first) / 1000.0;
}

} // namespace

DropoutCount findDropouts(const std::vector<MonitorRecorder::Block>& blocks,
                          const std::vector<PlayedCue>& cues, std::chrono::microseconds shortest) {
    const Recording recording(blocks);
    std::map<const PcmSound*, Source> sources;
    DropoutCount count;
    for (std::size_t index = 0; index < cues.size(); ++index) {
        const PlayedCue& cue = cues[index];
        const auto [entry, added] = sources.try_emplace(cue.sound.get());
        if (added) {
            entry->second = sourceOf(*cue.sound);
        }
        const Source& source = entry->second;
        const std::ptrdiff_t asked = recording.indexAt(cue.asked);
        std::vector<float> pattern(static_cast<std::size_t>(kSilenceBefore), 0.0F);
        pattern.insert(pattern.end(), source.samples.begin(),
                       source.samples.begin() + std::min(kPattern, source.length()));
        const Match found =
            bestMatch(recording.samples, pattern, asked - kSilenceBefore - kSearchBefore,
                      asked - kSilenceBefore + kSearchAfter, kCoarseStep);
        const Match placed = bestMatch(recording.samples, pattern, found.at - kCoarseStep,
                                       found.at + kCoarseStep + 1);
        if (placed.correlation < kFound) {
            // Where it best fits within a few seconds either way, for a clue to what happened.
            const Match anywhere = bestMatch(recording.samples, pattern, asked - kLookAround,
                                             asked + kLookAround, kCoarseStep);
            count.notFound.push_back(
                {cue.file, anywhere.correlation, msOf(anywhere.at + kSilenceBefore - asked)});
            count.onsetsMs.emplace_back();
            continue;
        }
        const std::ptrdiff_t origin = placed.at + kSilenceBefore;
        count.onsetsMs.push_back(msOf(origin - asked));
        // The next cue cuts this one no sooner than it was asked for.
        const std::ptrdiff_t next = std::min(
            index + 1 < cues.size() ? recording.indexAt(cues[index + 1].asked) : recording.length(),
            recording.length());
        std::ptrdiff_t bound = recording.length();
        if (next < origin + source.length()) {
            bound = next;
            ++count.cut;
        }
        ++count.checked;
        followCue(recording, source, cue, {origin, bound, next}, samplesIn(shortest), count);
    }
    return count;
}

} // namespace aerolap::testing
