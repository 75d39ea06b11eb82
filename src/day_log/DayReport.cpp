#include "DayReport.h"

#include "DayLogLine.h"
#include "DueCues.h"

#include <QDateTime>
#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

namespace aerolap {

namespace {

using std::chrono::nanoseconds;
constexpr long long kNanosecondsPerSecond = 1'000'000'000;

long long nanosecondsOf(Moment moment) {
    return std::chrono::duration_cast<nanoseconds>(moment.time_since_epoch()).count();
}

std::optional<nanoseconds> latenessOf(const ShownSecond& shown, Moment moment) {
    if (!shown.secondBegan) {
        return std::nullopt;
    }
    return moment - *shown.secondBegan;
}

/// A phase as it runs, with what its cues are worked out from once it is over.
struct OpenPhase {
    PhaseBegan settings;
    long long beganNs = 0;
};

/// Reads the lines in order into cycles.
class ReportReader {
public:
    DayReport read(const std::string& text) {
        std::istringstream lines(text);
        std::string line;
        for (int number = 1; std::getline(lines, line); ++number) {
            if (line.empty()) {
                continue; // what ends a line a failed write cut
            }
            auto read = readLine(line);
            if (const auto* why = std::get_if<std::string>(&read)) {
                m_report.unreadLines.push_back(
                    {QT_TRANSLATE_NOOP("Message", "line %1: %2"), {std::to_string(number), *why}});
                continue;
            }
            const DayLogLine& each = std::get<DayLogLine>(read);
            std::visit([this, &each](const auto& event) { take(each, event); }, each.event);
            // Lines about missing lines of earlier versions have no moment of their own.
            if (!std::holds_alternative<LinesMissing>(each.event)) {
                m_lastNs = nanosecondsOf(each.mono);
            }
            m_lastWallMs = each.wallMs;
        }
        closeCycle(QT_TRANSLATE_NOOP("Message", "the log ends here"), m_lastNs, PhaseEnd::Cut);
        return std::move(m_report);
    }

private:
    void take(const DayLogLine& line, const ProgramStarted&) {
        // A new start of the program: a cycle still open was cut by the end of the last, which
        // went with its last line.
        closeCycle(
            QT_TRANSLATE_NOOP("Message", "the program ended (a crash, a kill or a power cut)"),
            m_lastNs, PhaseEnd::Cut);
        m_crash = {m_lastWallMs, line.wallMs};
        m_waitingFrames.clear();
    }
    void take(const DayLogLine& line, const ProgramClosed&) {
        closeCycle(
            {QT_TRANSLATE_NOOP("Message", "the program was closed at %1"), {wallText(line.wallMs)}},
            nanosecondsOf(line.mono), PhaseEnd::Cut);
    }
    void take(const DayLogLine& line, const ButtonPressed& pressed) {
        if (pressed.command == CycleCommand::Stop) {
            closeCycle({QT_TRANSLATE_NOOP("Message", "STOP at %1"), {wallText(line.wallMs)}},
                       nanosecondsOf(line.mono), PhaseEnd::Cut);
        }
        m_landingButton = pressed.command == CycleCommand::LandingButton;
    }
    void take(const DayLogLine& line, const FrameSent& frame) {
        ReportedFrame reported{line.wallMs, frame.bytes, latenessOf(frame.shown, frame.written),
                               frame.taken};
        if (m_cycle) {
            m_cycle->frames.push_back(std::move(reported));
        } else if (cycleRuns(frame.shown.phase)) {
            // The frame that puts the display right at a resume comes before its cycle's lines.
            m_waitingFrames.push_back(std::move(reported));
        }
    }
    void take(const DayLogLine&, const CycleResumed& resumed) {
        const auto [lastWallMs, restartWallMs] = m_crash;
        m_resumeGap = ReportedGap{
            lastWallMs,
            {QT_TRANSLATE_NOOP("Message", "program gone until %1 (%2 s)"),
             {wallText(restartWallMs), std::to_string((restartWallMs - lastWallMs) / 1000)}},
            std::string(phaseName(resumed.shown.phase)),
            resumed.shown.second.value_or("")};
    }
    void take(const DayLogLine& line, const LaptopSlept& slept) {
        if (m_cycle) {
            m_cycle->gaps.push_back(
                {line.wallMs,
                 {QT_TRANSLATE_NOOP("Message", "the laptop slept %1 s"),
                  {std::to_string(slept.slept.count() / kNanosecondsPerSecond)}},
                 std::string(phaseName(slept.shown.phase)),
                 slept.shown.second.value_or("")});
            m_gaps.push_back(
                {nanosecondsOf(line.mono) - slept.slept.count(), nanosecondsOf(line.mono)});
        }
    }
    void take(const DayLogLine& line, const NoticePosted& notice) {
        m_report.notices.push_back({line.wallMs, notice.message});
    }
    void take(const DayLogLine& line, const RemoteCommanded& remote) {
        m_report.remoteCommands.push_back(wallText(line.wallMs) + " " + remote.device + ": " +
                                          remote.command);
    }
    void take(const DayLogLine&, const LinesMissing& missing) {
        (missing.lost ? m_report.lostLines : m_report.droppedLines) += missing.lines;
    }
    /// The port tells nothing of a cycle's timing.
    void take(const DayLogLine&, const PortChanged&) {}
    /// The schedule's place before a START is the group that START flies; a resumed cycle's is
    /// told once it runs.
    void take(const DayLogLine&, const ScheduleMoved& moved) {
        m_place = moved.loaded ? std::optional(std::pair(moved.round, moved.group)) : std::nullopt;
        if (m_cycle && moved.state == ScheduleState::Running) {
            std::tie(m_cycle->round, m_cycle->group) = *m_place;
        }
    }
    void take(const DayLogLine& line, const ScoreChanged& changed) {
        ReportedScore score{line.wallMs, changed};
        const auto flew = [&changed](const ReportedCycle& cycle) {
            return changed.round && cycle.round == changed.round && cycle.group == changed.group;
        };
        if (m_cycle && flew(*m_cycle)) {
            m_cycle->scores.push_back(std::move(score));
        } else if (const auto cycle =
                       std::ranges::find_if(m_report.cycles.rbegin(), m_report.cycles.rend(), flew);
                   cycle != m_report.cycles.rend()) {
            cycle->scores.push_back(std::move(score));
        } else {
            m_report.scores.push_back(std::move(score));
        }
    }

