// How soon after its second each cue of a real cycle is heard: the main window (without its view)
// on Qt timers, the program's own cue path (decoded ahead, handed to PulseAudio) playing into a
// private null sink whose monitor is recorded. Each onset is found to the sample in the recording
// and placed in time by the server's own account of when the sink played it; the second it
// belongs to is START plus the whole seconds before the cue was asked for.
#include "CompetingLoad.h"
#include "CycleOnQtTimers.h"
#include "Figures.h"
#include "MonitorRecorder.h"
#include "PreloadedCuePlayer.h"
#include "TestSoundServer.h"
#include "WavBytes.h"
#include "audio/SoundFiles.h"
#include "systems/linux/PulsePcmPlayback.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace aerolap;
using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

constexpr const char* kWorkingTime = "00.02.05";

double ms(SteadyClock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::LoadOptions load;
    for (int index = 1; index < argc; index += 2) {
        if (index + 1 == argc || !load.take(argv[index], argv[index + 1])) {
            std::printf("usage: bench_cue_onset [--busy N] [--beside COMMAND]\n");
            return 2;
        }
    }
    testing::CompetingLoad competing;
    const auto folder = std::filesystem::temp_directory_path() /
                        ("aerolap-bench-onset-" + std::to_string(::getpid()));
    const SoundPaths paths = SoundPaths::underRoot(folder);
    std::vector<std::string> files;
    const auto tone =
        testing::wavBytes(1, 16, testing::MonitorRecorder::kSampleRate,
                          testing::toneSamples(1000, 0.15, testing::MonitorRecorder::kSampleRate));
    for (const std::string_view cue : sounds::kAll) {
        files.push_back(paths.fileFor(std::string(cue)));
        std::filesystem::create_directories(std::filesystem::path(files.back()).parent_path());
        std::ofstream(files.back(), std::ios::binary)
            .write(reinterpret_cast<const char*>(tone.data()),
                   static_cast<std::streamsize>(tone.size()));
    }

    testing::TestSoundServer server;
    testing::MonitorRecorder recorder(server.address(), server.monitorSource());
    if (!server.running() || !recorder.waitUntilFlowing()) {
        std::printf("the private PulseAudio server or its recording did not start\n");
        return 1;
    }
    PulsePcmPlayback playback;
    testing::PreloadedCuePlayer cues(playback, files, paths);

    testing::CycleOnQtTimers cycle(cues.player());
    Form1& form = cycle.form();
    form.Clock3.commitEdit(kWorkingTime);
    form.Option3.select();
    std::printf("cue onset: one cycle of %s preparation, %s working time and the landing window\n",
                form.Clock1.clockTimeText().c_str(), kWorkingTime);
    std::fflush(stdout);
    // The server's account of the recording settles over its first seconds; the second after the
    // cycle leaves room for the last cue to be recorded whole.
    cycle.run(3s, 1s, [&] { competing.start(load.busy, load.beside); });
    std::printf("beside: %s\n", load.described().c_str());
    competing.stop();
    const SteadyClock::time_point clicked = cycle.clicked();
    const SteadyClock::time_point start = cycle.started();

    const auto blocks = recorder.blocks();
    testing::Figures afterSecond;
    testing::Figures afterCall;
    testing::Figures callAfterSecond;
    int unheard = 0;
    int beforeCall = 0;
    for (const auto& [path, call] : cycle.asked()) {
        // START's own cue comes from the click, a moment before the clock reads its start.
        const SteadyClock::time_point second =
            call < start ? clicked : start + std::chrono::floor<std::chrono::seconds>(call - start);
        // Searched from before the call, so that a measure that runs early shows as negative.
        const auto onset = testing::onsetFrom(blocks, call - 50ms);
        if (!onset || *onset > call + 500ms) {
            ++unheard;
            std::printf(
                "not heard: the cue asked for %.3f s after START (next sound %.3f s after)\n",
                ms(call - start) / 1000, onset ? ms(*onset - call) / 1000 : -1.0);
            continue;
        }
        beforeCall += *onset < call ? 1 : 0;
        afterSecond.add(ms(*onset - second));
        afterCall.add(ms(*onset - call));
        callAfterSecond.add(ms(call - second));
    }
    std::printf("%zu cues asked for, %d not heard, %d heard before they were asked for (a wrong "
                "measure)\n",
                cycle.asked().size(), unheard, beforeCall);
    callAfterSecond.print("playCue after its second boundary");
    afterCall.print("onset after playCue, to the sample");
    afterSecond.print("onset after its second boundary");
    std::printf("targets: onset after its second median <= 5 ms, max <= 12 ms\n");
    std::filesystem::remove_all(folder);
    return unheard == 0 && beforeCall == 0 ? 0 : 1;
}
