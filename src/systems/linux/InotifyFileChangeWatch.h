#pragma once

#include "platform/FileChangeWatch.h"

#include <map>
#include <mutex>
#include <thread>

namespace aerolap {

/// Watches files through inotify: the folder of each file, or while that folder is missing the
/// nearest one on its path that exists, and the mount table, so that a folder that appears later
/// or a file system mounted on the way is picked up. A thread of its own sleeps until the kernel
/// reports something.
class InotifyFileChangeWatch final : public FileChangeWatch {
public:
    InotifyFileChangeWatch();
    ~InotifyFileChangeWatch() override;

    void watch(const std::vector<std::filesystem::path>& files, Changed changed) override;

private:
    void run();
    /// Watches the folders the files need now and no others. Called with the lock held.
    void watchFolders();

    int m_inotify = -1;
    int m_stop = -1;
    int m_mounts = -1;
    std::mutex m_mutex;
    std::vector<std::filesystem::path> m_files;
    Changed m_changed;
    /// Watched folder by watch descriptor.
    std::map<int, std::filesystem::path> m_folders;
    std::thread m_thread;
};

} // namespace aerolap
