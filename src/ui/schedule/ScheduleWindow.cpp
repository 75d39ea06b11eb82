#include "ScheduleWindow.h"

#include "RoundsModel.h"
#include "elements/TimeText.h"
#include "schedule/F3kTasks.h"
#include "schedule/ScheduleFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace aerolap {

namespace {

QString nameOf(ScheduleRunner::State state) {
    switch (state) {
    case ScheduleRunner::State::Waiting:
        return QStringLiteral("waiting for START");
    case ScheduleRunner::State::Running:
        return QStringLiteral("cycle running");
    case ScheduleRunner::State::Gap:
        return QStringLiteral("gap");
    case ScheduleRunner::State::Paused:
        return QStringLiteral("stopped");
    case ScheduleRunner::State::Finished:
        return QStringLiteral("schedule done");
    }
    return {};
}

QString where(SchedulePosition position) {
    return QStringLiteral("round %1, group %2, flight %3")
        .arg(position.round + 1)
        .arg(position.group + 1)
        .arg(position.flight + 1);
}

QPushButton* button(const QString& text, QWidget* parent, QLayout* layout) {
    auto* made = new QPushButton(text, parent);
    layout->addWidget(made);
    return made;
}

} // namespace

ScheduleWindow::ScheduleWindow(ScheduleRunner& runner, ScheduleSession& session,
                               const MonotonicSource& time, MessageBoxService& messageBoxes,
                               QWidget* parent, ScheduleFileDialogs dialogs)
    : QWidget(parent, Qt::Window), m_runner(runner), m_session(session), m_time(time),
      m_messageBoxes(messageBoxes), m_dialogs(std::move(dialogs)),
      m_model(new RoundsModel(runner, session, messageBoxes, this)), m_rounds(new QTableView(this)),
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
    m_rounds->setModel(m_model);
    m_rounds->horizontalHeader()->setSectionResizeMode(static_cast<int>(RoundField::Title),
                                                       QHeaderView::Stretch);
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

    connect(m_extendedFrame, &QCheckBox::toggled, this, &ScheduleWindow::setExtendedFrame);
    runner.changed.connect([this] { refresh(); });
    refresh();
}

void ScheduleWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void ScheduleWindow::refresh() {
    const QSignalBlocker frameQuiet(m_extendedFrame);
    const bool loaded = m_runner.loaded();
    m_extendedFrame->setChecked(loaded && m_runner.schedule().extendedFrame);
    if (!loaded) {
        m_current->setText(QStringLiteral("No schedule: open one or add a round."));
        m_next->clear();
        return;
    }
    m_current->setText(where(m_runner.position()) + QStringLiteral(": ") +
                       nameOf(m_runner.state()));
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

void ScheduleWindow::addRound() {
    Schedule schedule = m_runner.loaded() ? m_runner.schedule() : Schedule{};
    schedule.rounds.push_back(
        roundOf(f3kTasks()[static_cast<std::size_t>(m_presets->currentIndex())]));
    m_model->edit(std::move(schedule));
}

void ScheduleWindow::removeRound() {
    const int row = m_rounds->currentIndex().row();
    if (!m_runner.loaded() || row < 0 || m_runner.schedule().rounds.size() < 2) {
        return;
    }
    Schedule schedule = m_runner.schedule();
    schedule.rounds.erase(schedule.rounds.begin() + row);
    m_model->edit(std::move(schedule));
}

void ScheduleWindow::setExtendedFrame(bool extended) {
    if (m_runner.loaded()) {
        Schedule schedule = m_runner.schedule();
        schedule.extendedFrame = extended;
        m_model->edit(std::move(schedule));
        // A refused change unticks the box again.
        refresh();
    }
}

void ScheduleWindow::open() {
    const QString path = m_dialogs.chooseToOpen(*this);
    if (!path.isEmpty()) {
        m_session.open(path.toStdString());
    }
}

void ScheduleWindow::save() {
    if (!m_runner.loaded()) {
        return;
    }
    QString path = QString::fromStdString(m_session.path());
    if (path.isEmpty()) {
        path = m_dialogs.chooseToSave(*this);
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
