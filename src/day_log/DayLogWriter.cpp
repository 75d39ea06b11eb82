#include "DayLogWriter.h"

#include "JsonMembers.h"
#include "platform/CurrentThreadName.h"

#include <QDateTime>
#include <QFile>
#include <system_error>

namespace aerolap {

namespace {

long long millisecondsOf(WallClock::TimePoint at) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count();
}

/// A line the writer adds itself: how many lines the log is missing, and why.
std::string missingLinesLine(std::string_view kind, WallClock::TimePoint at, std::size_t count) {
    JsonMembers members;
    members.text("kind", kind)
        .number("wall_ms", millisecondsOf(at))
        .number("lines", static_cast<long long>(count));
    return "{" + members.take() + "}";
}

} // namespace

DayLogWriter::DayLogWriter(std::filesystem::path folder, NoticeBoard& notices, std::size_t capacity)
    : m_folder(std::move(folder)), m_notices(notices), m_capacity(capacity),
      m_thread([this] { run(); }) {}

DayLogWriter::~DayLogWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

std::filesystem::path DayLogWriter::fileOf(const std::filesystem::path& folder,
                                           WallClock::TimePoint at) {
    const QDate day = QDateTime::fromMSecsSinceEpoch(millisecondsOf(at)).date();
    return folder / (day.toString(Qt::ISODate).toStdString() + ".jsonl");
}

void DayLogWriter::add(std::string line, WallClock::TimePoint at) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_queue.size() >= m_capacity) {
            ++m_dropped;
            return;
        }
        m_queue.push_back({std::move(line), at});
    }
    m_wake.notify_one();
}

void DayLogWriter::flush() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && !m_writing; });
}

void DayLogWriter::run() {
    nameCurrentThread("day log");
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty()) {
            return;
        }
        std::deque<Line> lines = std::exchange(m_queue, {});
        const std::size_t dropped = std::exchange(m_dropped, 0);
        m_writing = true;
        lock.unlock();
        write(std::move(lines), dropped);
        lock.lock();
        m_writing = false;
        if (m_queue.empty()) {
            m_idle.notify_all();
        }
    }
}

void DayLogWriter::write(std::deque<Line> lines, std::size_t dropped) {
    // The lines that went missing are told of at the front of the next batch, in the file of its
    // first line's day.
    const WallClock::TimePoint first = lines.front().at;
    if (dropped > 0) {
        lines.push_front({missingLinesLine("dropped", first, dropped), first, dropped});
    }
    if (const std::size_t lost = std::exchange(m_lost, 0); lost > 0) {
        lines.push_front({missingLinesLine("lost", first, lost), first, lost});
    }
    // One write per day's file in the batch (a batch spans midnight at most once or twice).
    while (!lines.empty()) {
        const std::filesystem::path file = fileOf(m_folder, lines.front().at);
        std::string text;
        std::size_t standsFor = 0;
        while (!lines.empty() && fileOf(m_folder, lines.front().at) == file) {
            text += lines.front().text;
            text += '\n';
            standsFor += lines.front().standsFor;
            lines.pop_front();
        }
        const std::string fault = append(file, text);
        if (fault.empty()) {
            m_failing = false;
            continue;
        }
        m_lost += standsFor;
        if (!std::exchange(m_failing, true)) {
            m_notices.post("The day log cannot be written to " + file.string() + ": " + fault +
                               ". The timer runs on; the log carries on once it can be written.",
                           Notice::Urgency::ActNow);
        }
    }
}

std::string DayLogWriter::append(const std::filesystem::path& file, const std::string& text) {
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error) {
        return error.message();
    }
    QFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return out.errorString().toStdString();
    }
    // A line cut by the last failed write is ended first, so the reader skips it alone.
    const std::string whole = m_lastWriteCut ? "\n" + text : text;
    const auto size = static_cast<qint64>(whole.size());
    const qint64 sizeBefore = out.size();
    if (out.write(whole.data(), size) != size) {
        m_lastWriteCut = out.size() != sizeBefore;
        return out.errorString().toStdString();
    }
    m_lastWriteCut = false;
    return {};
}

} // namespace aerolap
