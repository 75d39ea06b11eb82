#pragma once

#include "platform/RegularFileOpener.h"

namespace aerolap {

/// Regular files through Win32: the attributes before the open (a folder or a device name such
/// as COM1 is refused unopened), then the type and size of the open handle.
class Win32RegularFileOpener final : public RegularFileOpener {
public:
    OpenedRegularFile open(const std::filesystem::path& path,
                           std::uintmax_t largestBytes) const override;
};

} // namespace aerolap
