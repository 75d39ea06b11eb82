#include "app/SystemServices.h"

#include "audio/PreloadingSoundOutput.h"
#include "audio/ScheduleSoundFiles.h"
#include "audio/SoundCheck.h"
#include "audio/SoundFiles.h"
#include "audio/SoundOutputCuePlayer.h"
#include "audio/SoundPaths.h"
#include "platform/NoRegistry.h"
#include "systems/linux/InotifyFileChangeWatch.h"
#include "systems/linux/ServerOrDevicePlayback.h"
#include "systems/linux/X11WindowManagerState.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <system_error>
#include <thread>

namespace aerolap {
namespace {

using namespace std::chrono_literals;

std::filesystem::path folderOfThisProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

/// The folder given, else $AEROLAP_SOUNDS, else the installed set, else the set beside the program.
std::filesystem::path soundRoot(const std::optional<std::filesystem::path>& given) {
    if (given) {
        return *given;
    }
    const std::filesystem::path programFolder = folderOfThisProgram();
    return findSoundRoot(std::getenv("AEROLAP_SOUNDS"),
                         {(programFolder / AEROLAP_SOUNDS_FROM_PROGRAM).lexically_normal(),
                          programFolder / "aerolap-sounds"},
                         [](const std::filesystem::path& folder) {
                             std::error_code error;
                             return std::filesystem::is_directory(folder, error);
                         });
}

/// The files of every cue, so that they are decoded before the first one is due.
std::vector<std::string> cueFiles(const SoundPaths& paths) {
    std::vector<std::string> files;
    for (const std::string_view cue : sounds::kAll) {
        files.push_back(paths.fileFor(std::string(cue)));
    }
    for (const std::string& cue : sounds::allScheduleCues()) {
        files.push_back(paths.fileFor(cue));
    }
    return files;
}

} // namespace

struct SystemServices::Parts {
    explicit Parts(const std::optional<std::filesystem::path>& soundFolder)
        : paths(SoundPaths::underRoot(soundRoot(soundFolder))) {}

    SoundPaths paths;
    ServerOrDevicePlayback playback{
        [](const std::string& line) { std::cerr << line << std::endl; }};
    PreloadingSoundOutput output{playback, cueFiles(paths),
                                 std::make_unique<InotifyFileChangeWatch>()};
    SoundOutputCuePlayer cues{output, paths};
    NoRegistry registry;
    X11WindowManagerState mainWindow;
};

SystemServices::SystemServices(const std::optional<std::filesystem::path>& soundFolder)
    : m_parts(std::make_unique<Parts>(soundFolder)), m_cuePlayer(&m_parts->cues),
      m_registry(&m_parts->registry), m_mainWindowStacking(&m_parts->mainWindow) {}

SystemServices::~SystemServices() = default;

DeviceNaming SystemServices::serialDeviceNaming() const {
    return DeviceNaming::Posix;
}

LayoutFonts SystemServices::layoutFonts() const {
    // Liberation Sans has Arial's metrics, and it is also the nearer match in width for MS Sans
    // Serif, so every caption fits its element.
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Sans")};
}

void SystemServices::adoptMainWindow(QWidget& window) {
    m_parts->mainWindow.attachTo(window);
    m_parts->mainWindow.keepOutOfTaskbar();
}

void SystemServices::keepOutOfTaskbar(QWidget& window) {
    X11WindowManagerState(window).keepOutOfTaskbar();
}

bool SystemServices::checkSounds(std::ostream& out, bool play) {
    ServerOrDevicePlayback& playback = m_parts->playback;
    const std::string output = playback.outputAfterWaiting(2s);
    CheckedSoundPlayer player;
    if (play) {
        player = [&playback](const std::string&, const PcmSound& sound) {
            playback.play(std::make_shared<const PcmSound>(sound));
            const double seconds = static_cast<double>(sound.bytes.size()) /
                                   static_cast<double>(sound.bytesPerFrame() * sound.sampleRate);
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds) + 300ms);
        };
    }
    const bool allPlay = aerolap::checkSounds(m_parts->paths, out, player);
    out << "Output: " << output << "\n";
    return allPlay;
}

} // namespace aerolap
