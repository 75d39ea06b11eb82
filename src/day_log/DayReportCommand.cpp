#include "DayReportCommand.h"

#include "DayReport.h"
#include "DayReportText.h"
#include "files/SmallFileRead.h"
#include "files/WholeFileSave.h"
#include "i18n/MessageText.h"

#include <QCoreApplication>
#include <QDate>

namespace aerolap {

namespace {

/// A day log is a few megabytes at most: one line a second all day.
constexpr qint64 kLargestLog = qint64{256} * 1024 * 1024;

std::filesystem::path logOfDay(const std::filesystem::path& folder, const std::string& date) {
    return folder / (date + ".jsonl");
}

std::string dayReportTitle(const std::string& date) {
    return QCoreApplication::translate("DayReport", "Aerolap day log of %1")
        .arg(QString::fromStdString(date))
        .toStdString();
}

std::string today() {
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

} // namespace

int runDayReport(const std::filesystem::path& folder, const DayReportRequest& request,
                 std::ostream& out, std::ostream& errors) {
    const std::string date = request.date.value_or(today());
    const std::filesystem::path file = logOfDay(folder, date);
    const auto read = readSmallFile(file.string(), kLargestLog);
    if (const auto* why = std::get_if<std::string>(&read)) {
        errors << "aerolap: the day log " << file.string() << " " << *why << "\n";
        return 1;
    }
    const DayReport report = readDayReport(std::get<QByteArray>(read).toStdString());
    const std::string title = dayReportTitle(date);
    if (!request.htmlFile) {
        out << dayReportText(report, request.late, title, file.string()) << std::flush;
        return 0;
    }
    const std::string page = dayReportHtml(report, request.late, title, file.string());
    if (const auto why = saveWholeFile(*request.htmlFile, QByteArray::fromStdString(page))) {
        errors << "aerolap: the report " << *request.htmlFile << " " << *why << "\n";
        return 1;
    }
    return 0;
}

std::string todaysReportHtml(const std::filesystem::path& folder) {
    const std::filesystem::path file = logOfDay(folder, today());
    const auto read = readSmallFile(file.string(), kLargestLog);
    const std::string title = dayReportTitle(today());
    if (const auto* why = std::get_if<std::string>(&read)) {
        return dayReportHtml({}, kDefaultLateCue, title,
                             file.string() + " " + messageText(Message(*why)).toStdString());
    }
    return dayReportHtml(readDayReport(std::get<QByteArray>(read).toStdString()), kDefaultLateCue,
                         title, file.string());
}

} // namespace aerolap
