#include "SerialByIdName.h"

#include <system_error>

namespace aerolap {

std::optional<std::string> serialByIdName(const std::string& device,
                                          const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(device, error);
    if (error) {
        return std::nullopt;
    }
    for (auto entry = std::filesystem::directory_iterator(folder, error);
         !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code unresolved;
        if (std::filesystem::canonical(entry->path(), unresolved) == target && !unresolved) {
            return entry->path().string();
        }
    }
    return std::nullopt;
}

} // namespace aerolap
