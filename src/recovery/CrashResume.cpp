#include "CrashResume.h"

#include <QCoreApplication>

namespace aerolap {

namespace {
/// The question is Aerolap's own, not one of the original boxes': it speaks the director's
/// language.
class Question {
    Q_DECLARE_TR_FUNCTIONS(CrashResume)

public:
    static QString about(const QString& where) {
        return tr("Resume the cycle that was running?\n\n%1\n\nYes: it carries on at the second "
                  "the clock says.\nNo: the timer starts at READY.")
            .arg(where);
    }
};
} // namespace

CrashResume::CrashResume(Cycle& cycle, ScheduleSession& schedule, Replay& replay,
                         TimerCatchUp& catchUp, const WallClock& wall,
                         MessageBoxService& messageBoxes, NoticeBoard& notices)
    : m_cycle(cycle), m_schedule(schedule), m_replay(replay), m_catchUp(catchUp), m_wall(wall),
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
    const MessageAnswer answer =
        m_messageBoxes.show({Question::about(QString::fromStdString(where)).toStdString(),
                             "Aerolap", MessageIcon::None, MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes) {
        return Outcome::Declined;
    }
    resume(record);
    m_notices.post({QT_TRANSLATE_NOOP("Message", "The cycle that was running when Aerolap ended "
                                                 "without closing carries on: %1."),
                    {where}});
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

    if (const auto& place = record.schedule) {
        m_schedule.openAt(place->file, {place->round, place->group, place->flight});
    }
    // The cycle starts on what it ran on; the operator's later changes follow once it has caught
    // up.
    const bool taskWasVuz = record.settings.task == Task::Vuz;
    m_cycle.chooseTask(cycle.vuz == taskWasVuz ? record.settings.task
                                               : (cycle.vuz ? Task::Vuz : Task::Free));
    m_cycle.commitTimes(cycle.preparation, cycle.working);
    m_cycle.setAnnouncements(record.settings.announcements);
    m_cycle.setLoop(record.settings.loop);

    // A cycle that begins this very moment is pressed in the present, its cue heard.
    if (const auto began = momentOf(cycle.began); began < realNow) {
        m_replay.replayAt(began);
    }
    if (cycle.minuteBeeps) {
        m_cycle.runMinuteBeeps();
    }
    m_cycle.press(CycleCommand::Start);
    if (cycle.landingButton) {
        const auto pressed = momentOf(cycle.phaseBegan);
        if (pressed < realNow) {
            m_catchUp.replayUntil(pressed);
            m_replay.replayAt(pressed);
        } else {
            m_catchUp.catchUpTo(realNow);
        }
        m_cycle.press(CycleCommand::LandingButton);
    }
    m_catchUp.catchUpTo(realNow);

    m_cycle.chooseTask(record.settings.task);
    m_cycle.commitTimes(record.settings.preparation, record.settings.working);
}

} // namespace aerolap
