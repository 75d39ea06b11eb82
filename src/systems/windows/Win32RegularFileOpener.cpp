#include "Win32RegularFileOpener.h"

#include <fcntl.h>
#include <io.h>
#include <string>
#include <windows.h>

namespace aerolap {
namespace {

std::string lastErrorText() {
    const DWORD code = GetLastError();
    char text[256] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(code) : message;
}

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH;
}

FileRefusal refusalOf(DWORD attributes, std::uint64_t size, std::uintmax_t largestBytes) {
    return refusalFor((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0, size,
                      largestBytes);
}

std::uint64_t sizeOf(DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

} // namespace

OpenedRegularFile Win32RegularFileOpener::open(const std::filesystem::path& path,
                                               std::uintmax_t largestBytes) const {
    WIN32_FILE_ATTRIBUTE_DATA before{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &before)) {
        // A device name (COM1, NUL, ...) has no attributes of a file on disk.
        const DWORD error = GetLastError();
        if (isMissing(error)) {
            return {nullptr, FileRefusal::Missing, {}};
        }
        return {nullptr, FileRefusal::Unreadable, lastErrorText()};
    }
    if (const FileRefusal refusal =
            refusalOf(before.dwFileAttributes, sizeOf(before.nFileSizeHigh, before.nFileSizeLow),
                      largestBytes);
        refusal != FileRefusal::None) {
        return {nullptr, refusal, {}};
    }
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {nullptr, FileRefusal::Unreadable, lastErrorText()};
    }
    BY_HANDLE_FILE_INFORMATION after{};
    FileRefusal refusal = FileRefusal::NotRegular;
    if (GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &after)) {
        refusal = refusalOf(after.dwFileAttributes, sizeOf(after.nFileSizeHigh, after.nFileSizeLow),
                            largestBytes);
    }
    if (refusal != FileRefusal::None) {
        CloseHandle(handle);
        return {nullptr, refusal, {}};
    }
    // The C runtime takes the handle over: closing the stream closes it.
    const int descriptor =
        _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return {nullptr, FileRefusal::Unreadable, "no file descriptor left"};
    }
    OpenedFile file(_fdopen(descriptor, "rb"));
    if (!file) {
        _close(descriptor);
        return {nullptr, FileRefusal::Unreadable, "no stream left"};
    }
    return {std::move(file), FileRefusal::None, {}};
}

} // namespace aerolap
