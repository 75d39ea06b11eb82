#include "StateFile.h"

#include "CycleRecordJson.h"
#include "files/SmallFileRead.h"
#include "files/WholeFileSave.h"
#include "platform/CurrentThreadName.h"

#include <QDir>
#include <system_error>
#include <utility>

namespace aerolap {

namespace {
constexpr qint64 kLargestRecord = 64 * 1024;
} // namespace

StateFile::StateFile(std::filesystem::path folder, NoticeBoard& notices)
    : m_folder(std::move(folder)), m_notices(notices), m_writer([this] { writeLoop(); }) {}

StateFile::~StateFile() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_writer.join();
}

std::optional<CycleRecord> StateFile::read(WallClock::TimePoint now) {
    const std::string file = path().string();
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path(), error))) {
        return std::nullopt;
    }
    const auto bytes = readSmallFile(file, kLargestRecord);
    std::string fault;
    if (const auto* why = std::get_if<std::string>(&bytes)) {
        fault = *why;
    } else {
        auto parsed = parseCycleRecord(std::get<QByteArray>(bytes));
        if (auto* record = std::get_if<CycleRecord>(&parsed)) {
            if (!record->cycle || record->cycle->began <= now) {
                return std::move(*record);
            }
            fault = "holds a cycle that begins in the future (the clock may have been set back)";
        } else {
            fault = std::get<std::string>(parsed);
        }
    }
    std::string kept;
    if (std::filesystem::is_regular_file(path(), error)) {
        const auto aside = std::filesystem::path(file + ".unreadable");
        std::filesystem::rename(path(), aside, error);
        kept = error ? "" : " It is kept as " + aside.string() + ".";
    }
    m_notices.post("The state file " + file + " " + fault +
                   ": the timer starts at READY with its own settings." + kept);
    return std::nullopt;
}

void StateFile::write(CycleRecord record) {
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::move(record);
    }
    m_wake.notify_one();
}

void StateFile::flush() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_pending && !m_writing; });
}

void StateFile::writeLoop() {
    nameCurrentThread("state file");
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending) {
            return;
        }
        const CycleRecord record = std::move(*m_pending);
        m_pending.reset();
        m_writing = true;
        lock.unlock();
        writeNow(record);
        lock.lock();
        m_writing = false;
        m_idle.notify_all();
    }
}

void StateFile::writeNow(const CycleRecord& record) {
    const QString folder = QString::fromStdString(m_folder.string());
    if (!QDir().mkpath(folder)) {
        refuse("its folder cannot be made (" + m_folder.string() +
               " is a file, or a folder above it cannot be written)");
        return;
    }
    if (const auto why = saveWholeFile(path().string(), cycleRecordJson(record))) {
        refuse(*why);
        return;
    }
    if (std::exchange(m_failing, false)) {
        m_notices.post("The state file " + path().string() + " is written again.");
    }
}

void StateFile::refuse(const std::string& fault) {
    if (m_failing && fault == m_lastFault) {
        return;
    }
    m_failing = true;
    m_lastFault = fault;
    m_notices.post("The state file " + path().string() + " cannot be written: " + fault +
                       ". The timer runs on, but after a crash it could not resume the cycle.",
                   Notice::Urgency::ActNow);
}

} // namespace aerolap
