#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace aerolap {

/// Where the director picks a schedule file to open or to save to; each gives the path, or
/// nothing when the director cancels.
struct ScheduleFileDialogs {
    std::function<QString(QWidget& parent)> chooseToOpen;
    std::function<QString(QWidget& parent)> chooseToSave;
};

/// The system's own file dialogs.
ScheduleFileDialogs systemFileDialogs();

} // namespace aerolap
