#include "Win32SoundOutput.h"

// clang-format off
#include <windows.h>
#include <mmsystem.h> // needs the types of windows.h before it
// clang-format on

namespace aerolap {

void Win32SoundOutput::playFileAsync(const std::string& path) {
    // The paths are plain ASCII, so their bytes already are the ANSI code page text.
    static_cast<void>(PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC));
}

void Win32SoundOutput::playFileIfPlayableAsync(const std::string& path) {
    static_cast<void>(PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT));
}

} // namespace aerolap
