#pragma once

#include "platform/RegularFileOpener.h"

namespace aerolap {

/// Regular files through POSIX: stat before the open, a non-blocking open that cannot become
/// the controlling terminal, and fstat on the open descriptor.
class PosixRegularFileOpener final : public RegularFileOpener {
public:
    OpenedRegularFile open(const std::filesystem::path& path,
                           std::uintmax_t largestBytes) const override;
};

} // namespace aerolap
