#include "DayReportText.h"

#include "i18n/MessageText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

namespace aerolap {

namespace {

/// The report's own words, in the catalogues' context "DayReport", in the installed language.
std::string words(const char* text, int count = -1) {
    return QCoreApplication::translate("DayReport", text, nullptr, count).toStdString();
}

std::string words(const char* text, const std::vector<std::string>& args) {
    return withArguments(words(text), args);
}

std::string said(const Message& message) {
    return messageText(message).toStdString();
}

// The phases' names as the log keeps them, which the report shows in the reader's language.
constexpr std::array kPhaseNames{
    QT_TRANSLATE_NOOP("DayReport", "ready"), QT_TRANSLATE_NOOP("DayReport", "preparation"),
    QT_TRANSLATE_NOOP("DayReport", "working"), QT_TRANSLATE_NOOP("DayReport", "landing"),
    QT_TRANSLATE_NOOP("DayReport", "stopped")};

std::string phaseWords(const std::string& phase) {
    const auto known = std::ranges::find(kPhaseNames, phase);
    return known == kPhaseNames.end() ? phase : words(*known);
}

using Cells = std::vector<std::string>;

/// A number in the reader's locale, without group separators: "1234,5" in Italian.
std::string number(double value, int decimals) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals).toStdString();
}

std::string milliseconds(std::chrono::nanoseconds span) {
    const double value = static_cast<double>(span.count()) / 1e6;
    return (value >= 0 ? "+" : "") + number(value, 1) + " ms";
}

std::string seconds(std::chrono::nanoseconds span) {
    return number(static_cast<double>(span.count()) / 1e9, 3) + " s";
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
    return second.empty() ? "START" : phaseWords(phase) + " " + second;
}

Cells cueCells(const ReportedCue& cue, std::chrono::milliseconds late) {
    return {wallText(cue.wallMs), secondOf(cue.phase, cue.second), fileName(cue.file),
            (cue.lateness ? milliseconds(*cue.lateness)
                          : words(QT_TRANSLATE_NOOP("DayReport", "at START"))) +
                (isLate(cue, late) ? "  " + words(QT_TRANSLATE_NOOP("DayReport", "LATE")) : "")};
}

Cells missingCells(const MissingCue& cue) {
    return {"", secondOf(cue.phase, cue.second), fileName(cue.file),
            cue.inGap ? words(QT_TRANSLATE_NOOP("DayReport", "(in the gap)"))
                      : words(QT_TRANSLATE_NOOP("DayReport", "MISSING"))};
}

Cells frameCells(const ReportedFrame& frame) {
    return {wallText(frame.wallMs), visibleBytes(frame.bytes),
            (frame.lateness ? milliseconds(*frame.lateness) : "-") +
                (frame.taken ? "" : "  " + words(QT_TRANSLATE_NOOP("DayReport", "NOT TAKEN")))};
}

std::string placeText(std::optional<int> round, std::optional<int> group) {
    if (!round) {
        return {};
    }
    const std::string roundNumber = std::to_string(*round + 1);
    return group ? words(QT_TRANSLATE_NOOP("DayReport", "round %1 group %2"),
                         {roundNumber, std::to_string(*group + 1)})
                 : words(QT_TRANSLATE_NOOP("DayReport", "round %1"), {roundNumber});
}

std::string cycleHeading(const ReportedCycle& cycle, std::size_t number) {
    const std::string place = placeText(cycle.round, cycle.group);
    return words(cycle.started ? QT_TRANSLATE_NOOP("DayReport", "Cycle %1: START at %2")
                               : QT_TRANSLATE_NOOP("DayReport", "Cycle %1: resumed at %2"),
                 {std::to_string(number), wallText(cycle.startWallMs)}) +
           (cycle.task.empty() ? "" : ", " + cycle.task) + (place.empty() ? "" : ", " + place);
}

std::string gapLine(const ReportedGap& gap) {
    return words(QT_TRANSLATE_NOOP("DayReport", "Gap at %1: %2; the cycle went on at %3"),
                 {wallText(gap.wallMs), said(gap.what),
                  phaseWords(gap.wentOnPhase) + " " + gap.wentOnSecond});
}

std::string orNone(const std::string& value) {
    return value.empty() ? words(QT_TRANSLATE_NOOP("DayReport", "(none)")) : value;
}

/// A score change in one line, with its round and group where no cycle's heading gives them.
/// What changed and its values are the scores' own, as the log has them.
std::string scoreText(const ReportedScore& score, bool withPlace) {
    const ScoreChanged& change = score.change;
    const std::string place = withPlace ? placeText(change.round, change.group) : "";
    return wallText(score.wallMs) + "  " + (place.empty() ? "" : place + ", ") + change.what +
           (change.pilot.empty() ? "" : " " + change.pilot) + ": " + orNone(change.oldValue) +
           " -> " + orNone(change.newValue) +
           (change.phone
                ? words(QT_TRANSLATE_NOOP("DayReport", ", from the phone \"%1\""), {*change.phone})
                : "");
}

