#include "RoundsModel.h"

#include "elements/TimeText.h"
#include "schedule/ScheduleFile.h"

#include <QFont>
#include <array>

namespace aerolap {

namespace {

/// A column of the table: the field it shows and its heading.
struct Column {
    RoundField field;
    const char* heading;
};

constexpr std::array kColumns{
    Column{RoundField::Task, QT_TRANSLATE_NOOP("aerolap::RoundsModel", "Task")},
    Column{RoundField::Title, QT_TRANSLATE_NOOP("aerolap::RoundsModel", "Title")},
    Column{RoundField::Working, QT_TRANSLATE_NOOP("aerolap::RoundsModel", "Working")},
    Column{RoundField::Groups, QT_TRANSLATE_NOOP("aerolap::RoundsModel", "Groups")},
    Column{RoundField::Flights, QT_TRANSLATE_NOOP("aerolap::RoundsModel", "Flights")},
    Column{RoundField::Preparation, QT_TRANSLATE_NOOP("aerolap::RoundsModel", "Preparation")},
};

QString textOf(const ScheduleRound& round, RoundField field) {
    switch (field) {
    case RoundField::Task:
        return QString::fromStdString(round.task);
    case RoundField::Title:
        return QString::fromStdString(round.title);
    case RoundField::Working:
        return QString::fromStdString(TimeText::fromSeconds(round.working));
    case RoundField::Groups:
        return QString::number(round.groups);
    case RoundField::Flights:
        return QString::number(round.flights);
    case RoundField::Preparation:
        return round.preparation ? QString::fromStdString(TimeText::fromSeconds(*round.preparation))
                                 : QString();
    }
    return {};
}

} // namespace

RoundsModel::RoundsModel(ScheduleRunner& runner, ScheduleSession& session,
                         MessageBoxService& messageBoxes, QObject* parent)
    : QAbstractTableModel(parent), m_runner(runner), m_session(session),
      m_messageBoxes(messageBoxes) {
    m_rows = rowCount();
    runner.changed.connect([this] { follow(); });
}

int RoundsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_runner.loaded()
               ? 0
               : static_cast<int>(m_runner.schedule().rounds.size());
}

int RoundsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
}

QVariant RoundsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return textOf(m_runner.schedule().rounds[static_cast<std::size_t>(index.row())],
                      kColumns[static_cast<std::size_t>(index.column())].field);
    }
    if (role == Qt::FontRole && index.row() == m_runner.position().round) {
        // The round of the cycle in hand stands out.
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

QVariant RoundsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columnCount()) {
        return tr(kColumns[static_cast<std::size_t>(section)].heading);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RoundsModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool RoundsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount()) {
        return false;
    }
    // Leaving a cell as it was is no edit, and so is never refused.
    if (value.toString() == data(index, role).toString()) {
        return true;
    }
    LoadedSchedule edited =
        withRoundField(m_runner.schedule(), static_cast<std::size_t>(index.row()),
                       kColumns[static_cast<std::size_t>(index.column())].field,
                       value.toString().toStdString(), "The schedule");
    if (!edited.schedule) {
        m_messageBoxes.show({edited.error, "Aerolap", MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    return edit(std::move(*edited.schedule));
}

bool RoundsModel::edit(Schedule schedule) {
    if (!m_session.edit(std::move(schedule))) {
        m_messageBoxes.show(
            {tr("The schedule can be changed only while no cycle runs.").toStdString(), "Aerolap",
             MessageIcon::Information, MessageButtons::Ok});
        return false;
    }
    return true;
}

void RoundsModel::follow() {
    // Rows come and go at the end, so that the header keeps the way its sections are sized.
    if (const int rows = rowCount(); rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    if (m_rows > 0) {
        dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
    }
}

} // namespace aerolap
