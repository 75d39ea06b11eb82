#pragma once

#include "FileExistence.h"

namespace aerolap {

/// Asks this machine's file system. Folders, devices and broken links do not count as files.
class LocalFileExistence final : public FileExistence {
public:
    bool normalFileExists(const std::string& path) const override;
};

} // namespace aerolap