/// A cycle in one line: how many cues and frames, and how many of them went wrong.
std::pair<std::string, bool> verdict(const ReportedCycle& cycle, std::chrono::milliseconds late) {
    const auto count = [](auto n) { return static_cast<int>(n); };
    const int lateCues = count(
        std::ranges::count_if(cycle.cues, [late](const auto& cue) { return isLate(cue, late); }));
    const int missing =
        count(std::ranges::count_if(cycle.missing, [](const auto& cue) { return !cue.inGap; }));
    const int notTaken =
        count(std::ranges::count_if(cycle.frames, [](const auto& frame) { return !frame.taken; }));
    std::optional<std::chrono::nanoseconds> latest;
    for (const ReportedCue& cue : cycle.cues) {
        latest = std::max(latest, cue.lateness);
    }
    std::string cues =
        words(QT_TRANSLATE_N_NOOP("DayReport", "%n cue(s)"), count(cycle.cues.size())) + ", " +
        (lateCues == 0 ? words(QT_TRANSLATE_NOOP("DayReport", "none late"))
                       : words(QT_TRANSLATE_N_NOOP("DayReport", "%n late"), lateCues));
    if (latest) {
        cues += ", " + words(QT_TRANSLATE_NOOP("DayReport", "latest %1"), {milliseconds(*latest)});
    }
    if (missing > 0) {
        cues += ", " + words(QT_TRANSLATE_N_NOOP("DayReport", "%n missing"), missing);
    }
    const std::string frames =
        words(QT_TRANSLATE_N_NOOP("DayReport", "%n frame(s)"), count(cycle.frames.size())) + ", " +
        (notTaken == 0 ? words(QT_TRANSLATE_NOOP("DayReport", "all taken"))
                       : words(QT_TRANSLATE_N_NOOP("DayReport", "%n not taken"), notTaken));
    return {cues + "; " + frames, lateCues + missing + notTaken > 0};
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
    for (const Message& unread : report.unreadLines) {
        lacks.push_back(words(QT_TRANSLATE_NOOP("DayReport", "Not read: %1"), {said(unread)}));
    }
    if (report.droppedLines > 0) {
        lacks.push_back(
            words(QT_TRANSLATE_N_NOOP("DayReport", "%n line(s) dropped while the log was busy"),
                  static_cast<int>(report.droppedLines)));
    }
    if (report.lostLines > 0) {
        lacks.push_back(words(
            QT_TRANSLATE_N_NOOP("DayReport", "%n line(s) lost while the log could not be written"),
            static_cast<int>(report.lostLines)));
    }
    return lacks;
}

