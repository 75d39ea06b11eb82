#pragma once

#include "DisplayState.h"
#include "DrawDocument.h"
#include "elements/Signal.h"
#include "schedule/ScheduleRunner.h"

namespace aerolap {

/// Announces the pilots' display state whenever the cycle's snapshot changes it, and only then.
/// Sending it anywhere is left to those who listen.
class DisplayStatePublisher {
public:
    /// With a runner, the state carries where its schedule stands.
    explicit DisplayStatePublisher(Cycle& cycle, const ScheduleRunner* runner = nullptr);
    DisplayStatePublisher(const DisplayStatePublisher&) = delete;
    DisplayStatePublisher& operator=(const DisplayStatePublisher&) = delete;

    const DisplayState& current() const { return m_current; }
    /// The draw for the page, with the version the state refers to; nothing without a draw.
    const std::optional<DrawDocument>& draw() const { return m_draw; }
    /// The state names this version of the results from now on; raised at once if it is new.
    void showResultsVersion(int version);

    Signal<const DisplayState&> changed;
    /// Raised before the state that refers to the new version.
    Signal<const std::optional<DrawDocument>&> drawChanged;

private:
    void refresh(const CycleSnapshot& cycle);
    void refreshDraw();

    const ScheduleRunner* m_runner;
    DisplayState m_current;
    std::optional<DrawDocument> m_draw;
    int m_lastDrawVersion = 0;
};

} // namespace aerolap
