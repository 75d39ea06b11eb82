#pragma once

#include "ScoresDialogs.h"
#include "schedule/ScheduleRunner.h"
#include "scores/ScoresSession.h"

#include <QString>
#include <QWidget>
#include <variant>
#include <vector>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace aerolap {

/// The "Scores" window: the cards of one group of a round as the timekeepers wrote them, a row
/// for each pilot of the draw's group, typed quickly (flight times as `2:59 1:30 45` or
/// `259 130 45`, Tab to the next pilot; a poker round's targets beside them), with the penalty
/// and the mark, and each row's raw and normalised score as it is typed. A row is entered when
/// its field is left; a bad one keeps what was typed and says what is wrong at the field, the
/// card entered before staying as it was; a row emptied takes its card out. Beside it the group's
/// confirmation, the re-flight groups, the rules, and the results on paper and as CSV. It enters
/// through the session and decides nothing itself.
class ScoresWindow final : public QWidget {
    Q_OBJECT

public:
    ScoresWindow(ScoresSession& session, ScheduleRunner& runner, QWidget* parent = nullptr,
                 ScoresDialogs dialogs = systemScoresDialogs());
    /// Closing the window leaves the field in hand: that is no entry.
    ~ScoresWindow() override;

    void showGroup(GroupPlace group);
    /// Adds "Timekeepers...", which shows `window` (where the timekeepers' phones are paired).
    void offerTimekeepers(QWidget& window);

protected:
    /// Opens on the group just flown.
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        int pilot = 0;
        QString name;
        QLineEdit* targets = nullptr;
        QLineEdit* flights = nullptr;
        QLineEdit* penalty = nullptr;
        QComboBox* mark = nullptr;
        QLabel* raw = nullptr;
        QLabel* score = nullptr;
        /// Where the card came from, or that none has come yet.
        QLabel* source = nullptr;
        bool faulty = false;
    };

    GroupPlace shown() const;
    std::optional<RoundRules> roundRules();
    const Card* stored(const Row& row) const;
    QString cardSource(const Row& row, const Card* card) const;
    /// Nothing typed and nothing marked: no card, or one to take out.
    static bool isBlank(const Row& row);
    void rebuild();
    void refresh();
    void preview();
    void commit(Row& row);
    std::variant<Card, QString> typed(const Row& row);
    void markFault(Row& row, const QString& fault);
    /// Colours the row's fields and gives them the fault as their tip; no fault clears them.
    static void showFaultOn(Row& row, const QString& fault);
    void tell(const QString& message, bool fault = false);
    void confirm();
    void addReflight();
    void editRules();
    void printResults();
    void printCards();
    void exportCsv();

    ScoresSession& m_session;
    ScheduleRunner& m_runner;
    ScoresDialogs m_dialogs;
    QSpinBox* m_round;
    QSpinBox* m_group;
    QLabel* m_task;
    QWidget* m_sheet;
    QGridLayout* m_grid;
    QLabel* m_message;
    QHBoxLayout* m_buttons;
    std::vector<Row> m_rows;
};

} // namespace aerolap