    void take(const DayLogLine& line, const PhaseBegan& phase) {
        const long long began = nanosecondsOf(phase.began.value_or(line.mono));
        // The wall clock of the moment the phase began, which the line was written after.
        const long long beganWallMs = line.wallMs - (nanosecondsOf(line.mono) - began) / 1'000'000;
        if (!cycleRuns(phase.phase)) {
            closeCycle(phase.phase == CyclePhase::Ready
                           ? QT_TRANSLATE_NOOP("Message", "landing window over")
                           : QT_TRANSLATE_NOOP("Message", "stopped"),
                       began,
                       m_open && m_open->settings.phase == CyclePhase::Landing ? PhaseEnd::RanOut
                                                                               : PhaseEnd::Cut);
            return;
        }
        const bool resumed = m_resumeGap.has_value();
        if (phase.phase == CyclePhase::Preparation || !m_cycle || resumed) {
            closeCycle(QT_TRANSLATE_NOOP("Message", "landing window over"), began,
                       PhaseEnd::RanOut);
            openCycle(beganWallMs, !resumed, phase.task);
            if (!resumed) {
                if (const auto call = startCallDue(phase.announcements)) {
                    m_due.push_back({"", "", *call, false});
                }
            }
        } else {
            endPhase(began, m_landingButton ? PhaseEnd::LandingButton : PhaseEnd::RanOut);
        }
        m_cycle->phases.push_back(
            {std::string(phaseName(phase.phase)), beganWallMs, phase.seconds, std::nullopt});
        // A resumed phase's cues before the moment it carried on were the crash's.
        if (resumed) {
            m_gaps.push_back({0, nanosecondsOf(line.mono)});
        }
        m_open = OpenPhase{phase, began};
        m_landingButton = false;
    }

