#pragma once

#include "draw/Draw.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QWidget;

namespace aerolap {

/// What the director asks a draw to be generated from.
struct DrawRequest {
    std::vector<DrawPilot> pilots;
    DrawSettings settings;
};

QString chooseDrawToImport(QWidget& parent);
QString choosePdfToWrite(QWidget& parent);
/// The dialog that takes the list of pilots, the group size or number of groups, and the seed.
std::optional<DrawRequest> askForDraw(QWidget& parent);
QString askWhoWithdraws(QWidget& parent, const QStringList& pilots);

/// Where the director picks a file, or answers what a draw needs; each gives nothing (an empty
/// text) when the director cancels. The system's own dialogs unless a test scripts them.
struct ScheduleFileDialogs {
    std::function<QString(QWidget& parent)> chooseToOpen;
    std::function<QString(QWidget& parent)> chooseToSave;
    std::function<QString(QWidget& parent)> chooseDrawFile = chooseDrawToImport;
    std::function<QString(QWidget& parent)> choosePdfFile = choosePdfToWrite;
    std::function<std::optional<DrawRequest>(QWidget& parent)> drawRequest = askForDraw;
    std::function<QString(QWidget& parent, const QStringList& pilots)> pilotToWithdraw =
        askWhoWithdraws;
};

/// The system's own file dialogs.
ScheduleFileDialogs systemFileDialogs();

/// The pilots of a list typed one a line, "Name" or "Name; Team", or the message that says what is
/// wrong with it (a name twice, no name at all).
std::variant<std::vector<DrawPilot>, std::string> pilotsFromLines(const QString& text);

} // namespace aerolap
