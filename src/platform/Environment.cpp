#include "Environment.h"

#include <cstdlib>

namespace aerolap {

std::optional<std::string> processEnvironment(const std::string& name) {
    if (const char* value = std::getenv(name.c_str())) {
        return std::string(value);
    }
    return std::nullopt;
}

} // namespace aerolap
