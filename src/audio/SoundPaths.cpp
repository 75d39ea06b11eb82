#include "SoundPaths.h"

#include "ScheduleSoundFiles.h"

#include <algorithm>
#include <cctype>
#include <ranges>
#include <string_view>

namespace aerolap {

namespace {

std::string_view withoutDrive(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':' &&
        std::isalpha(static_cast<unsigned char>(path[0])) != 0) {
        path.remove_prefix(2);
    }
    return path;
}

} // namespace

std::string SoundPaths::fileFor(const std::string& cuePath) const {
    if (!m_root) {
        return cuePath;
    }
    std::filesystem::path file = *m_root;
    for (const auto part : std::views::split(withoutDrive(cuePath), '\\')) {
        if (!part.empty()) {
            file /= std::filesystem::path(std::string_view(part.begin(), part.end()));
        }
    }
    return file.string();
}

std::vector<std::string> SoundPaths::everyCueFile() const {
    std::vector<std::string> files;
    for (const std::string& cue : sounds::everyCue()) {
        files.push_back(fileFor(cue));
    }
    return files;
}

std::filesystem::path
findDefaultSets(const std::vector<std::filesystem::path>& candidates, std::string_view language,
                const std::function<bool(const std::filesystem::path&)>& isFolder) {
    const auto holdsLanguage = [&](const std::filesystem::path& folder) {
        return isFolder(folder / language);
    };
    if (const auto found = std::ranges::find_if(candidates, holdsLanguage);
        found != candidates.end()) {
        return *found;
    }
    return candidates.empty() ? std::filesystem::path{} : candidates.back();
}

std::filesystem::path soundRoot(const std::optional<std::filesystem::path>& chosen,
                                const std::filesystem::path& defaultSets,
                                std::string_view language) {
    return chosen ? *chosen : defaultSets / language;
}

} // namespace aerolap
