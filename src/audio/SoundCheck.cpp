#include "SoundCheck.h"

#include "SoundFiles.h"

#include <iomanip>

namespace aerolap {

bool checkSounds(const SoundPaths& paths, std::ostream& out, const CheckedSoundPlayer& play) {
    int failures = 0;
    for (const std::string_view cue : sounds::kAll) {
        const std::string file = paths.fileFor(std::string(cue));
        const DecodedSoundFile decoded = decodeSoundFile(file);
        out << file << "\n    ";
        if (!decoded.sound) {
            ++failures;
            out << "DOES NOT PLAY: " << decoded.problem;
            if (!decoded.encoding.empty()) {
                out << " (" << decoded.encoding << ", " << decoded.sampleRate << " Hz, "
                    << decoded.channels << " channel(s))";
            }
            out << "\n";
            continue;
        }
        out << "plays: " << decoded.encoding << ", " << decoded.sampleRate << " Hz, "
            << decoded.channels << " channel(s), " << std::fixed << std::setprecision(2)
            << decoded.seconds << " s\n";
        if (play) {
            out << std::flush;
            play(file, *decoded.sound);
        }
    }
    out << (failures == 0
                ? std::string("Every cue file plays.")
                : std::to_string(failures) + " of " + std::to_string(sounds::kAll.size()) +
                      " cue files do not play; the alert sounds in their place.")
        << "\n";
    return failures == 0;
}

} // namespace aerolap
