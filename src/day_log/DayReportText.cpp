#include "DayReportText.h"

#include <array>
#include <cstdio>
#include <sstream>

namespace aerolap {

namespace {

std::string milliseconds(std::chrono::nanoseconds span) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%+.1f ms", static_cast<double>(span.count()) / 1e6);
    return text.data();
}

std::string seconds(std::chrono::nanoseconds span) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.3f s", static_cast<double>(span.count()) / 1e9);
    return text.data();
}

/// A frame's bytes as they can be printed: control bytes as \r, \xNN.
std::string visibleBytes(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte >= 0x7f) {
            std::array<char, 8> hex{};
            std::snprintf(hex.data(), hex.size(), "\\x%02x", byte);
            out += hex.data();
        } else {
            out += c;
        }
    }
    return out;
}

bool isLate(const ReportedCue& cue, std::chrono::milliseconds late) {
    return cue.lateness && *cue.lateness > late;
}

std::string cueLine(const ReportedCue& cue, std::chrono::milliseconds late) {
    std::string line = wallText(cue.wallMs) + "  " + (cue.second.empty() ? "START" : cue.phase) +
                       " " + cue.second + "  " + cue.file + "  ";
    line += cue.lateness ? milliseconds(*cue.lateness) : "at START";
    if (isLate(cue, late)) {
        line += "  LATE";
    }
    return line;
}

std::string missingLine(const MissingCue& cue) {
    return (cue.second.empty() ? "START" : cue.phase + " " + cue.second) + "  " + cue.file +
           (cue.inGap ? "  (in the gap)" : "  MISSING");
}

std::string frameLine(const ReportedFrame& frame) {
    return wallText(frame.wallMs) + "  " + visibleBytes(frame.bytes) + "  " +
           (frame.lateness ? milliseconds(*frame.lateness) : "-") +
           (frame.taken ? "" : "  NOT TAKEN");
}

std::string cycleHeading(const ReportedCycle& cycle, std::size_t number) {
    return "Cycle " + std::to_string(number) + ": " +
           (cycle.started ? "START at " : "resumed at ") + wallText(cycle.startWallMs) +
           (cycle.task.empty() ? "" : ", " + cycle.task);
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

void logLacks(std::ostream& out, const DayReport& report, const char* before, const char* after) {
    for (const std::string& unread : report.unreadLines) {
        out << before << "Not read: " << unread << after;
    }
    if (report.droppedLines > 0) {
        out << before << report.droppedLines << " lines dropped while the log was busy" << after;
    }
    if (report.lostLines > 0) {
        out << before << report.lostLines << " lines lost while the log could not be written"
            << after;
    }
}

} // namespace

