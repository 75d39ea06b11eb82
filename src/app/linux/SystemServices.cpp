#include "app/SystemServices.h"

#include "audio/DecodingSoundOutput.h"
#include "audio/SoundOutputCuePlayer.h"
#include "audio/SoundPaths.h"
#include "platform/NoRegistry.h"
#include "systems/linux/PulsePcmPlayback.h"
#include "systems/linux/X11WindowManagerState.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace aerolap {
namespace {

std::filesystem::path folderOfThisProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

/// $AEROLAP_SOUNDS, else the installed set, else the set beside the program.
std::filesystem::path soundRoot() {
    return findSoundRoot(std::getenv("AEROLAP_SOUNDS"),
                         {AEROLAP_SOUND_DATA_DIR, folderOfThisProgram() / "aerolap-sounds"},
                         [](const std::filesystem::path& folder) {
                             std::error_code error;
                             return std::filesystem::is_directory(folder, error);
                         });
}

} // namespace

struct SystemServices::Parts {
    PulsePcmPlayback playback;
    DecodingSoundOutput output{playback};
    SoundOutputCuePlayer cues{output, SoundPaths::underRoot(soundRoot())};
    NoRegistry registry;
    X11WindowManagerState mainWindow;
};

SystemServices::SystemServices() : m_parts(std::make_unique<Parts>()) {}

SystemServices::~SystemServices() = default;

CuePlayer& SystemServices::cuePlayer() {
    return m_parts->cues;
}

Registry& SystemServices::registry() {
    return m_parts->registry;
}

DeviceNaming SystemServices::serialDeviceNaming() const {
    return DeviceNaming::Posix;
}

WindowStacking& SystemServices::mainWindowStacking() {
    return m_parts->mainWindow;
}

void SystemServices::adoptMainWindow(QWidget& window) {
    m_parts->mainWindow.attachTo(window);
    m_parts->mainWindow.keepOutOfTaskbar();
}

void SystemServices::keepOutOfTaskbar(QWidget& window) {
    X11WindowManagerState(window).keepOutOfTaskbar();
}

} // namespace aerolap
