#pragma once

#include "platform/PcmSound.h"
#include "platform/RegularFileOpener.h"

#include <filesystem>
#include <memory>
#include <string>

namespace aerolap {

/// What reading one sound file found: its samples when it plays, else what is wrong with it.
struct DecodedSoundFile {
    /// 16-bit samples, mono or stereo; null when the file does not play.
    std::shared_ptr<const PcmSound> sound;
    /// Empty when the file plays; otherwise a short reason for the director, such as "missing".
    std::string problem;
    /// How the samples are stored in the file, as libsndfile names it ("IMA ADPCM").
    std::string encoding;
    int sampleRate = 0;
    int channels = 0;
    double seconds = 0.0;
};

/// Reads and decodes a sound file through libsndfile: every encoding it reads inside a WAV (PCM
/// of 8 to 32 bits, float, µ-law, A-law, IMA and Microsoft ADPCM, GSM 6.10, MPEG), 8 to 192 kHz,
/// more than two channels mixed down to one. Blocks on the disk, so never call it on the timing
/// thread. The file is opened through `files`, which refuses anything but a regular file
/// without opening it, so a FIFO or a device cannot hang the reader; files over 64 MB are
/// refused without being read.
DecodedSoundFile decodeSoundFile(const std::filesystem::path& path, const RegularFileOpener& files);

} // namespace aerolap
