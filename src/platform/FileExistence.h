#pragma once

#include <string>

namespace aerolap {

/// Whether a normal file exists at a full path.
class FileExistence {
public:
    virtual ~FileExistence() = default;
    virtual bool normalFileExists(const std::string& path) const = 0;
};

} // namespace aerolap
