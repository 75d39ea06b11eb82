#include "DayReport.h"

#include "DayLog.h"
#include "DueCues.h"
#include "engine/AnnouncementSwitches.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

namespace aerolap {

namespace {

using std::chrono::nanoseconds;
constexpr long long kNanosecondsPerSecond = 1'000'000'000;

std::string textOf(const QJsonObject& line, const char* key) {
    return line.value(QLatin1String(key)).toString().toStdString();
}

long long numberOf(const QJsonObject& line, const char* key) {
    return line.value(QLatin1String(key)).toInteger();
}

std::optional<nanoseconds> latenessOf(const QJsonObject& line, const char* moment) {
    if (!line.contains(QLatin1String("second_began_ns"))) {
        return std::nullopt;
    }
    return nanoseconds(numberOf(line, moment) - numberOf(line, "second_began_ns"));
}

/// A phase as it runs, with what its cues are worked out from once it is over.
struct OpenPhase {
    LoggedPhaseSettings settings;
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
            const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line));
            const QJsonObject object = document.object();
            if (!document.isObject() || !object.contains(QLatin1String("kind"))) {
                m_report.unreadLines.push_back("line " + std::to_string(number) +
                                               ": not a line of the day log");
            } else if (!take(object)) {
                m_report.unreadLines.push_back("line " + std::to_string(number) +
                                               ": unknown kind \"" + textOf(object, "kind") + "\"");
            }
        }
        closeCycle("the log ends here", m_lastNs, PhaseEnd::Cut);
        return std::move(m_report);
    }

