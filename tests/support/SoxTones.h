#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace aerolap::testing {

/// An encoding that sound folders recorded on Windows hold, at a rate and channel count they
/// use: how sox writes it, libsndfile's name for it, and the rate and channels it decodes to.
struct SoundEncoding {
    const char* soxOptions;
    const char* name;
    std::uint32_t rate;
    std::uint16_t channels;
};

inline constexpr SoundEncoding kWindowsEncodings[] = {
    {"-r 8000 -b 8", "Unsigned 8 bit PCM", 8000, 1},
    {"-r 44100 -b 16 -c 2", "Signed 16 bit PCM", 44100, 2},
    {"-r 96000 -b 24", "Signed 24 bit PCM", 96000, 1},
    {"-r 192000 -b 32 -c 6", "Signed 32 bit PCM", 192000, 1},
    {"-r 48000 -e floating-point -b 32", "32 bit float", 48000, 1},
    {"-r 8000 -e u-law", "U-Law", 8000, 1},
    {"-r 8000 -e a-law", "A-Law", 8000, 1},
    {"-r 22050 -e ima-adpcm", "IMA ADPCM", 22050, 1},
    {"-r 22050 -e ms-adpcm", "Microsoft ADPCM", 22050, 1},
    {"-r 8000 -e gsm-full-rate", "GSM 6.10", 8000, 1}};

/// Writes a 0.2 s, 440 Hz tone with sox, `options` before the file name; false when sox failed.
inline bool writeSoxTone(const std::filesystem::path& file, const std::string& options) {
    const std::string command =
        "sox -n " + options + " '" + file.string() + "' synth 0.2 sine 440 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

} // namespace aerolap::testing
