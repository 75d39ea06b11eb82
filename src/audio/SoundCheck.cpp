#include "SoundCheck.h"

#include "ScheduleSoundFiles.h"
#include "SoundFiles.h"

#include <chrono>
#include <filesystem>
#include <iomanip>
#include <sstream>
#include <thread>

namespace aerolap {

bool checkSounds(const SoundPaths& paths, const RegularFileOpener& files, std::ostream& out,
                 PcmPlayback* playback) {
    int failures = 0;
    const std::vector<std::string> cues = sounds::everyCue();
    for (std::size_t i = 0; i < cues.size(); ++i) {
        const std::string file = paths.fileFor(cues[i]);
        const DecodedSoundFile decoded = decodeSoundFile(file, files);
        out << file << "\n    ";
        std::error_code error;
        if (i >= sounds::kAll.size() && !std::filesystem::exists(file, error)) {
            out << "missing: the schedule does without this announcement\n";
            continue;
        }
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
        if (playback != nullptr) {
            out << std::flush;
            const PcmSound& sound = *decoded.sound;
            playback->play(decoded.sound);
            const double seconds = static_cast<double>(sound.bytes.size()) /
                                   static_cast<double>(sound.bytesPerFrame() * sound.sampleRate);
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds + 0.3));
        }
    }
    out << (failures == 0 ? std::string("Every cue file plays.")
                          : std::to_string(failures) + " of " + std::to_string(cues.size()) +
                                " cue files do not play; the alert sounds in their place.")
        << "\n";
    return failures == 0;
}

namespace {

/// What is wrong with one file of a default set, or nothing when it plays within `longest`.
std::string faultOf(const DecodedSoundFile& decoded, sounds::Seconds longest) {
    if (!decoded.sound) {
        return decoded.problem;
    }
    if (decoded.seconds > longest.count()) {
        std::ostringstream fault;
        fault << std::fixed << std::setprecision(2) << "lasts " << decoded.seconds
              << " s, longer than its " << longest.count() << " s";
        return fault.str();
    }
    return {};
}

} // namespace

bool checkDefaultSets(const std::filesystem::path& defaultSets,
                      std::span<const std::string_view> languages, const RegularFileOpener& files,
                      std::ostream& out) {
    const std::vector<sounds::CueAndLongest> cues = sounds::everyCueAndLongest();
    out << "Default sound sets in " << defaultSets.string() << ":\n";
    bool allComplete = true;
    for (const std::string_view language : languages) {
        const SoundPaths paths = SoundPaths::underRoot(defaultSets / language);
        std::vector<std::string> faults;
        for (const auto& [cue, longest] : cues) {
            const std::string file = paths.fileFor(cue);
            if (const std::string fault = faultOf(decodeSoundFile(file, files), longest);
                !fault.empty()) {
                faults.push_back(file + ": " + fault);
            }
        }
        if (faults.empty()) {
            out << "    " << language << ": all " << cues.size() << " files play in time\n";
            continue;
        }
        allComplete = false;
        out << "    " << language << ": INCOMPLETE, " << faults.size() << " of " << cues.size()
            << " files fail\n";
        for (const std::string& fault : faults) {
            out << "        " << fault << "\n";
        }
    }
    return allComplete;
}

} // namespace aerolap
