#pragma once

#include "DisplayState.h"
#include "DrawDocument.h"
#include "elements/AfterTheEvent.h"
#include "elements/Signal.h"
#include "schedule/ScheduleRunner.h"

#include <functional>

namespace aerolap {

/// Announces the pilots' display state whenever the main window's state changes it. The handlers
/// change the time, the status and the timers one step after another, and between two steps the
/// phase can be neither the old nor the new one; the state is therefore taken once the running
/// handler has returned, through `runSoon`, and announced only when it differs from the last.
/// Sending it anywhere is left to those who listen.
class DisplayStatePublisher {
public:
    using RunSoon = AfterTheEvent::RunSoon;

    /// With a runner, the state carries where its schedule stands.
    DisplayStatePublisher(Form1& form, RunSoon runSoon, ScheduleRunner* runner = nullptr);
    DisplayStatePublisher(const DisplayStatePublisher&) = delete;
    DisplayStatePublisher& operator=(const DisplayStatePublisher&) = delete;

    const DisplayState& current() const { return m_current; }
    /// The draw for the page, with the version the state refers to; nothing without a draw.
    const std::optional<DrawDocument>& draw() const { return m_draw; }

    Signal<const DisplayState&> changed;
    /// Raised before the state that refers to the new version.
    Signal<const std::optional<DrawDocument>&> drawChanged;

private:
    void refresh();
    void refreshDraw();

    const Form1& m_form;
    const ScheduleRunner* m_runner;
    DisplayState m_current;
    AfterTheEvent m_refresh;
    std::optional<DrawDocument> m_draw;
    int m_lastDrawVersion = 0;
};

} // namespace aerolap
