#include "DayReportText.h"

#include <QString>
#include <algorithm>
#include <sstream>
#include <vector>

namespace aerolap {

namespace {

using Cells = std::vector<std::string>;

std::string milliseconds(std::chrono::nanoseconds span) {
    return QString::asprintf("%+.1f ms", static_cast<double>(span.count()) / 1e6).toStdString();
}

std::string seconds(std::chrono::nanoseconds span) {
    return QString::asprintf("%.3f s", static_cast<double>(span.count()) / 1e9).toStdString();
}

std::string escaped(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped().toStdString();
}

/// A frame's bytes as they can be printed: control bytes as \r, \xNN.
std::string visibleBytes(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte >= 0x7f) {
            out += QString::asprintf("\\x%02x", byte).toStdString();
        } else {
            out += c;
        }
    }
    return out;
}

/// A cue's file as people know it: its name, without the folder.
std::string fileName(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);
}

bool isLate(const ReportedCue& cue, std::chrono::milliseconds late) {
    return cue.lateness && *cue.lateness > late;
}

std::string secondOf(const std::string& phase, const std::string& second) {
    return second.empty() ? "START" : phase + " " + second;
}

Cells cueCells(const ReportedCue& cue, std::chrono::milliseconds late) {
    return {wallText(cue.wallMs), secondOf(cue.phase, cue.second), fileName(cue.file),
            (cue.lateness ? milliseconds(*cue.lateness) : "at START") +
                (isLate(cue, late) ? "  LATE" : "")};
}

Cells missingCells(const MissingCue& cue) {
    return {"", secondOf(cue.phase, cue.second), fileName(cue.file),
            cue.inGap ? "(in the gap)" : "MISSING"};
}

Cells frameCells(const ReportedFrame& frame) {
    return {wallText(frame.wallMs), visibleBytes(frame.bytes),
            (frame.lateness ? milliseconds(*frame.lateness) : "-") +
                (frame.taken ? "" : "  NOT TAKEN")};
}

std::string placeText(std::optional<int> round, std::optional<int> group) {
    if (!round) {
        return {};
    }
    return "round " + std::to_string(*round + 1) +
           (group ? " group " + std::to_string(*group + 1) : std::string());
}

std::string cycleHeading(const ReportedCycle& cycle, std::size_t number) {
    const std::string place = placeText(cycle.round, cycle.group);
    return "Cycle " + std::to_string(number) + ": " +
           (cycle.started ? "START at " : "resumed at ") + wallText(cycle.startWallMs) +
           (cycle.task.empty() ? "" : ", " + cycle.task) + (place.empty() ? "" : ", " + place);
}

/// A score change in one line, with its round and group where no cycle's heading gives them.
std::string scoreText(const ReportedScore& score, bool withPlace) {
    const ScoreChanged& change = score.change;
    const std::string place = withPlace ? placeText(change.round, change.group) : "";
    return wallText(score.wallMs) + "  " + (place.empty() ? "" : place + ", ") + change.what +
           (change.pilot.empty() ? "" : " " + change.pilot) + ": " +
           (change.oldValue.empty() ? "(none)" : change.oldValue) + " -> " +
           (change.newValue.empty() ? "(none)" : change.newValue) +
           (change.phone ? ", from the phone \"" + *change.phone + "\"" : "");
}

/// A cycle in one line: how many cues and frames, and how many of them went wrong.
std::pair<std::string, bool> verdict(const ReportedCycle& cycle, std::chrono::milliseconds late) {
    const auto lateCues =
        std::ranges::count_if(cycle.cues, [late](const auto& cue) { return isLate(cue, late); });
    const auto missing =
        std::ranges::count_if(cycle.missing, [](const auto& cue) { return !cue.inGap; });
    const auto notTaken =
        std::ranges::count_if(cycle.frames, [](const auto& frame) { return !frame.taken; });
    std::optional<std::chrono::nanoseconds> latest;
    for (const ReportedCue& cue : cycle.cues) {
        latest = std::max(latest, cue.lateness);
    }
    return {std::to_string(cycle.cues.size()) + " cues, " +
                (lateCues == 0 ? "none" : std::to_string(lateCues)) + " late" +
                (latest ? ", latest " + milliseconds(*latest) : "") +
                (missing == 0 ? "" : ", " + std::to_string(missing) + " missing") + "; " +
                std::to_string(cycle.frames.size()) + " frames, " +
                (notTaken == 0 ? "all" : std::to_string(notTaken) + " not") + " taken",
            lateCues + missing + notTaken > 0};
}

