#pragma once

// Faults of the file system made on purpose, for the tests of what is written to disk. Linux only.

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace aerolap::testing {

/// Takes away, while it lives, what lets root write where the permissions say no (capabilities
/// are per thread, and the writer's thread is made after this, so it inherits the lack).
class WithoutRootsFilePowers {
public:
    WithoutRootsFilePowers() {
        syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &=
            ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH) | (1U << CAP_FOWNER));
        syscall(SYS_capset, &m_header, reduced);
    }
    ~WithoutRootsFilePowers() { syscall(SYS_capset, &m_header, m_saved); }
    WithoutRootsFilePowers(const WithoutRootsFilePowers&) = delete;
    WithoutRootsFilePowers& operator=(const WithoutRootsFilePowers&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
};

/// Lets no file grow past a few bytes while it lives, as a full disk would.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit full = m_saved;
        full.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_saved{};
    void (*m_signal)(int) = nullptr;
};

} // namespace aerolap::testing
