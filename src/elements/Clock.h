#pragma once

#include "VisibleElement.h"
#include "platform/MonotonicSource.h"

#include <optional>
#include <string>

namespace aerolap {

/// The countdown clock component. It never ticks: while counting, the shown second is derived
/// from the monotonic time elapsed since `clockStart`, so however late or irregular the reads
/// are, it can neither drift nor skip. It stops by itself at "00.00.00".
///
/// A count started within a second of the previous one running out carries on from the moment
/// that count reached zero, not from the moment a poll noticed it: back-to-back phases and cycles
/// then keep the rhythm of the first START instead of each adding a poll's delay.
///
/// Text that is not a valid time is refused without changing anything. A write of the time text
/// while the clock is counting is refused as well: the only such write comes from an edit of the
/// preparation time, and it must not move a running working time or landing window.
class Clock final : public VisibleElement {
public:
    Clock(const MonotonicSource& time, bool visible, bool editable)
        : VisibleElement(visible), m_time(time), m_editable(editable) {}

    bool editable() const { return m_editable; }

    std::string clockTimeText() const;
    void setClockTimeText(const std::string& text);
    void setClockPresetText(const std::string& text);
    void clockStart();
    void clockStop();

    /// Started and not yet at "00.00.00".
    bool counting() const;
    /// The seconds the clock shows: what `clockTimeText` writes out.
    int secondsLeft() const;

    /// The moment the current count started, from which its seconds are measured; nothing while
    /// the clock is stopped.
    std::optional<MonotonicSource::TimePoint> countStartedAt() const {
        return m_started ? std::optional(m_startedAt) : std::nullopt;
    }

    /// The first moment after `moment` at which the text changes by itself: the next second of the
    /// count; nothing while stopped or once the count has reached "00.00.00".
    std::optional<MonotonicSource::TimePoint>
    nextTextChangeAfter(MonotonicSource::TimePoint moment) const;

    /// The operator committed `text` in the clock's field (Enter, leaving the field, a step).
    /// Raises `clockChanged` when the committed time differs from the last one.
    void commitEdit(const std::string& text);

    /// Raised after the operator changed the time.
    Signal<> clockChanged;
    /// For the view: the time text was written by code.
    Signal<> textWritten;
    /// The clock started or stopped counting.
    Signal<> countStartedOrStopped;

private:
    /// Ends a count, if one is running: the clock keeps showing where it stands.
    void settle();

    const MonotonicSource& m_time;
    bool m_editable;
    int m_seconds = 0;
    int m_presetSeconds = 0;
    bool m_started = false;
    MonotonicSource::TimePoint m_startedAt{};
    std::optional<MonotonicSource::TimePoint> m_lastRanOutAt;
};

} // namespace aerolap
