#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace aerolap {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
/// A file open for binary reading; closed with its owner.
using OpenedFile = std::unique_ptr<std::FILE, FileCloser>;

/// Why a file was not opened.
enum class FileRefusal { None, Missing, NotRegular, Empty, TooLarge, Unreadable };

/// What the checks on a file's kind and size refuse, the same on every system.
inline FileRefusal refusalFor(bool regular, std::uintmax_t size, std::uintmax_t largestBytes) {
    if (!regular) {
        return FileRefusal::NotRegular;
    }
    if (size > largestBytes) {
        return FileRefusal::TooLarge;
    }
    return size == 0 ? FileRefusal::Empty : FileRefusal::None;
}

struct OpenedRegularFile {
    OpenedFile file;
    FileRefusal refusal = FileRefusal::None;
    /// The system's own words when the refusal is `Unreadable`.
    std::string systemError;
};

/// Opens a file for reading only when it is a regular, non-empty file of at most a given size.
/// The checks come before the open, so that a FIFO or a device is never opened (which could
/// block the reader for good), and again on the open file, so that one swapped in between is
/// caught too.
class RegularFileOpener {
public:
    virtual ~RegularFileOpener() = default;
    virtual OpenedRegularFile open(const std::filesystem::path& path,
                                   std::uintmax_t largestBytes) const = 0;
};

} // namespace aerolap