private:
    bool take(const QJsonObject& line) {
        const std::string kind = textOf(line, "kind");
        const long long lastNs = m_lastNs;
        if (line.contains(QLatin1String("mono_ns"))) {
            m_lastNs = numberOf(line, "mono_ns");
        }
        namespace k = day_log_kind;
        if (kind == k::kPhase) {
            takePhase(line);
        } else if (kind == k::kCue) {
            takeCue(line);
        } else if (kind == k::kFrame) {
            if (m_cycle) {
                m_cycle->frames.push_back({numberOf(line, "wall_ms"), textOf(line, "bytes"),
                                           latenessOf(line, "written_ns"),
                                           line.value(QLatin1String("taken")).toBool()});
            }
        } else if (kind == k::kStop) {
            closeCycle("STOP at " + wallText(numberOf(line, "wall_ms")), m_lastNs, PhaseEnd::Cut);
        } else if (kind == k::kExit) {
            closeCycle("the program was closed at " + wallText(numberOf(line, "wall_ms")), m_lastNs,
                       PhaseEnd::Cut);
        } else if (kind == k::kRun) {
            // A new start of the program: a cycle still open was cut by the end of the last.
            closeCycle("the program ended (a crash, a kill or a power cut)", lastNs, PhaseEnd::Cut);
            m_crashAtMs = numberOf(line, "wall_ms");
        } else if (kind == k::kResume) {
            m_resumeGap = ReportedGap{m_crashAtMs,
                                      "program gone until " + wallText(numberOf(line, "wall_ms")),
                                      textOf(line, "phase") + " " + textOf(line, "second")};
        } else if (kind == k::kSuspend) {
            if (m_cycle) {
                const long long slept = numberOf(line, "slept_ns");
                m_cycle->gaps.push_back(
                    {numberOf(line, "wall_ms"),
                     "the laptop slept " + std::to_string(slept / kNanosecondsPerSecond) + " s",
                     textOf(line, "phase") + " " + textOf(line, "second")});
                m_gaps.push_back({numberOf(line, "mono_ns") - slept, numberOf(line, "mono_ns")});
            }
        } else if (kind == k::kNotice) {
            m_report.notices.push_back(wallText(numberOf(line, "wall_ms")) + " " +
                                       textOf(line, "text"));
        } else if (kind == k::kRemote) {
            m_report.remoteCommands.push_back(wallText(numberOf(line, "wall_ms")) + " " +
                                              textOf(line, "device") + ": " +
                                              textOf(line, "command"));
        } else if (kind == k::kDropped) {
            m_report.droppedLines += numberOf(line, "lines");
        } else if (kind == k::kLost) {
            m_report.lostLines += numberOf(line, "lines");
        } else if (kind != k::kStart && kind != k::kReset && kind != k::kLandingButton &&
                   kind != k::kPort && kind != k::kSchedule) {
            return false;
        }
        if (kind == k::kLandingButton) {
            m_landingButton = true;
        }
        return true;
    }

    void takePhase(const QJsonObject& line) {
        const auto phase = phaseNamed(textOf(line, "phase"));
        if (!phase) {
            return;
        }
        const long long began = line.contains(QLatin1String("began_ns"))
                                    ? numberOf(line, "began_ns")
                                    : numberOf(line, "mono_ns");
        // The wall clock of the moment the phase began, which the line was written after.
        const long long beganWallMs =
            numberOf(line, "wall_ms") - (numberOf(line, "mono_ns") - began) / 1'000'000;
        if (*phase == CyclePhase::Ready || *phase == CyclePhase::Stopped) {
            closeCycle(*phase == CyclePhase::Ready ? "landing window over" : "stopped", began,
                       m_open && m_open->settings.phase == CyclePhase::Landing ? PhaseEnd::RanOut
                                                                               : PhaseEnd::Cut);
            return;
        }
        // A switch the line does not name was off.
        LoggedPhaseSettings settings{*phase,
                                     static_cast<int>(numberOf(line, "seconds")),
                                     line.value(QLatin1String("vuz")).toBool(),
                                     line.value(QLatin1String("minute_beeps")).toBool(),
                                     {false, false, {}, false, false}};
        // Logs of earlier versions name the switches by the boxes that hold them.
        const QString switchesKey = line.contains(QLatin1String("announcements"))
                                        ? QStringLiteral("announcements")
                                        : QStringLiteral("boxes");
        const QJsonObject switches = line.value(switchesKey).toObject();
        for (auto each = switches.begin(); each != switches.end(); ++each) {
            setNamedSwitch(settings.announcements, each.key().toStdString(), each.value().toBool());
        }
        const bool resumed = m_resumeGap.has_value();
        if (*phase == CyclePhase::Preparation || !m_cycle || resumed) {
            closeCycle("landing window over", began, PhaseEnd::RanOut);
            openCycle(beganWallMs, !resumed, textOf(line, "task"));
            if (!resumed) {
                if (const auto call = startCallDue(settings.announcements)) {
                    m_due.push_back({"", "", *call, false});
                }
            }
        } else {
            endPhase(began, m_landingButton ? PhaseEnd::LandingButton : PhaseEnd::RanOut);
        }
        m_cycle->phases.push_back(
            {textOf(line, "phase"), beganWallMs, settings.seconds, std::nullopt});
        // A resumed phase's cues before the moment it carried on were the crash's.
        if (resumed) {
            m_gaps.push_back({0, numberOf(line, "mono_ns")});
        }
        m_open = OpenPhase{std::move(settings), began};
        m_landingButton = false;
    }

    void takeCue(const QJsonObject& line) {
        ReportedCue cue{numberOf(line, "wall_ms"), textOf(line, "file"), textOf(line, "phase"),
                        textOf(line, "second"), latenessOf(line, "played_ns")};
        const auto phase = phaseNamed(cue.phase);
        // The call at START comes before its cycle's first phase.
        if (!m_cycle || !phase || *phase == CyclePhase::Ready || *phase == CyclePhase::Stopped) {
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
        if (m_resumeGap) {
            m_cycle->gaps.push_back(*std::exchange(m_resumeGap, std::nullopt));
        }
        for (ReportedCue& cue : std::exchange(m_waitingCues, {})) {
            m_cycle->cues.push_back(std::move(cue));
        }
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

    void closeCycle(const std::string& ending, std::optional<long long> endNs, PhaseEnd end) {
        endPhase(endNs, end);
        if (!m_cycle) {
            return;
        }
        m_cycle->ending = ending;
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
    std::vector<std::pair<long long, long long>> m_gaps;
    std::optional<ReportedGap> m_resumeGap;
    long long m_crashAtMs = 0;
    long long m_lastNs = 0;
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
