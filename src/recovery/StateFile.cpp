#include "StateFile.h"

#include "CycleRecordJson.h"
#include "files/SmallFileRead.h"
#include "files/UnreadableFile.h"

#include <system_error>

namespace aerolap {

namespace {
constexpr qint64 kLargestRecord = 64 * 1024;
} // namespace

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
            fault = QT_TRANSLATE_NOOP("Message", "holds a cycle that begins in the future (the "
                                                 "clock may have been set back)");
        } else {
            fault = std::get<std::string>(parsed);
        }
    }
    const auto aside = keepUnreadableAside(path());
    m_notices.post(
        aside ? Message{QT_TRANSLATE_NOOP("Message", "The state file %1 %2: the timer starts at "
                                                     "READY with its own settings. It is kept as "
                                                     "%3."),
                        {file, fault, aside->string()}}
              : Message{QT_TRANSLATE_NOOP("Message", "The state file %1 %2: the timer starts at "
                                                     "READY with its own settings."),
                        {file, fault}});
    return std::nullopt;
}

void StateFile::write(const CycleRecord& record) {
    static constexpr KeptFile kStateFile{
        QT_TRANSLATE_NOOP("Message", "The state file"),
        QT_TRANSLATE_NOOP("Message", "after a crash it could not resume the cycle")};
    m_files.replace(kStateFile, path(), cycleRecordJson(record));
}

} // namespace aerolap
