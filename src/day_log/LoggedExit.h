#pragma once

#include "DayLog.h"
#include "files/FileWriter.h"
#include "platform/ProgramExit.h"
#include "recovery/CycleRecorder.h"

namespace aerolap {

/// The way out of the program after the exit question's Yes: marks the state clean, so that the
/// next start does not take the end for a crash, records the exit, and waits a little for the
/// files' writer to put both on disk, with the last lines of the log. The program ends then,
/// written or not, without running any destructor.
class LoggedExit final : public ProgramExit {
public:
    LoggedExit(CycleRecorder& recorder, DayLog& log, FileWriter& files, ProgramExit& exit)
        : m_recorder(recorder), m_log(log), m_files(files), m_exit(exit) {}

    void exitNow() override {
        m_recorder.markClean();
        m_log.record(ProgramClosed{});
        m_files.flush(FileWriter::kPatience);
        m_exit.exitNow();
    }

private:
    CycleRecorder& m_recorder;
    DayLog& m_log;
    FileWriter& m_files;
    ProgramExit& m_exit;
};

} // namespace aerolap
