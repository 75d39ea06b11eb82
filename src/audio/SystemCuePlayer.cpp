#include "SystemCuePlayer.h"

#include "SoundOutputCuePlayer.h"
#include "SoundPaths.h"

#ifdef _WIN32
#include "platform/Win32SoundOutput.h"
#else
#include "platform/DecodingSoundOutput.h"
#include "platform/PulsePcmPlayback.h"

#include <cstdlib>
#include <system_error>
#endif

namespace aerolap {

#ifdef _WIN32

struct SystemCuePlayer::BackEnd {
    Win32SoundOutput output;
    SoundOutputCuePlayer player{output, SoundPaths::unchanged()};
};

#else

namespace {

std::filesystem::path folderOfThisProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

std::filesystem::path soundRoot() {
    return findSoundRoot(std::getenv("AEROLAP_SOUNDS"),
                         {AEROLAP_SOUND_DATA_DIR, folderOfThisProgram() / "aerolap-sounds"},
                         [](const std::filesystem::path& folder) {
                             std::error_code error;
                             return std::filesystem::is_directory(folder, error);
                         });
}

} // namespace

struct SystemCuePlayer::BackEnd {
    PulsePcmPlayback playback;
    DecodingSoundOutput output{playback};
    SoundOutputCuePlayer player{output, SoundPaths::underRoot(soundRoot())};
};

#endif

SystemCuePlayer::SystemCuePlayer() : m_backEnd(std::make_unique<BackEnd>()) {}

SystemCuePlayer::~SystemCuePlayer() = default;

void SystemCuePlayer::playCue(const std::string& path) {
    m_backEnd->player.playCue(path);
}

} // namespace aerolap
