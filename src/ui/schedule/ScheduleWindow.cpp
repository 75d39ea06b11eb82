#include "ScheduleWindow.h"

#include "elements/TimeText.h"
#include "schedule/F3kTasks.h"
#include "schedule/ScheduleFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace aerolap {

namespace {

enum Column { Task, Title, Working, Groups, Flights, Preparation, kColumns };
constexpr const char* kKeys[kColumns] = {"task",   "title",   "working",
                                         "groups", "flights", "preparation"};
constexpr const char* kStates[] = {"waiting for START", "cycle running", "gap", "stopped",
                                   "schedule done"};

QString where(SchedulePosition position) {
    return QStringLiteral("round %1, group %2, flight %3")
        .arg(position.round + 1)
        .arg(position.group + 1)
        .arg(position.flight + 1);
}

/// A cell as the schedule file would hold it: counts as numbers when they are whole numbers.
QJsonValue cellValue(int column, const QString& text) {
    bool whole = false;
    const int number = text.toInt(&whole);
    if ((column == Groups || column == Flights) && whole) {
        return number;
    }
    if (column == Working || column == Preparation) {
        return QString::fromStdString(
            TimeText::fromTyped(text.toStdString()).value_or(text.toStdString()));
    }
    return text;
}

QPushButton* button(const QString& text, QWidget* parent, QLayout* layout) {
    auto* made = new QPushButton(text, parent);
    layout->addWidget(made);
    return made;
}

} // namespace

ScheduleWindow::ScheduleWindow(ScheduleRunner& runner, ScheduleSession& session,
                               const MonotonicSource& time, MessageBoxService& messageBoxes,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), m_runner(runner), m_session(session), m_time(time),
      m_messageBoxes(messageBoxes), m_rounds(new QTableWidget(0, kColumns, this)),
      m_presets(new QComboBox(this)),
      m_extendedFrame(new QCheckBox(QStringLiteral("Extended display frame"), this)),
      m_current(new QLabel(this)), m_next(new QLabel(this)), m_jumpTo{} {
    setWindowTitle(QStringLiteral("Contest schedule"));
    auto* layout = new QVBoxLayout(this);
    auto* files = new QHBoxLayout;
    connect(button(QStringLiteral("Open..."), this, files), &QPushButton::clicked, this,
            &ScheduleWindow::open);
    connect(button(QStringLiteral("Save"), this, files), &QPushButton::clicked, this,
            &ScheduleWindow::save);
    files->addWidget(m_extendedFrame);
    layout->addLayout(files);

    m_rounds->setObjectName(QStringLiteral("rounds"));
    m_rounds->setHorizontalHeaderLabels({QStringLiteral("Task"), QStringLiteral("Title"),
                                         QStringLiteral("Working"), QStringLiteral("Groups"),
                                         QStringLiteral("Flights"), QStringLiteral("Preparation")});
    m_rounds->horizontalHeader()->setSectionResizeMode(Title, QHeaderView::Stretch);
    layout->addWidget(m_rounds);

    auto* rounds = new QHBoxLayout;
    for (const F3kTask& task : f3kTasks()) {
        m_presets->addItem(QStringLiteral("%1: %2 (%3)")
                               .arg(QString::fromLatin1(task.letter),
                                    QString::fromLatin1(task.title),
                                    QString::fromStdString(TimeText::fromSeconds(task.working))));
    }
    rounds->addWidget(m_presets);
    connect(button(QStringLiteral("Add round"), this, rounds), &QPushButton::clicked, this,
            &ScheduleWindow::addRound);
    connect(button(QStringLiteral("Remove round"), this, rounds), &QPushButton::clicked, this,
            &ScheduleWindow::removeRound);
    layout->addLayout(rounds);

    m_current->setObjectName(QStringLiteral("current"));
    m_next->setObjectName(QStringLiteral("next"));
    layout->addWidget(m_current);
    layout->addWidget(m_next);

    auto* moves = new QHBoxLayout;
    connect(button(QStringLiteral("Back one"), this, moves), &QPushButton::clicked, this,
            [this] { moved(m_runner.back()); });
    connect(button(QStringLiteral("Skip"), this, moves), &QPushButton::clicked, this,
            [this] { moved(m_runner.skip()); });
    for (QSpinBox*& spin : m_jumpTo) {
        spin = new QSpinBox(this);
        spin->setRange(1, 99);
        moves->addWidget(spin);
    }
    connect(button(QStringLiteral("Jump"), this, moves), &QPushButton::clicked, this,
            &ScheduleWindow::jump);
    layout->addLayout(moves);

    connect(m_rounds, &QTableWidget::itemChanged, this, &ScheduleWindow::applyTable);
    connect(m_extendedFrame, &QCheckBox::toggled, this, &ScheduleWindow::setExtendedFrame);
    runner.changed.connect([this] { refresh(); });
    refresh();
}

void ScheduleWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void ScheduleWindow::refresh() {
    const QSignalBlocker tableQuiet(m_rounds);
    const QSignalBlocker frameQuiet(m_extendedFrame);
    const bool loaded = m_runner.loaded();
    const std::vector<ScheduleRound> none;
    const auto& rounds = loaded ? m_runner.schedule().rounds : none;
    m_rounds->setRowCount(static_cast<int>(rounds.size()));
    for (int row = 0; row < m_rounds->rowCount(); ++row) {
        const ScheduleRound& round = rounds[static_cast<std::size_t>(row)];
        const QString texts[kColumns] = {
            QString::fromStdString(round.task),
            QString::fromStdString(round.title),
            QString::fromStdString(TimeText::fromSeconds(round.working)),
            QString::number(round.groups),
            QString::number(round.flights),
            round.preparation ? QString::fromStdString(TimeText::fromSeconds(*round.preparation))
                              : QString()};
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            QFont font = item->font();
            // The round of the cycle in hand stands out.
            font.setBold(row == m_runner.position().round);
            item->setFont(font);
            m_rounds->setItem(row, column, item);
        }
    }
    m_extendedFrame->setChecked(loaded && m_runner.schedule().extendedFrame);
    if (!loaded) {
        m_current->setText(QStringLiteral("No schedule: open one or add a round."));
        m_next->clear();
        return;
    }
    m_current->setText(where(m_runner.position()) + QStringLiteral(": ") +
                       QString::fromLatin1(kStates[static_cast<int>(m_runner.state())]));
    const auto startsAt = m_runner.nextCycleStartsAt();
    const auto next = nextPosition(m_runner.schedule(), m_runner.position());
    const bool inGap = m_runner.state() == ScheduleRunner::State::Gap;
    if (!startsAt || (!inGap && !next)) {
        m_next->setText(next ? QStringLiteral("Next: ") + where(*next) : QString());
        return;
    }
    const auto wait = std::chrono::duration_cast<std::chrono::seconds>(*startsAt - m_time.now());
    m_next->setText(QStringLiteral("Next: %1 at %2")
                        .arg(where(inGap ? m_runner.position() : *next))
                        .arg(QDateTime::currentDateTime()
                                 .addSecs(wait.count())
                                 .toString(QStringLiteral("HH:mm:ss"))));
}

void ScheduleWindow::applyTable() {
    QJsonObject object = scheduleToJson(m_runner.loaded() ? m_runner.schedule() : Schedule{});
    QJsonArray rounds = object.value(QStringLiteral("rounds")).toArray();
    for (int row = 0; row < m_rounds->rowCount(); ++row) {
        QJsonObject round = rounds.at(row).toObject();
        for (int column = 0; column < kColumns; ++column) {
            const QString text =
                m_rounds->item(row, column) ? m_rounds->item(row, column)->text() : QString();
            if (column == Preparation && text.isEmpty()) {
                round.remove(QString::fromLatin1(kKeys[column]));
            } else {
                round.insert(QString::fromLatin1(kKeys[column]), cellValue(column, text));
            }
        }
        rounds.replace(row, round);
    }
    object.insert(QStringLiteral("rounds"), rounds);
    LoadedSchedule edited = scheduleFromJson(object, "The schedule");
    if (!edited.schedule) {
        m_messageBoxes.show({edited.error, "Aerolap", MessageIcon::Critical, MessageButtons::Ok});
        refresh();
        return;
    }
    edit(std::move(*edited.schedule));
}

void ScheduleWindow::addRound() {
    Schedule schedule = m_runner.loaded() ? m_runner.schedule() : Schedule{};
    schedule.rounds.push_back(
        roundOf(f3kTasks()[static_cast<std::size_t>(m_presets->currentIndex())]));
    edit(std::move(schedule));
}

void ScheduleWindow::removeRound() {
    const int row = m_rounds->currentRow();
    if (!m_runner.loaded() || row < 0 || m_runner.schedule().rounds.size() < 2) {
        return;
    }
    Schedule schedule = m_runner.schedule();
    schedule.rounds.erase(schedule.rounds.begin() + row);
    edit(std::move(schedule));
}

void ScheduleWindow::setExtendedFrame(bool extended) {
    if (m_runner.loaded()) {
        Schedule schedule = m_runner.schedule();
        schedule.extendedFrame = extended;
        edit(std::move(schedule));
    }
}

void ScheduleWindow::edit(Schedule schedule) {
    if (!m_session.edit(std::move(schedule))) {
        m_messageBoxes.show({"The schedule can be changed only while no cycle runs.", "Aerolap",
                             MessageIcon::Information, MessageButtons::Ok});
    }
    refresh();
}

void ScheduleWindow::open() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open schedule"), {},
                                                      QStringLiteral("Schedules (*.json)"));
    if (!path.isEmpty()) {
        m_session.open(path.toStdString());
        refresh();
    }
}

void ScheduleWindow::save() {
    if (!m_runner.loaded()) {
        return;
    }
    QString path = QString::fromStdString(m_session.path());
    if (path.isEmpty()) {
        path = QFileDialog::getSaveFileName(this, QStringLiteral("Save schedule"), {},
                                            QStringLiteral("Schedules (*.json)"));
    }
    if (!path.isEmpty()) {
        m_session.saveAs(path.toStdString());
    }
}

void ScheduleWindow::jump() {
    moved(m_runner.jumpTo(
        {m_jumpTo[0]->value() - 1, m_jumpTo[1]->value() - 1, m_jumpTo[2]->value() - 1}));
}

void ScheduleWindow::moved(bool done) {
    if (!done) {
        m_messageBoxes.show({"The schedule moves only while no cycle runs, and only to a cycle "
                             "it holds.",
                             "Aerolap", MessageIcon::Information, MessageButtons::Ok});
    }
}

} // namespace aerolap