std::string joined(const Cells& cells) {
    std::string line;
    for (const std::string& cell : cells) {
        if (!cell.empty()) {
            line += (line.empty() ? "" : "  ") + cell;
        }
    }
    return line;
}

std::string row(const Cells& cells, bool bad = false, const std::string& cell = "td") {
    std::string out = bad ? "<tr class=\"bad\">" : "<tr>";
    for (const std::string& each : cells) {
        out += "<" + cell + ">" + escaped(each) + "</" + cell + ">";
    }
    return out + "</tr>";
}

/// What the log itself lacks: lines it could not read, lines dropped or lost.
std::vector<std::string> logLacks(const DayReport& report) {
    std::vector<std::string> lacks;
    for (const std::string& unread : report.unreadLines) {
        lacks.push_back("Not read: " + unread);
    }
    if (report.droppedLines > 0) {
        lacks.push_back(std::to_string(report.droppedLines) +
                        " lines dropped while the log was busy");
    }
    if (report.lostLines > 0) {
        lacks.push_back(std::to_string(report.lostLines) +
                        " lines lost while the log could not be written");
    }
    return lacks;
}

void scoresHtml(std::ostringstream& out, const std::string& heading,
                const std::vector<ReportedScore>& scores, bool withPlace) {
    if (scores.empty()) {
        return;
    }
    out << "<h3>" << escaped(heading) << "</h3><ul>";
    for (const ReportedScore& score : scores) {
        out << "<li>" << escaped(scoreText(score, withPlace)) << "</li>";
    }
    out << "</ul>\n";
}

} // namespace

std::string dayReportText(const DayReport& report, std::chrono::milliseconds late,
                          const std::string& title, const std::string& source) {
    std::ostringstream out;
    out << title << "\n" << source << "\n";
    if (report.cycles.empty()) {
        out << "No cycle in this log.\n";
    }
    for (std::size_t i = 0; i < report.cycles.size(); ++i) {
        const ReportedCycle& cycle = report.cycles[i];
        out << "\n" << cycleHeading(cycle, i + 1) << "\n  " << verdict(cycle, late).first << "\n";
        for (const ReportedPhase& phase : cycle.phases) {
            out << "  " << phase.phase << " from " << wallText(phase.wallMs) << ", "
                << phase.seconds
                << " s: " << (phase.measured ? "measured " + seconds(*phase.measured) : "not ended")
                << "\n";
        }
        out << "  Cues (lateness after their second; LATE beyond " << late.count() << " ms):\n";
        for (const ReportedCue& cue : cycle.cues) {
            out << "    " << joined(cueCells(cue, late)) << "\n";
        }
        for (const MissingCue& cue : cycle.missing) {
            out << "    " << joined(missingCells(cue)) << "\n";
        }
        out << "  Frames (lateness after their second):\n";
        for (const ReportedFrame& frame : cycle.frames) {
            out << "    " << joined(frameCells(frame)) << "\n";
        }
        for (const ReportedGap& gap : cycle.gaps) {
            out << "  Gap at " << wallText(gap.wallMs) << ": " << gap.what
                << "; the cycle went on at " << gap.wentOn << "\n";
        }
        out << "  Ended: " << cycle.ending << "\n";
        if (!cycle.scores.empty()) {
            out << "  Scores of this group:\n";
        }
        for (const ReportedScore& score : cycle.scores) {
            out << "    " << scoreText(score, false) << "\n";
        }
    }
    if (!report.scores.empty()) {
        out << "\nScores of no cycle in this log:\n";
    }
    for (const ReportedScore& score : report.scores) {
        out << "  " << scoreText(score, true) << "\n";
    }
    if (!report.notices.empty()) {
        out << "\nNotices:\n";
        for (const std::string& notice : report.notices) {
            out << "  " << notice << "\n";
        }
    }
    if (!report.remoteCommands.empty()) {
        out << "\nRemote commands:\n";
        for (const std::string& command : report.remoteCommands) {
            out << "  " << command << "\n";
        }
    }
    for (const std::string& lack : logLacks(report)) {
        out << "\n" << lack << "\n";
    }
    return out.str();
}

