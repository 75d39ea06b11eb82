#include "CycleEventLog.h"

#include "ShownSecond.h"
#include "engine/AnnouncementSwitches.h"

namespace aerolap {

namespace {

std::string_view commandKind(CycleCommand command) {
    switch (command) {
    case CycleCommand::Start:
        return day_log_kind::kStart;
    case CycleCommand::Stop:
        return day_log_kind::kStop;
    case CycleCommand::Reset:
        return day_log_kind::kReset;
    case CycleCommand::LandingButton:
        break;
    }
    return day_log_kind::kLandingButton;
}

/// A place without the count-down to the next START, which moves with every second.
std::optional<SchedulePlace> placeAsMoved(std::optional<SchedulePlace> place) {
    if (place) {
        place->nextStartIn.reset();
    }
    return place;
}

} // namespace

CycleEventLog::CycleEventLog(DayLog& log, Cycle& cycle, SuspendWatch& suspendWatch,
                             CrashResume& crashResume, NoticeBoard& notices)
    : m_log(log), m_cycle(cycle), m_notices(notices) {
    cycle.settled.connect([this](const CycleSnapshot& snapshot) { record(snapshot); });
    suspendWatch.slept.connect([this](std::chrono::nanoseconds span) {
        JsonMembers members;
        members.nanoseconds("slept_ns", span);
        addShownSecond(members, m_cycle);
        m_log.record(day_log_kind::kSuspend, std::move(members));
    });
    crashResume.resumed.connect([this](const std::string& standing) {
        JsonMembers members;
        members.text("standing", standing);
        addShownSecond(members, m_cycle);
        m_log.record(day_log_kind::kResume, std::move(members));
        recordPhase(m_cycle.now());
    });
    m_noticeListener = notices.listen([this](const Notice& notice) {
        JsonMembers members;
        // A notice kept from before the log began is stamped now, so its own moment goes along.
        members.text("text", notice.text)
            .flag("act_now", notice.urgency == Notice::Urgency::ActNow)
            .number("at_ms", std::chrono::duration_cast<std::chrono::milliseconds>(
                                 notice.at.time_since_epoch())
                                 .count());
        m_log.record(day_log_kind::kNotice, std::move(members));
    });
}

CycleEventLog::~CycleEventLog() {
    m_notices.stopListening(m_noticeListener);
}

void CycleEventLog::record(const CycleSnapshot& snapshot) {
    if (snapshot.command) {
        JsonMembers members;
        addShownSecond(members, m_cycle);
        m_log.record(commandKind(*snapshot.command), std::move(members));
    }
    if (snapshot.phase != m_phase) {
        recordPhase(snapshot);
    }
    if (auto place = placeAsMoved(snapshot.schedule); place != m_place) {
        m_place = std::move(place);
        recordSchedule(m_place);
    }
}

void CycleEventLog::recordPhase(const CycleSnapshot& snapshot) {
    m_phase = snapshot.phase;
    JsonMembers members;
    members.text("phase", phaseName(m_phase));
    if (const auto& running = snapshot.running) {
        members.number("began_ns", DayLog::nanosecondsOf(running->phaseBegan))
            .number("seconds", running->phaseLength);
    }
    // What the phase's cues depend on, for a report that works out which were due.
    JsonMembers announcements;
    for (const auto& [name, on] : namedSwitches(snapshot.settings.announcements)) {
        announcements.flag(name, on);
    }
    const bool vuz = snapshot.running && snapshot.running->vuz;
    const bool minuteBeeps = snapshot.running && (snapshot.phase != CyclePhase::Preparation ||
                                                  snapshot.running->minuteBeeps);
    members.flag("vuz", vuz && snapshot.phase == CyclePhase::Preparation)
        .flag("minute_beeps", minuteBeeps)
        .flag("loop", snapshot.settings.loop)
        .object("announcements", announcements)
        .text("task", taskCaption(snapshot.settings.task));
    m_log.record(day_log_kind::kPhase, std::move(members));
}

void CycleEventLog::recordSchedule(const std::optional<SchedulePlace>& place) {
    JsonMembers members;
    members.flag("loaded", place.has_value());
    if (place) {
        members.number("round", place->round)
            .number("group", place->group)
            .number("flight", place->flight)
            .text("state", scheduleStateName(place->state));
    }
    m_log.record(day_log_kind::kSchedule, std::move(members));
}

} // namespace aerolap