    void take(const DayLogLine& line, const CuePlayed& played) {
        ReportedCue cue{line.wallMs, played.file, std::string(phaseName(played.shown.phase)),
                        played.shown.second.value_or(""), latenessOf(played.shown, played.played)};
        // The call at START comes before its cycle's first phase.
        if (!m_cycle || !cycleRuns(played.shown.phase)) {
            cue.second.clear();
            cue.lateness.reset();
            m_waitingCues.push_back(std::move(cue));
            return;
        }
        m_cycle->cues.push_back(std::move(cue));
    }

    void openCycle(long long wallMs, bool started, std::string task) {
        m_cycle = ReportedCycle{};
        m_cycle->startWallMs = wallMs;
        m_cycle->started = started;
        m_cycle->task = std::move(task);
        if (m_place) {
            std::tie(m_cycle->round, m_cycle->group) = *m_place;
        }
        if (m_resumeGap) {
            m_cycle->gaps.push_back(*std::exchange(m_resumeGap, std::nullopt));
        }
        m_cycle->cues = std::exchange(m_waitingCues, {});
        m_cycle->frames = std::exchange(m_waitingFrames, {});
    }

    /// Ends the phase in hand at `endNs`, and adds its due cues.
    void endPhase(std::optional<long long> endNs, PhaseEnd end) {
        if (!m_open || !m_cycle) {
            return;
        }
        const OpenPhase& open = *m_open;
        int lowest = 0;
        if (endNs) {
            m_cycle->phases.back().measured = nanoseconds(*endNs - open.beganNs);
            if (end == PhaseEnd::Cut) {
                // Only the seconds the clock reached before the cut.
                const long long ran = (*endNs - open.beganNs) / kNanosecondsPerSecond;
                lowest = open.settings.seconds - static_cast<int>(ran);
            }
        }
        for (const DueCue& cue : cuesDue(open.settings, lowest, end)) {
            const long long at =
                open.beganNs + (open.settings.seconds - cue.secondsLeft) * kNanosecondsPerSecond;
            m_due.push_back(
                {std::string(phaseName(open.settings.phase)), cue.second, cue.file, inGap(at)});
        }
        m_open.reset();
    }

    void closeCycle(Message ending, std::optional<long long> endNs, PhaseEnd end) {
        endPhase(endNs, end);
        if (!m_cycle) {
            return;
        }
        m_cycle->ending = std::move(ending);
        std::multiset<std::tuple<std::string, std::string, std::string>> played;
        for (const ReportedCue& cue : m_cycle->cues) {
            played.insert(
                {cue.phase.empty() || cue.second.empty() ? "" : cue.phase, cue.second, cue.file});
        }
        for (const MissingCue& due : m_due) {
            const auto found = played.find({due.phase, due.second, due.file});
            if (found != played.end()) {
                played.erase(found);
            } else {
                m_cycle->missing.push_back(due);
            }
        }
        m_report.cycles.push_back(std::move(*m_cycle));
        m_cycle.reset();
        m_due.clear();
        m_gaps.clear();
    }

    bool inGap(long long atNs) const {
        return std::ranges::any_of(
            m_gaps, [atNs](const auto& gap) { return atNs >= gap.first && atNs < gap.second; });
    }

    DayReport m_report;
    std::optional<ReportedCycle> m_cycle;
    std::optional<OpenPhase> m_open;
    std::vector<MissingCue> m_due;
    std::vector<ReportedCue> m_waitingCues;
    std::vector<ReportedFrame> m_waitingFrames;
    std::vector<std::pair<long long, long long>> m_gaps;
    std::optional<ReportedGap> m_resumeGap;
    /// The schedule's round and group, while one is loaded.
    std::optional<std::pair<std::optional<int>, std::optional<int>>> m_place;
    /// The last line before the program's last start, and that start.
    std::pair<long long, long long> m_crash;
    long long m_lastNs = 0;
    long long m_lastWallMs = 0;
    bool m_landingButton = false;
};

} // namespace

std::string wallText(long long wallMs) {
    return QDateTime::fromMSecsSinceEpoch(wallMs)
        .time()
        .toString(QStringLiteral("HH:mm:ss.zzz"))
        .toStdString();
}

DayReport readDayReport(const std::string& text) {
    return ReportReader().read(text);
}

} // namespace aerolap