std::string noticeLine(const DayReport::Notice& notice) {
    return wallText(notice.wallMs) + " " + said(notice.message);
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
        out << words(QT_TRANSLATE_NOOP("DayReport", "No cycle in this log.")) << "\n";
    }
    for (std::size_t i = 0; i < report.cycles.size(); ++i) {
        const ReportedCycle& cycle = report.cycles[i];
        out << "\n" << cycleHeading(cycle, i + 1) << "\n  " << verdict(cycle, late).first << "\n";
        for (const ReportedPhase& phase : cycle.phases) {
            out << "  "
                << words(QT_TRANSLATE_NOOP("DayReport", "%1 from %2, %3 s: %4"),
                         {phaseWords(phase.phase), wallText(phase.wallMs),
                          std::to_string(phase.seconds),
                          phase.measured ? words(QT_TRANSLATE_NOOP("DayReport", "measured %1"),
                                                 {seconds(*phase.measured)})
                                         : words(QT_TRANSLATE_NOOP("DayReport", "not ended"))})
                << "\n";
        }
        out << "  "
            << words(QT_TRANSLATE_NOOP("DayReport",
                                       "Cues (lateness after their second; LATE beyond %1 ms):"),
                     {std::to_string(late.count())})
            << "\n";
        for (const ReportedCue& cue : cycle.cues) {
            out << "    " << joined(cueCells(cue, late)) << "\n";
        }
        for (const MissingCue& cue : cycle.missing) {
            out << "    " << joined(missingCells(cue)) << "\n";
        }
        out << "  "
            << words(QT_TRANSLATE_NOOP("DayReport", "Frames (lateness after their second):"))
            << "\n";
        for (const ReportedFrame& frame : cycle.frames) {
            out << "    " << joined(frameCells(frame)) << "\n";
        }
        for (const ReportedGap& gap : cycle.gaps) {
            out << "  " << gapLine(gap) << "\n";
        }
        out << "  " << words(QT_TRANSLATE_NOOP("DayReport", "Ended: %1"), {said(cycle.ending)})
            << "\n";
        if (!cycle.scores.empty()) {
            out << "  " << words(QT_TRANSLATE_NOOP("DayReport", "Scores of this group:")) << "\n";
        }
        for (const ReportedScore& score : cycle.scores) {
            out << "    " << scoreText(score, false) << "\n";
        }
    }
    if (!report.scores.empty()) {
        out << "\n"
            << words(QT_TRANSLATE_NOOP("DayReport", "Scores of no cycle in this log:")) << "\n";
    }
    for (const ReportedScore& score : report.scores) {
        out << "  " << scoreText(score, true) << "\n";
    }
    if (!report.notices.empty()) {
        out << "\n" << words(QT_TRANSLATE_NOOP("DayReport", "Notices:")) << "\n";
        for (const DayReport::Notice& notice : report.notices) {
            out << "  " << noticeLine(notice) << "\n";
        }
    }
    if (!report.remoteCommands.empty()) {
        out << "\n" << words(QT_TRANSLATE_NOOP("DayReport", "Remote commands:")) << "\n";
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
    out << "<!DOCTYPE html>\n<html lang=\"" << escaped(QLocale().bcp47Name().toStdString())
        << "\"><head><meta charset=\"utf-8\">"
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
        out << "<p>" << escaped(words(QT_TRANSLATE_NOOP("DayReport", "No cycle in this log.")))
            << "</p>\n";
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
                << escaped(phaseWords(phase.phase)) << "</div>";
        }
        out << "</div>\n<table>"
            << row({words(QT_TRANSLATE_NOOP("DayReport", "phase")),
                    words(QT_TRANSLATE_NOOP("DayReport", "from")),
                    words(QT_TRANSLATE_NOOP("DayReport", "set")),
                    words(QT_TRANSLATE_NOOP("DayReport", "measured"))},
                   false, "th");
        for (const ReportedPhase& phase : cycle.phases) {
            out << row({phaseWords(phase.phase), wallText(phase.wallMs),
                        std::to_string(phase.seconds) + " s",
                        phase.measured ? seconds(*phase.measured)
                                       : words(QT_TRANSLATE_NOOP("DayReport", "not ended"))});
        }
        out << "</table>\n<h3>" << escaped(words(QT_TRANSLATE_NOOP("DayReport", "Cues")))
            << "</h3><table>"
            << row({words(QT_TRANSLATE_NOOP("DayReport", "at")),
                    words(QT_TRANSLATE_NOOP("DayReport", "second")),
                    words(QT_TRANSLATE_NOOP("DayReport", "cue")),
                    words(QT_TRANSLATE_NOOP("DayReport", "after its second"))},
                   false, "th");
        for (const ReportedCue& cue : cycle.cues) {
            out << row(cueCells(cue, late), isLate(cue, late));
        }
        for (const MissingCue& cue : cycle.missing) {
            out << row(missingCells(cue), !cue.inGap);
        }
        out << "</table>\n<h3>" << escaped(words(QT_TRANSLATE_NOOP("DayReport", "Frames")))
            << "</h3><table>"
            << row({words(QT_TRANSLATE_NOOP("DayReport", "at")),
                    words(QT_TRANSLATE_NOOP("DayReport", "frame")),
                    words(QT_TRANSLATE_NOOP("DayReport", "after its second"))},
                   false, "th");
        for (const ReportedFrame& frame : cycle.frames) {
            out << row(frameCells(frame), !frame.taken);
        }
        out << "</table>\n";
        for (const ReportedGap& gap : cycle.gaps) {
            out << "<p class=\"bad\">" << escaped(gapLine(gap)) << "</p>\n";
        }
        out << "<p>"
            << escaped(words(QT_TRANSLATE_NOOP("DayReport", "Ended: %1"), {said(cycle.ending)}))
            << "</p>\n";
        scoresHtml(out, words(QT_TRANSLATE_NOOP("DayReport", "Scores of this group")), cycle.scores,
                   false);
        out << "</section>\n";
    }
    if (!report.scores.empty()) {
        out << "<section>";
        scoresHtml(out, words(QT_TRANSLATE_NOOP("DayReport", "Scores of no cycle in this log")),
                   report.scores, true);
        out << "</section>\n";
    }
    if (!report.notices.empty() || !report.remoteCommands.empty()) {
        out << "<section><h2>"
            << escaped(words(QT_TRANSLATE_NOOP("DayReport", "Notices and remote commands")))
            << "</h2><ul>";
        for (const DayReport::Notice& notice : report.notices) {
            out << "<li>" << escaped(noticeLine(notice)) << "</li>";
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
