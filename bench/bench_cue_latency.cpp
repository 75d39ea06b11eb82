// Cue playback against a private PulseAudio server whose null sink is recorded from its monitor:
// onset after playCue, how fast a newer cue cuts an older one, how long playCue holds the caller
// (with and without a server), and the CPU the sound back end uses while idle between cues.
#include "Figures.h"
#include "MonitorRecorder.h"
#include "TestSoundServer.h"
#include "WavBytes.h"
#include "audio/PreloadingSoundOutput.h"
#include "audio/SoundFileDecoder.h"
#include "audio/SoundOutputCuePlayer.h"
#include "systems/linux/InotifyFileChangeWatch.h"
#include "systems/linux/PosixRegularFileOpener.h"
#include "systems/linux/PulsePcmPlayback.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace aerolap;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::Figures;
using testing::MonitorRecorder;

constexpr int kCues = 100;
constexpr double kToneA = 500.0;
constexpr double kToneB = 1500.0;
constexpr double kHeard = 0.05;
constexpr const char* kCueA = R"(c:\bench\a.wav)";
constexpr const char* kCueB = R"(c:\bench\b.wav)";

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

class Bench {
public:
    explicit Bench(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    SoundOutputCuePlayer player(PcmPlayback& playback) {
        const SoundPaths paths = SoundPaths::underRoot(m_folder);
        m_outputs.push_back(std::make_unique<PreloadingSoundOutput>(
            playback, std::vector<std::string>{paths.fileFor(kCueA), paths.fileFor(kCueB)},
            std::make_unique<InotifyFileChangeWatch>(),
            [this](const std::filesystem::path& file) { return decodeSoundFile(file, m_files); }));
        m_outputs.back()->waitUntilDecoded();
        return SoundOutputCuePlayer(*m_outputs.back(), paths);
    }

private:
    std::filesystem::path m_folder;
    PosixRegularFileOpener m_files;
    std::vector<std::unique_ptr<PreloadingSoundOutput>> m_outputs;
};

Clock::duration timed(CuePlayer& player, const char* cue) {
    const auto before = Clock::now();
    player.playCue(cue);
    return Clock::now() - before;
}

std::optional<Clock::time_point> firstBlockOfB(const std::vector<testing::ToneBlock>& tones,
                                               Clock::time_point after) {
    for (const auto& block : tones) {
        if (block.start + 5ms >= after && block.second > kHeard) {
            return block.start;
        }
    }
    return std::nullopt;
}

std::optional<Clock::time_point> lastBlockOfA(const std::vector<testing::ToneBlock>& tones,
                                              Clock::time_point from, Clock::time_point to) {
    std::optional<Clock::time_point> last;
    for (const auto& block : tones) {
        if (block.start >= from && block.start < to && block.first > kHeard) {
            last = block.start + 5ms;
        }
    }
    return last;
}

double cpuSeconds(const std::string& statFile) {
    std::ifstream stat(statFile);
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto afterName = text.rfind(')');
    if (afterName == std::string::npos) {
        return 0.0;
    }
    std::istringstream fields(text.substr(afterName + 2));
    std::string field;
    long long utime = 0;
    long long stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14) {
            utime = std::stoll(field);
        } else if (index == 15) {
            stime = std::stoll(field);
            break;
        }
    }
    return static_cast<double>(utime + stime) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

