#pragma once

#include <filesystem>
#include <functional>
#include <vector>

namespace aerolap {

/// Tells when files may have changed on disk, so that what was read from them is read again: the
/// system says so instead of being asked over and over.
class FileChangeWatch {
public:
    using Changed = std::function<void()>;

    virtual ~FileChangeWatch() = default;

    /// From now on calls `changed`, on a thread of the watch's own, whenever one of `files` may
    /// have been written, replaced, created, deleted or renamed, and when a missing folder on the
    /// way to one appears (a USB stick plugged in). Replaces what was watched before; once it
    /// returns, the callback given before is no longer called.
    virtual void watch(const std::vector<std::filesystem::path>& files, Changed changed) = 0;
};

} // namespace aerolap
