// Whether each cue of a real cycle plays unbroken: the main window (without its view) on Qt
// timers, the program's own cue path (decoded ahead, handed to the sound server, or to ALSA's
// device should the server not answer) playing the default sound set into a private null sink
// whose monitor is recorded. A dropout is a run of digital silence in the recording where the
// cue's file, at that offset, has sound; the set's spoken cues have pauses of their own, which
// do not count. Optionally beside processes that spin or a shell command such as a parallel build,
// from START to the end of the cycle.
#include "CompetingLoad.h"
#include "CueDropouts.h"
#include "CycleOnQtTimers.h"
#include "Figures.h"
#include "MonitorRecorder.h"
#include "PreloadedCuePlayer.h"
#include "TestSoundServer.h"
#include "WavBytes.h"
#include "audio/SoundFileDecoder.h"
#include "notices/NoticeBoard.h"
#include "systems/linux/PosixRegularFileOpener.h"
#include "systems/linux/ServerOrDevicePlayback.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <string_view>

namespace {

using namespace aerolap;
using namespace std::chrono_literals;

struct Options {
    /// Empty for the whole TO 10 MINUTI cycle; else TO LIBERO with this working time.
    std::string working;
    int busy = 0;
    std::string beside;
    std::filesystem::path sounds = AEROLAP_BENCH_SOUNDS;
    /// Where to keep the recording, for a listen to what was counted; nowhere when empty.
    std::filesystem::path recording;
    /// Whether to print each cue with its onset.
    bool list = false;
};

bool parse(int argc, char** argv, Options& options) {
    for (int index = 1; index < argc; ++index) {
        const std::string_view name = argv[index];
        if (name == "--list") {
            options.list = true;
            continue;
        }
        if (index + 1 == argc) {
            return false;
        }
        const char* value = argv[++index];
        if (name == "--working") {
            options.working = value;
        } else if (name == "--busy") {
            options.busy = std::max(std::atoi(value), 0);
        } else if (name == "--beside") {
            options.beside = value;
        } else if (name == "--sounds") {
            options.sounds = value;
        } else if (name == "--record") {
            options.recording = value;
        } else {
            return false;
        }
    }
    return true;
}

/// Writes the recording as a WAV file.
void keep(const std::vector<testing::MonitorRecorder::Block>& blocks,
          const std::filesystem::path& file) {
    testing::Bytes samples;
    for (const auto& block : blocks) {
        for (const std::int16_t sample : block.samples) {
            const auto bits = static_cast<std::uint16_t>(sample);
            samples.insert(samples.end(), {static_cast<std::uint8_t>(bits),
                                           static_cast<std::uint8_t>(bits >> 8U)});
        }
    }
    const testing::Bytes wav =
        testing::wavBytes(1, 16, testing::MonitorRecorder::kSampleRate, samples);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
}

/// Every announcement the set-up panel can switch on.
void announceEverything(Form1& form) {
    for (CheckBox* box : {&form.Check2, &form.Check4, &form.Check1, &form.Check3, &form.Check5,
                          &form.Check6, &form.Check7, &form.Check8, &form.Check9, &form.Check10,
                          &form.Check11, &form.Check14, &form.Check16}) {
        box->setValue(CheckBox::kChecked);
    }
}

/// The cues asked for with the samples of their files, as the program decoded them; a file that
/// does not play is left out.
std::vector<testing::PlayedCue>
playedCues(const std::vector<testing::CycleOnQtTimers::AskedCue>& asked, const SoundPaths& paths,
           const std::filesystem::path& root) {
    const PosixRegularFileOpener regularFiles;
    std::map<std::string, std::shared_ptr<const PcmSound>> decoded;
    std::vector<testing::PlayedCue> played;
    for (const auto& [path, at] : asked) {
        const std::string file = paths.fileFor(path);
        auto& sound = decoded[file];
        sound = sound ? sound : decodeSoundFile(file, regularFiles).sound;
        if (sound) {
            played.push_back({std::filesystem::relative(file, root).string(), sound, at});
        }
    }
    return played;
}

/// Prints each dropout, each cue not found and the totals; each cue with its onset too when
/// given the moment START was clicked.
void report(const testing::DropoutCount& count, const std::vector<testing::PlayedCue>& played,
            std::optional<std::chrono::steady_clock::time_point> listFrom) {
    double silent = 0.0;
    double longest = 0.0;
    for (const testing::Dropout& dropout : count.dropouts) {
        std::printf("dropout: %-40s at %7.1f ms into the cue, %5.1f ms long (%.3f s into the "
                    "recording)\n",
                    dropout.file.c_str(), dropout.offsetMs, dropout.lengthMs, dropout.recordedAtS);
        silent += dropout.lengthMs;
        longest = std::max(longest, dropout.lengthMs);
    }
    for (const testing::UnfoundCue& cue : count.notFound) {
        std::printf("not found in the recording: %s (best match within 5 s: %.2f, %.1f ms after "
                    "it was asked for)\n",
                    cue.file.c_str(), cue.correlation, cue.afterAskedMs);
    }
    std::printf("%zu cues played, %zu not found in the recording; %d followed (%d of them cut by "
                "the next), %.1f s of cue sound\n",
                played.size(), count.notFound.size(), count.checked, count.cut,
                count.secondsChecked);
    testing::Figures onsets;
    for (std::size_t index = 0; index < played.size(); ++index) {
        const std::optional<double> onset = count.onsetsMs[index];
        if (onset) {
            onsets.add(*onset);
        }
        if (listFrom) {
            std::printf("cue %8.3f s after START: %-40s ",
                        std::chrono::duration<double>(played[index].asked - *listFrom).count(),
                        played[index].file.c_str());
            if (onset) {
                std::printf("onset %6.1f ms after playCue\n", *onset);
            } else {
                std::printf("not found\n");
            }
        }
    }
    onsets.print("onset after playCue, by the cue's first 0.2 s");
    std::printf("dropouts: %zu, %.1f ms of silence in all, longest %.1f ms\n",
                count.dropouts.size(), silent, longest);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    if (!parse(argc, argv, options)) {
        std::printf("usage: bench_cue_dropouts [--working HH.MM.SS] [--busy N] [--beside COMMAND] "
                    "[--sounds DIR] [--record FILE.wav] [--list]\n");
        return 2;
    }
    testing::TestSoundServer server;
    testing::MonitorRecorder recorder(server.address(), server.monitorSource());
    if (!server.running() || !recorder.waitUntilFlowing()) {
        std::printf("the private PulseAudio server or its recording did not start\n");
        return 1;
    }
    const SystemWallClock wallClock;
    NoticeBoard notices(wallClock, std::cerr);
    ServerOrDevicePlayback playback(notices);
    if (playback.outputAfterWaiting(5s) != ServerOrDevicePlayback::kServerOutput) {
        std::printf("the private PulseAudio server does not answer the program's playback\n");
        return 1;
    }
    const SoundPaths paths = SoundPaths::underRoot(options.sounds);
    testing::PreloadedCuePlayer cues(playback, paths.everyCueFile(), paths);

    testing::CycleOnQtTimers cycle(cues.player());
    Form1& form = cycle.form();
    announceEverything(form);
    if (options.working.empty()) {
        form.Option2.select();
    } else {
        form.Option3.select();
        form.Clock3.commitEdit(options.working);
    }
    std::printf("cue dropouts: %s, %s preparation, %s working time and the landing window, "
                "sounds from %s\n",
                options.working.empty() ? "TO 10 MINUTI" : "TO LIBERO",
                form.Clock1.clockTimeText().c_str(), form.Clock3.clockTimeText().c_str(),
                options.sounds.c_str());
    std::printf("beside: %d spinning processes%s%s\n", options.busy,
                options.beside.empty() ? "" : ", and: ", options.beside.c_str());
    std::printf("load averages at the start: %s\n", testing::loadAverages().c_str());
    std::fflush(stdout);

    testing::CompetingLoad load;
    // The server's account of the recording settles over its first seconds; the last cue ends
    // within the four seconds after the cycle.
    cycle.run(3s, 4s, [&] { load.start(options.busy, options.beside); });
    std::printf("load averages at the end:   %s\n", testing::loadAverages().c_str());
    load.stop();

    const std::vector<testing::PlayedCue> played = playedCues(cycle.asked(), paths, options.sounds);
    const auto blocks = recorder.blocks();
    if (!options.recording.empty()) {
        keep(blocks, options.recording);
    }
    const testing::DropoutCount count = testing::findDropouts(blocks, played);
    report(count, played, options.list ? std::optional(cycle.clicked()) : std::nullopt);
    return count.notFound.empty() && played.size() == cycle.asked().size() ? 0 : 1;
}
