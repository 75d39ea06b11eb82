#pragma once

#include "Schedule.h"
#include "elements/Signal.h"
#include "elements/Timer.h"
#include "engine/Cycle.h"
#include "platform/MonotonicSource.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace aerolap {

/// Runs a schedule on the main window as the director would: before each cycle it unticks Loop,
/// picks the free task, commits the preparation and working time in the two setting clocks,
/// and after the gap presses START. It only watches the cycle (START, STOP, the return to READY,
/// the time display) and never reaches into it. Without a schedule it does nothing at all.
class ScheduleRunner {
public:
    using State = ScheduleState;
    enum class Window { None, TestFlights, NoFly };
    using TimePoint = MonotonicSource::TimePoint;

    /// Lives as long as the window: it connects itself to the cycle's moments, and tells the
    /// cycle's snapshots each change of its own.
    ScheduleRunner(Cycle& cycle, const MonotonicSource& time);
    ScheduleRunner(const ScheduleRunner&) = delete;
    ScheduleRunner& operator=(const ScheduleRunner&) = delete;

    /// Takes a schedule to run from `from` (the start when outside it), waiting for the
    /// director's START. Refused while a cycle runs.
    bool load(Schedule schedule, SchedulePosition from = {});
    /// Takes the director's changes to the schedule in hand, keeping the position, and in a gap
    /// the START that ends it. Refused while a cycle runs.
    bool edit(Schedule schedule);
    /// Takes the schedule with a changed draw at any time, the cycle running or not, as long as it
    /// still holds the position: the draw sets no time of any cycle. The caller changes nothing
    /// else, and no group that has flown.
    bool changeDraw(Schedule schedule);
    bool loaded() const { return m_schedule.has_value(); }
    const Schedule& schedule() const { return *m_schedule; }
    /// Counts the changes to the schedule itself (each load, edit and change of the draw), not
    /// its moves: what is worked out from the schedule is worked out again when it moves on.
    std::uint64_t revision() const { return m_revision; }

    SchedulePosition position() const { return m_position; }
    State state() const { return m_state; }
    /// The window the running preparation is in, from the running clock itself.
    Window window() const;
    /// When the gap now running ends with the next START.
    std::optional<TimePoint> nextStartAt() const;
    /// When the next cycle starts if the running one goes on to its end: exact in the gap,
    /// reckoned from the running clock during a cycle; nothing otherwise.
    std::optional<TimePoint> nextCycleStartsAt() const;
    /// How long from now until then, to the nearest second.
    std::optional<std::chrono::seconds> timeToNextCycle() const;
    /// Where the schedule stands, with the file it came from; nothing without a schedule.
    std::optional<SchedulePlace> place(const std::string& file) const;

    /// Each moves the position while no cycle runs, and says whether it could.
    bool skip();
    bool back();
    bool jumpTo(SchedulePosition position);

    /// Waits out the gap; the composition or the test attaches its driver.
    Timer gapTimer{std::chrono::seconds(1)};

    /// Raised when the position or the state changes.
    Signal<> changed;
    /// Tells of a change to the schedule that is not the runner's own (its file), as of the
    /// runner's own changes.
    void tellChange();
    /// Raised when a test-flight or no-fly window opens or closes.
    Signal<Window> windowChanged;

private:
    bool cycleRuns() const;
    void moveTo(SchedulePosition position, State state);
    void commitClocks();
    void setState(State state);
    void onStartClicked();
    void onCycleEnded();
    void onStopped();
    void onGapTick();
    void updateWindow();

    Cycle& m_cycle;
    const MonotonicSource& m_time;
    std::optional<Schedule> m_schedule;
    std::uint64_t m_revision = 0;
    SchedulePosition m_position;
    State m_state = State::Waiting;
    Window m_lastWindow = Window::None;
    TimePoint m_gapStartedAt{};
};

} // namespace aerolap
