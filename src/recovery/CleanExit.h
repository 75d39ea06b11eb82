#pragma once

#include "CycleRecorder.h"
#include "platform/ProgramExit.h"

namespace aerolap {

/// The way out of the program that first marks the state clean, so that the next start does not
/// take the end for a crash.
class CleanExit final : public ProgramExit {
public:
    CleanExit(CycleRecorder& recorder, ProgramExit& exit) : m_recorder(recorder), m_exit(exit) {}

    void exitNow() override {
        m_recorder.markClean();
        m_exit.exitNow();
    }

private:
    CycleRecorder& m_recorder;
    ProgramExit& m_exit;
};

} // namespace aerolap
