#include "PosixRegularFileOpener.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace aerolap {
namespace {

FileRefusal refusalOf(const struct stat& status, std::uintmax_t largestBytes) {
    return refusalFor(S_ISREG(status.st_mode), static_cast<std::uintmax_t>(status.st_size),
                      largestBytes);
}

OpenedRegularFile unreadable() {
    return {nullptr, FileRefusal::Unreadable, std::strerror(errno)};
}

} // namespace

OpenedRegularFile PosixRegularFileOpener::open(const std::filesystem::path& path,
                                               std::uintmax_t largestBytes) const {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return errno == ENOENT ? OpenedRegularFile{nullptr, FileRefusal::Missing, {}}
                               : unreadable();
    }
    if (const FileRefusal refusal = refusalOf(status, largestBytes); refusal != FileRefusal::None) {
        return {nullptr, refusal, {}};
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return unreadable();
    }
    OpenedFile file(::fdopen(fd, "rb"));
    if (!file) {
        OpenedRegularFile result = unreadable();
        ::close(fd);
        return result;
    }
    // From here on the stream closes the descriptor on every way out.
    if (::fstat(fd, &status) != 0) {
        return unreadable();
    }
    if (const FileRefusal refusal = refusalOf(status, largestBytes); refusal != FileRefusal::None) {
        return {nullptr, refusal, {}};
    }
    return {std::move(file), FileRefusal::None, {}};
}

} // namespace aerolap
