#include "DayLog.h"

#include <QDateTime>

namespace aerolap {

namespace {

long long millisecondsOf(WallClock::TimePoint at) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count();
}

/// Lines that never reached the log are told of with the moments of the line they come before.
std::string missingLinesBefore(bool lost, std::size_t count, const std::string& next) {
    auto line = readLine(next);
    DayLogLine missing =
        std::holds_alternative<DayLogLine>(line) ? std::get<DayLogLine>(line) : DayLogLine{};
    missing.event = LinesMissing{lost, static_cast<long long>(count)};
    return lineText(std::move(missing));
}

constexpr KeptFile kDayLogFile{
    QT_TRANSLATE_NOOP("Message", "The day log"),
    QT_TRANSLATE_NOOP("Message", "its lines are counted, and it carries on once it can be written"),
    missingLinesBefore};

} // namespace

void DayLog::record(LineEvent event) {
    const auto wall = m_wall.now();
    m_files.append(kDayLogFile, fileOf(m_folder, wall),
                   lineText({m_time.now(), millisecondsOf(wall), std::move(event)}));
}

std::filesystem::path DayLog::fileOf(const std::filesystem::path& folder, WallClock::TimePoint at) {
    const QDate day = QDateTime::fromMSecsSinceEpoch(millisecondsOf(at)).date();
    return folder / (day.toString(Qt::ISODate).toStdString() + ".jsonl");
}

ShownSecond shownBy(const Cycle& cycle) {
    ShownSecond shown{cycle.phase(), std::nullopt, cycle.secondBegan()};
    if (shown.secondBegan) {
        shown.second = cycle.runningTime();
    }
    return shown;
}

} // namespace aerolap