std::string backEndThreadStat() {
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        if (name == PulsePcmPlayback::kThreadName) {
            return (task.path() / "stat").string();
        }
    }
    return {};
}

} // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("aerolap-bench-cues-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "bench");
    const auto writeTone = [&](const char* name, double hz, double seconds) {
        const auto bytes = testing::wavBytes(1, 16, 22050, testing::toneSamples(hz, seconds));
        std::ofstream(folder / "bench" / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    };
    writeTone("a.wav", kToneA, 1.0);
    writeTone("b.wav", kToneB, 0.3);
    Bench bench(folder);

    {
        ::setenv("PULSE_SERVER", "unix:/nonexistent/aerolap-bench/native", 1);
        PulsePcmPlayback playback;
        auto player = bench.player(playback);
        Figures hold;
        for (int i = 0; i < kCues; ++i) {
            hold.add(ms(timed(player, i % 2 == 0 ? kCueA : kCueB)));
        }
        hold.print("playCue holds the caller, no sound server");
    }

    testing::TestSoundServer server;
    if (!server.running()) {
        std::printf("the private PulseAudio server did not start\n");
        return 1;
    }
    auto recorder = std::make_unique<MonitorRecorder>(server.address(), server.monitorSource());
    if (!recorder->waitUntilFlowing()) {
        std::printf("the monitor recording did not start\n");
        return 1;
    }
    PulsePcmPlayback playback;
    auto player = bench.player(playback);
    std::this_thread::sleep_for(200ms);

    std::vector<Clock::time_point> aCalls;
    std::vector<Clock::time_point> bCalls;
    Figures hold;
    for (int i = 0; i < kCues; ++i) {
        aCalls.push_back(Clock::now());
        hold.add(ms(timed(player, kCueA)));
        std::this_thread::sleep_for(150ms);
        bCalls.push_back(Clock::now());
        hold.add(ms(timed(player, kCueB)));
        std::this_thread::sleep_for(400ms);
    }
    std::this_thread::sleep_for(200ms);
    const auto blocks = recorder->blocks();
    const auto tones = measureTones(blocks, kToneA, kToneB);

    Figures onset;
    Figures cutOff;
    Figures gap;
    int missed = 0;
    for (int i = 0; i < kCues; ++i) {
        // A starts from silence, so its onset is found to the sample; B follows A at once.
        const auto a = onsetFrom(blocks, aCalls[static_cast<std::size_t>(i)] - 50ms);
        const auto b = firstBlockOfB(tones, bCalls[static_cast<std::size_t>(i)]);
        const auto lastA = lastBlockOfA(tones, aCalls[static_cast<std::size_t>(i)],
                                        bCalls[static_cast<std::size_t>(i)] + 350ms);
        if (!a || !b || !lastA) {
            ++missed;
            continue;
        }
        onset.add(ms(*a - aCalls[static_cast<std::size_t>(i)]));
        cutOff.add(ms(*lastA - bCalls[static_cast<std::size_t>(i)]));
        gap.add(ms(*b - *lastA));
    }
    std::printf("%d pairs of cues (a long cue cut 150 ms in by a short one), %d not heard\n", kCues,
                missed);
    onset.print("onset after playCue, to the sample");
    cutOff.print("replaced cue silent after the newer playCue");
    gap.print("end of the old cue to start of the new");
    hold.print("playCue holds the caller, with a server");

    recorder.reset();
    std::this_thread::sleep_for(500ms);
    const std::string threadStat = backEndThreadStat();
    const std::string serverStat = "/proc/" + std::to_string(server.pid()) + "/stat";
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    const double threadBefore = threadStat.empty() ? 0.0 : cpuSeconds(threadStat);
    const double serverBefore = cpuSeconds(serverStat);
    constexpr auto kIdle = 10s;
    std::this_thread::sleep_for(kIdle);
    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);
    const auto cpuOf = [](const rusage& r) {
        return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
               static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
    };
    const double idleSeconds = std::chrono::duration<double>(kIdle).count();
    std::printf("idle CPU over %.0f s: back end thread %.3f %%, whole bench process %.3f %%, "
                "sound server %.3f %%\n",
                idleSeconds,
                threadStat.empty() ? -1.0
                                   : 100.0 * (cpuSeconds(threadStat) - threadBefore) / idleSeconds,
                100.0 * (cpuOf(after) - cpuOf(before)) / idleSeconds,
                100.0 * (cpuSeconds(serverStat) - serverBefore) / idleSeconds);

    std::filesystem::remove_all(folder);
    return 0;
}
