#include "InotifyFileChangeWatch.h"

#include "platform/CurrentThreadName.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace aerolap {

namespace {

// What can make a file in the folder differ, and the folder itself going away.
constexpr std::uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                        IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF |
                                        IN_ONLYDIR;

/// The file's folder when it exists, else the nearest folder on its path that does.
std::filesystem::path nearestExistingFolder(const std::filesystem::path& file) {
    std::filesystem::path folder = std::filesystem::absolute(file).parent_path();
    std::error_code error;
    while (!std::filesystem::is_directory(folder, error) && folder != folder.parent_path()) {
        folder = folder.parent_path();
    }
    return folder;
}

} // namespace

InotifyFileChangeWatch::InotifyFileChangeWatch()
    : m_inotify(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)),
      m_stop(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      // Polling the mount table reports an error condition once after each mount or unmount.
      m_mounts(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC)) {
    if (m_stop >= 0) {
        m_thread = std::thread([this] { run(); });
    }
}

InotifyFileChangeWatch::~InotifyFileChangeWatch() {
    if (m_thread.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(m_stop, &one, sizeof one);
        m_thread.join();
    }
    for (const int fd : {m_inotify, m_stop, m_mounts}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void InotifyFileChangeWatch::watch(const std::vector<std::filesystem::path>& files,
                                   Changed changed) {
    const std::lock_guard lock(m_mutex);
    m_files = files;
    m_changed = std::move(changed);
    watchFolders();
}

void InotifyFileChangeWatch::watchFolders() {
    if (m_inotify < 0) {
        return;
    }
    std::set<int> needed;
    for (const std::filesystem::path& file : m_files) {
        // A folder made between the look and the watch tells nobody it is there: look again until
        // the watch is on the nearest folder that exists.
        for (std::filesystem::path folder = nearestExistingFolder(file), watched; folder != watched;
             watched = std::exchange(folder, nearestExistingFolder(file))) {
            // Watching a folder twice gives the same descriptor back.
            if (const int descriptor =
                    ::inotify_add_watch(m_inotify, folder.c_str(), kFolderEvents);
                descriptor >= 0) {
                needed.insert(descriptor);
                m_folders[descriptor] = folder;
            }
        }
    }
    for (auto folder = m_folders.begin(); folder != m_folders.end();) {
        if (needed.contains(folder->first)) {
            ++folder;
            continue;
        }
        ::inotify_rm_watch(m_inotify, folder->first);
        folder = m_folders.erase(folder);
    }
}

void InotifyFileChangeWatch::run() {
    nameCurrentThread("file watch");
    std::array<pollfd, 3> watched{{{m_stop, POLLIN, 0}, {m_inotify, POLLIN, 0}, {m_mounts, 0, 0}}};
    alignas(inotify_event) std::array<char, 4096> events{};
    while (::poll(watched.data(), watched.size(), -1) >= 0 || errno == EINTR) {
        if (watched[0].revents != 0) {
            return;
        }
        const bool folderChanged = watched[1].revents != 0;
        const bool mountsChanged = watched[2].revents != 0;
        if (folderChanged) {
            // Which file it was does not matter: the caller looks at all of them again.
            while (::read(m_inotify, events.data(), events.size()) > 0) {
            }
        }
        if (folderChanged || mountsChanged) {
            const std::lock_guard lock(m_mutex);
            // A folder that appeared is watched from now on, one that went is watched through
            // its parent.
            watchFolders();
            if (m_changed) {
                m_changed();
            }
        }
    }
}

} // namespace aerolap
