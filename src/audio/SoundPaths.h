#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
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

/// The folder of the default sound sets, which holds one set per language in a folder named by its
/// code ("en", "it", ...): the first of `candidates` that holds `language`'s set, else the last
/// candidate (whose missing files then play the alert).
std::filesystem::path
findDefaultSets(const std::vector<std::filesystem::path>& candidates, std::string_view language,
                const std::function<bool(const std::filesystem::path&)>& isFolder);

/// The sound root: the folder the director chose, taken as it is, else `language`'s default set.
std::filesystem::path soundRoot(const std::optional<std::filesystem::path>& chosen,
                                const std::filesystem::path& defaultSets,
                                std::string_view language);

} // namespace aerolap
