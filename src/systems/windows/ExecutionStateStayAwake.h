#pragma once

#include "platform/StayAwake.h"

namespace aerolap {

/// Keeps a Windows laptop awake through the thread's execution state: the system required from
/// the moment this is made until it goes, the display too while it is held. The state belongs
/// to the thread that sets it, so every call comes from the thread of the event loop. Windows
/// leaves the lid to the power plan: closing it may still sleep the laptop.
class ExecutionStateStayAwake final : public StayAwake {
public:
    ExecutionStateStayAwake();
    ~ExecutionStateStayAwake() override;
    ExecutionStateStayAwake(const ExecutionStateStayAwake&) = delete;
    ExecutionStateStayAwake& operator=(const ExecutionStateStayAwake&) = delete;

    void holdDisplay(bool held) override;
};

} // namespace aerolap
