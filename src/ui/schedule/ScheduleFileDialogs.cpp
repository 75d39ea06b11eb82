#include "ScheduleFileDialogs.h"

#include <QFileDialog>

namespace aerolap {

ScheduleFileDialogs systemFileDialogs() {
    return {[](QWidget& parent) {
                return QFileDialog::getOpenFileName(&parent, QStringLiteral("Open schedule"), {},
                                                    QStringLiteral("Schedules (*.json)"));
            },
            [](QWidget& parent) {
                return QFileDialog::getSaveFileName(&parent, QStringLiteral("Save schedule"), {},
                                                    QStringLiteral("Schedules (*.json)"));
            }};
}

} // namespace aerolap
