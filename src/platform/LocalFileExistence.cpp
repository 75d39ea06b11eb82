#include "LocalFileExistence.h"

#include <filesystem>
#include <system_error>

namespace aerolap {

bool LocalFileExistence::normalFileExists(const std::string& path) const {
    // The error overload: an unreadable folder on the way means "not there", never an exception.
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

} // namespace aerolap
