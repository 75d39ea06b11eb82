#include "DisplayAwakeWhileRunning.h"

#include "engine/CyclePhase.h"

namespace aerolap {

DisplayAwakeWhileRunning::DisplayAwakeWhileRunning(const Form1& form, const ScheduleRunner& runner,
                                                   DisplayStatePublisher& settled,
                                                   StayAwake& stayAwake)
    : m_form(form), m_runner(runner), m_stayAwake(stayAwake) {
    settled.changed.connect([this](const DisplayState&) {
        if (const bool held = running(); held != m_held) {
            m_held = held;
            m_stayAwake.holdDisplay(held);
        }
    });
}

bool DisplayAwakeWhileRunning::running() const {
    switch (cyclePhase(m_form)) {
    case CyclePhase::Preparation:
    case CyclePhase::WorkingTime:
    case CyclePhase::Landing:
        return true;
    case CyclePhase::Ready:
    case CyclePhase::Stopped:
        break;
    }
    return m_runner.state() == ScheduleRunner::State::Gap;
}

} // namespace aerolap
