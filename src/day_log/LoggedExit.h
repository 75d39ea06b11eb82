#pragma once

#include "DayLog.h"
#include "DayLogWriter.h"
#include "platform/ProgramExit.h"

namespace aerolap {

/// The way out of the program that first records it and writes out what the day log still
/// queues: the program ends at once, without running the writer's destructor.
class LoggedExit final : public ProgramExit {
public:
    LoggedExit(DayLog& log, DayLogWriter& writer, ProgramExit& exit)
        : m_log(log), m_writer(writer), m_exit(exit) {}

    void exitNow() override {
        m_log.record(day_log_kind::kExit);
        m_writer.flush();
        m_exit.exitNow();
    }

private:
    DayLog& m_log;
    DayLogWriter& m_writer;
    ProgramExit& m_exit;
};

} // namespace aerolap
