#include "UnreadableFile.h"

#include <system_error>

namespace aerolap {

std::optional<std::filesystem::path> keepUnreadableAside(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::filesystem::path aside = file;
    aside += ".unreadable";
    std::filesystem::rename(file, aside, error);
    return error ? std::nullopt : std::optional(aside);
}

} // namespace aerolap
