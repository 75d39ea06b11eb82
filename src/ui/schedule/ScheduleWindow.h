#pragma once

#include "ScheduleFileDialogs.h"
#include "platform/MessageBoxService.h"
#include "platform/MonotonicSource.h"
#include "schedule/ScheduleRunner.h"
#include "schedule/ScheduleSession.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableView;
class QTreeWidget;

namespace aerolap {

class RoundsModel;

/// The "Contest schedule" window: the rounds as an editable table, the cycle in hand and the
/// next one with the clock time it starts, and the director's moves. Beside the rounds, the draw:
/// who flies in each group of the chosen round (the round in hand unless another is picked), the
/// group in hand and the next one marked, and the draw's import, generation, withdrawals and
/// printing. It edits, opens and saves through the session and moves through the runner; it
/// decides nothing itself.
class ScheduleWindow final : public QWidget {
    Q_OBJECT

public:
    ScheduleWindow(ScheduleRunner& runner, ScheduleSession& session, const MonotonicSource& time,
                   MessageBoxService& messageBoxes, QWidget* parent = nullptr,
                   ScheduleFileDialogs dialogs = systemFileDialogs());

protected:
    /// The clock time of the next cycle may have moved while the window was hidden.
    void showEvent(QShowEvent* event) override;

private:
    /// Shows the runner's schedule and position again.
    void refresh();
    void addRound();
    void removeRound();
    void setExtendedFrame(bool extended);
    void open();
    void save();
    void jump();
    void moved(bool done);
    void showGroups();
    void importDraw();
    void generateDraw();
    void withdrawPilot();
    void printDraw();

    ScheduleRunner& m_runner;
    ScheduleSession& m_session;
    const MonotonicSource& m_time;
    MessageBoxService& m_messageBoxes;
    ScheduleFileDialogs m_dialogs;
    RoundsModel* m_model;
    QTableView* m_rounds;
    QComboBox* m_presets;
    QCheckBox* m_extendedFrame;
    QLabel* m_current;
    QLabel* m_next;
    QSpinBox* m_jumpTo[3];
    QTreeWidget* m_groups;
    QLabel* m_drawSummary;
};

} // namespace aerolap
