#pragma once

#include "platform/MessageBoxService.h"
#include "schedule/ScheduleRunner.h"
#include "schedule/ScheduleSession.h"

#include <QAbstractTableModel>

namespace aerolap {

/// The runner's rounds as a table, one round a row, with the round of the cycle in hand in bold.
/// Each edit of a cell is checked as the file's field would be and handed to the session; a
/// refused one is named in a message box and leaves the rounds as they were.
class RoundsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    RoundsModel(ScheduleRunner& runner, ScheduleSession& session, MessageBoxService& messageBoxes,
                QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    /// Hands the director's change of the schedule to the session; says so when it is refused.
    bool edit(Schedule schedule);

private:
    /// Shows the runner's rounds again.
    void follow();

    ScheduleRunner& m_runner;
    ScheduleSession& m_session;
    MessageBoxService& m_messageBoxes;
    int m_rows = 0;
};

} // namespace aerolap
