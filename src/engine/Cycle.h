#pragma once

#include "CycleSnapshot.h"
#include "Form1.h"
#include "elements/AfterTheEvent.h"
#include "elements/Signal.h"

#include <functional>
#include <optional>
#include <string>

namespace aerolap {

/// The cycle by what it means, for everything around the window, so that nothing outside the
/// engine and the window needs the window's element names:
/// - the director's controls, for those who act in the director's place (the schedule, the
///   remote, a resumed cycle): the same buttons, options, clocks and boxes, used as the director
///   uses them;
/// - the few moments the schedule must act on within the event itself;
/// - and, once each event is over (a click, a tick, a change of a box or a time), one snapshot of
///   the cycle as it then stands, for everyone who watches it: `settled`. Between two steps of a
///   handler the window is neither the old state nor the new one; the snapshot never shows that.
class Cycle {
public:
    using RunSoon = AfterTheEvent::RunSoon;
    using SchedulePlacing = std::function<std::optional<SchedulePlace>()>;

    /// Made after the window's handlers, so that it hears each event after them.
    Cycle(Form1& form, RunSoon runSoon);

    /// Presses the button if the window shows it; says whether it did.
    bool press(CycleCommand command);
    void chooseTask(Task task);
    /// As typed by the director: a time that differs raises the clock's own change.
    void commitTimes(const std::string& preparation, const std::string& working);
    void setLoop(bool loop);
    void setAnnouncements(const Announcements& announcements);
    /// The minute beeps' poll, as it runs from the first working time on.
    void runMinuteBeeps();

    /// The cycle now: safe to read in the middle of an event, unlike `settled`'s snapshots.
    CycleSnapshot now() const;
    CyclePhase phase() const;
    int secondsLeft() const;
    /// The running clock's text, which the display's frames are made of, and when the second it
    /// shows began (while it counts, or has just run out).
    std::string runningTime() const;
    std::optional<MonotonicSource::TimePoint> secondBegan() const;
    /// The running clock counts and has not yet run out.
    bool counting() const;
    /// STOP shows: a cycle is on, even between two of its phases in the middle of a handler.
    bool stopShows() const { return m_form.Command7.visible(); }

    /// Where the schedule stands, for the snapshots; set by whoever holds the schedule.
    void placeSchedule(SchedulePlacing place) { m_placeSchedule = std::move(place); }
    /// Something outside the window that the watchers read with the snapshot has changed (the
    /// schedule, its place, its draw): a snapshot follows once the event is over, even an
    /// unchanged one.
    void outsideChanged() {
        m_outsideChanged = true;
        m_settle.ask();
    }

    /// START was pressed, by anyone; its handler has run.
    Signal<> startPressed;
    /// STOP was pressed; its handler has run.
    Signal<> stopped;
    /// START shows again: the cycle ended, or RESET was pressed.
    Signal<> startShown;
    /// The time display shows another time.
    Signal<> shownTimeChanged;

    /// Once each event is over, when the cycle differs from the last snapshot or something outside
    /// the window changed.
    Signal<const CycleSnapshot&> settled;
    const CycleSnapshot& lastSettled() const { return m_last; }

private:
    void followRunningCycle();
    void settle();

    Form1& m_form;
    SchedulePlacing m_placeSchedule;
    AfterTheEvent m_settle;
    std::optional<CycleCommand> m_command;
    bool m_outsideChanged = false;
    RunningCycle m_running;
    CycleSnapshot m_last;
};

} // namespace aerolap
