#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// Turns the fixed path of a cue, such as "c:\reriva3rira\5.wav", into the file to open here.
/// On Windows the path is used unchanged; elsewhere the drive stands for one sound root, so that
/// the file is <root>/reriva3rira/5.wav, folder and file names kept exactly.
class SoundPaths {
public:
    static SoundPaths unchanged() { return SoundPaths(std::nullopt); }
    static SoundPaths underRoot(std::filesystem::path root) { return SoundPaths(std::move(root)); }

    std::string fileFor(const std::string& cuePath) const;
    /// The files of every cue and every schedule announcement, for those that read them all.
    std::vector<std::string> everyCueFile() const;

private:
    explicit SoundPaths(std::optional<std::filesystem::path> root) : m_root(std::move(root)) {}

    std::optional<std::filesystem::path> m_root;
};

/// The sound root: the folder the director chose, else the first of the candidate folders that
/// exists, else the last candidate (whose missing files then play the alert).
std::filesystem::path
findSoundRoot(const std::optional<std::filesystem::path>& chosen,
              const std::vector<std::filesystem::path>& candidates,
              const std::function<bool(const std::filesystem::path&)>& isFolder);

} // namespace aerolap