std::string dayReportText(const DayReport& report, std::chrono::milliseconds late,
                          const std::string& title) {
    std::ostringstream out;
    out << title << "\n";
    if (report.cycles.empty()) {
        out << "No cycle in this log.\n";
    }
    for (std::size_t i = 0; i < report.cycles.size(); ++i) {
        const ReportedCycle& cycle = report.cycles[i];
        out << "\n" << cycleHeading(cycle, i + 1) << "\n";
        for (const ReportedPhase& phase : cycle.phases) {
            out << "  " << phase.phase << " from " << wallText(phase.wallMs) << ", "
                << phase.seconds
                << " s: " << (phase.measured ? "measured " + seconds(*phase.measured) : "not ended")
                << "\n";
        }
        out << "  Cues (lateness after their second; LATE beyond " << late.count() << " ms):\n";
        for (const ReportedCue& cue : cycle.cues) {
            out << "    " << cueLine(cue, late) << "\n";
        }
        for (const MissingCue& cue : cycle.missing) {
            out << "    " << missingLine(cue) << "\n";
        }
        out << "  Frames (lateness after their second):\n";
        for (const ReportedFrame& frame : cycle.frames) {
            out << "    " << frameLine(frame) << "\n";
        }
        for (const ReportedGap& gap : cycle.gaps) {
            out << "  Gap at " << wallText(gap.wallMs) << ": " << gap.what
                << "; the cycle went on at " << gap.wentOn << "\n";
        }
        out << "  Ended: " << cycle.ending << "\n";
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
    logLacks(out, report, "\n", "\n");
    return out.str();
}

std::string dayReportHtml(const DayReport& report, std::chrono::milliseconds late,
                          const std::string& title) {
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
           "<title>"
        << escaped(title)
        << "</title><style>"
           "body{font-family:sans-serif;margin:1em;max-width:60em}"
           "section{break-inside:avoid-page;border-top:1px solid #888;margin-top:1em}"
           ".timeline{display:flex;height:1.6em;margin:.5em 0;border:1px solid #444}"
           ".timeline div{overflow:hidden;white-space:nowrap;font-size:.8em;padding:.2em;"
           "border-right:1px solid #444}"
           ".preparation{background:#fde68a}.working{background:#a7f3d0}.landing{background:#"
           "bfdbfe}"
           "table{border-collapse:collapse;width:100%;font-size:.9em}"
           "td{padding:.1em .4em;border-bottom:1px solid #ddd}"
           ".bad{color:#b00;font-weight:bold}"
           "@media print{body{margin:0;max-width:none}.timeline div{-webkit-print-color-adjust:"
           "exact;print-color-adjust:exact}}"
           "</style></head><body><h1>"
        << escaped(title) << "</h1>\n";
    if (report.cycles.empty()) {
        out << "<p>No cycle in this log.</p>\n";
    }
    for (std::size_t i = 0; i < report.cycles.size(); ++i) {
        const ReportedCycle& cycle = report.cycles[i];
        out << "<section><h2>" << escaped(cycleHeading(cycle, i + 1)) << "</h2>\n";
        out << "<div class=\"timeline\">";
        double total = 0;
        for (const ReportedPhase& phase : cycle.phases) {
            total += phase.measured ? static_cast<double>(phase.measured->count()) : 0.0;
        }
        for (const ReportedPhase& phase : cycle.phases) {
            const double share = total > 0 && phase.measured
                                     ? 100.0 * static_cast<double>(phase.measured->count()) / total
                                     : 0.0;
            std::array<char, 32> width{};
            std::snprintf(width.data(), width.size(), "%.2f%%", share);
            out << "<div class=\"" << escaped(phase.phase) << "\" style=\"width:" << width.data()
                << "\">" << escaped(phase.phase) << "</div>";
        }
        out << "</div>\n<table>";
        for (const ReportedPhase& phase : cycle.phases) {
            out << "<tr><td>" << escaped(phase.phase) << "</td><td>" << wallText(phase.wallMs)
                << "</td><td>" << phase.seconds << " s</td><td>"
                << (phase.measured ? seconds(*phase.measured) : "not ended") << "</td></tr>";
        }
        out << "</table>\n<h3>Cues</h3><table>";
        for (const ReportedCue& cue : cycle.cues) {
            out << "<tr" << (isLate(cue, late) ? " class=\"bad\"" : "") << "><td>"
                << escaped(cueLine(cue, late)) << "</td></tr>";
        }
        for (const MissingCue& cue : cycle.missing) {
            out << "<tr" << (cue.inGap ? "" : " class=\"bad\"") << "><td>"
                << escaped(missingLine(cue)) << "</td></tr>";
        }
        out << "</table>\n<h3>Frames</h3><table>";
        for (const ReportedFrame& frame : cycle.frames) {
            out << "<tr" << (frame.taken ? "" : " class=\"bad\"") << "><td>"
                << escaped(frameLine(frame)) << "</td></tr>";
        }
        out << "</table>\n";
        for (const ReportedGap& gap : cycle.gaps) {
            out << "<p class=\"bad\">Gap at " << wallText(gap.wallMs) << ": " << escaped(gap.what)
                << "; the cycle went on at " << escaped(gap.wentOn) << "</p>\n";
        }
        out << "<p>Ended: " << escaped(cycle.ending) << "</p></section>\n";
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
    logLacks(out, report, "<p class=\"bad\">", "</p>\n");
    out << "</body></html>\n";
    return out.str();
}

} // namespace aerolap
