#include "CrashResume.h"

#include "FormSettings.h"

namespace aerolap {

namespace {
constexpr const char* kQuestion = "Resume the cycle that was running?";
constexpr const char* kVuzTask = "VUZ";
constexpr const char* kFreeTask = "TO LIBERO";
} // namespace

CrashResume::CrashResume(Form1& form, ScheduleSession& schedule, Replay& replay,
                         TimerCatchUp& catchUp, const WallClock& wall,
                         MessageBoxService& messageBoxes, NoticeBoard& notices)
    : m_form(form), m_schedule(schedule), m_replay(replay), m_catchUp(catchUp), m_wall(wall),
      m_messageBoxes(messageBoxes), m_notices(notices) {}

CrashResume::Outcome CrashResume::offer(const CycleRecord& record) {
    if (record.clean || !record.cycle) {
        return Outcome::NothingToResume;
    }
    const auto standing = standingAt(*record.cycle, record.settings, m_wall.now());
    if (!standing) {
        return Outcome::NothingToResume;
    }
    const std::string where = describeStanding(*standing, record.schedule);
    const MessageAnswer answer = m_messageBoxes.show(
        {std::string(kQuestion) + "\n\n" + where +
             "\n\nYes: it carries on at the second the clock says.\nNo: the timer starts at READY.",
         "Aerolap", MessageIcon::None, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes) {
        return Outcome::Declined;
    }
    resume(record);
    m_notices.post(
        "The cycle that was running when Aerolap ended without closing carries on: " + where + ".");
    resumed.emit(where);
    return Outcome::Resumed;
}

void CrashResume::resume(const CycleRecord& record) {
    const RecordedCycle& cycle = *record.cycle;
    const auto realNow = m_replay.realTime().now();
    const auto wallNow = m_wall.now();
    const auto momentOf = [&](WallClock::TimePoint wall) {
        return realNow -
               std::chrono::duration_cast<MonotonicSource::TimePoint::duration>(wallNow - wall);
    };

    if (record.schedule) {
        m_schedule.openAt(record.schedule->file, record.schedule->position);
    }
    // The cycle starts on what it ran on; the operator's later changes follow once it has caught
    // up.
    const bool taskWasVuz = record.settings.task == kVuzTask;
    selectTask(cycle.vuz == taskWasVuz ? record.settings.task : (cycle.vuz ? kVuzTask : kFreeTask));
    applyTimes(cycle.preparation, cycle.working);
    for (const auto& [name, box] : kAnnouncementBoxes) {
        if (const auto ticked = record.settings.boxes.find(name);
            ticked != record.settings.boxes.end()) {
            (m_form.*box).setValue(ticked->second ? CheckBox::kChecked : CheckBox::kUnchecked);
        }
    }
    m_form.Check17.setValue(record.settings.loop ? CheckBox::kChecked : CheckBox::kUnchecked);

    // A cycle that begins this very moment is pressed in the present, its cue heard.
    if (const auto began = momentOf(cycle.began); began < realNow) {
        m_replay.replayAt(began);
    }
    if (cycle.minuteBeeps) {
        m_form.Timer4.setEnabled(true);
    }
    m_form.Command5.click();
    if (cycle.landingButton) {
        const auto pressed = momentOf(cycle.phaseBegan);
        if (pressed < realNow) {
            m_catchUp.replayUntil(pressed);
            m_replay.replayAt(pressed);
        } else {
            m_catchUp.catchUpTo(realNow);
        }
        if (m_form.Command3.visible()) {
            m_form.Command3.click();
        }
    }
    m_catchUp.catchUpTo(realNow);

    selectTask(record.settings.task);
    applyTimes(record.settings.preparation, record.settings.working);
}

void CrashResume::selectTask(const std::string& caption) {
    for (const auto task : kTasks) {
        if ((m_form.*task).caption() == caption) {
            (m_form.*task).select();
        }
    }
}

void CrashResume::applyTimes(const std::string& preparation, const std::string& working) {
    m_form.Clock2.commitEdit(preparation);
    m_form.Clock3.commitEdit(working);
}

} // namespace aerolap