std::string dayReportHtml(const DayReport& report, std::chrono::milliseconds late,
                          const std::string& title, const std::string& source) {
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
           "<title>"
        << escaped(title)
        << "</title><style>"
           "body{font-family:sans-serif;margin:.5em;max-width:60em}"
           ".source{overflow-wrap:anywhere;color:#555}"
           "section{break-inside:avoid-page;border-top:1px solid #888;margin-top:1em}"
           ".timeline{display:flex;height:1.6em;margin:.5em 0;border:1px solid #444}"
           ".timeline div{overflow:hidden;white-space:nowrap;font-size:.8em;padding:.2em;"
           "border-right:1px solid #444}"
           ".preparation{background:#fde68a}.working{background:#a7f3d0}.landing{background:#"
           "bfdbfe}"
           "table{border-collapse:collapse;width:100%;font-size:.9em}"
           "th{text-align:left}td,th{padding:.1em .3em;border-bottom:1px solid #ddd;"
           "overflow-wrap:anywhere}td:first-child{white-space:nowrap}h1{font-size:1.6em}"
           ".bad{color:#b00;font-weight:bold}"
           "@media print{body{margin:0;max-width:none}.timeline div{-webkit-print-color-adjust:"
           "exact;print-color-adjust:exact}}"
           "</style></head><body><h1>"
        << escaped(title) << "</h1><p class=\"source\">" << escaped(source) << "</p>\n";
    if (report.cycles.empty()) {
        out << "<p>No cycle in this log.</p>\n";
    }
    for (std::size_t i = 0; i < report.cycles.size(); ++i) {
        const ReportedCycle& cycle = report.cycles[i];
        const auto [summary, bad] = verdict(cycle, late);
        out << "<section><h2>" << escaped(cycleHeading(cycle, i + 1)) << "</h2>\n<p"
            << (bad ? " class=\"bad\">" : ">") << escaped(summary) << "</p>\n";
        out << "<div class=\"timeline\">";
        double total = 0;
        for (const ReportedPhase& phase : cycle.phases) {
            total += phase.measured ? static_cast<double>(phase.measured->count()) : 0.0;
        }
        for (const ReportedPhase& phase : cycle.phases) {
            const double share = total > 0 && phase.measured
                                     ? 100.0 * static_cast<double>(phase.measured->count()) / total
                                     : 0.0;
            out << "<div class=\"" << escaped(phase.phase)
                << "\" style=\"width:" << QString::asprintf("%.2f%%", share).toStdString() << "\">"
                << escaped(phase.phase) << "</div>";
        }
        out << "</div>\n<table>" << row({"phase", "from", "set", "measured"}, false, "th");
        for (const ReportedPhase& phase : cycle.phases) {
            out << row({phase.phase, wallText(phase.wallMs), std::to_string(phase.seconds) + " s",
                        phase.measured ? seconds(*phase.measured) : "not ended"});
        }
        out << "</table>\n<h3>Cues</h3><table>"
            << row({"at", "second", "cue", "after its second"}, false, "th");
        for (const ReportedCue& cue : cycle.cues) {
            out << row(cueCells(cue, late), isLate(cue, late));
        }
        for (const MissingCue& cue : cycle.missing) {
            out << row(missingCells(cue), !cue.inGap);
        }
        out << "</table>\n<h3>Frames</h3><table>"
            << row({"at", "frame", "after its second"}, false, "th");
        for (const ReportedFrame& frame : cycle.frames) {
            out << row(frameCells(frame), !frame.taken);
        }
        out << "</table>\n";
        for (const ReportedGap& gap : cycle.gaps) {
            out << "<p class=\"bad\">Gap at " << wallText(gap.wallMs) << ": " << escaped(gap.what)
                << "; the cycle went on at " << escaped(gap.wentOn) << "</p>\n";
        }
        out << "<p>Ended: " << escaped(cycle.ending) << "</p>\n";
        scoresHtml(out, "Scores of this group", cycle.scores, false);
        out << "</section>\n";
    }
    if (!report.scores.empty()) {
        out << "<section>";
        scoresHtml(out, "Scores of no cycle in this log", report.scores, true);
        out << "</section>\n";
    }
    if (!report.notices.empty() || !report.remoteCommands.empty()) {
        out << "<section><h2>Notices and remote commands</h2><ul>";
        for (const std::string& line : report.notices) {
            out << "<li>" << escaped(line) << "</li>";
        }
        for (const std::string& line : report.remoteCommands) {
            out << "<li>" << escaped(line) << "</li>";
        }
        out << "</ul></section>\n";
    }
    for (const std::string& lack : logLacks(report)) {
        out << "<p class=\"bad\">" << escaped(lack) << "</p>\n";
    }
    out << "</body></html>\n";
    return out.str();
}

} // namespace aerolap
