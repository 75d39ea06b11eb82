#include "ScheduleWindow.h"

#include "DrawPdf.h"
#include "RoundsModel.h"
#include "elements/TimeText.h"
#include "platform/NameTable.h"
#include "schedule/F3kTasks.h"
#include "schedule/ScheduleFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace aerolap {

namespace {

constexpr NameTable<ScheduleRunner::State, 5> kStateNames{{
    {ScheduleRunner::State::Waiting,
     QT_TRANSLATE_NOOP("aerolap::ScheduleWindow", "waiting for START")},
    {ScheduleRunner::State::Running, QT_TRANSLATE_NOOP("aerolap::ScheduleWindow", "cycle running")},
    {ScheduleRunner::State::Gap, QT_TRANSLATE_NOOP("aerolap::ScheduleWindow", "gap")},
    {ScheduleRunner::State::Paused, QT_TRANSLATE_NOOP("aerolap::ScheduleWindow", "stopped")},
    {ScheduleRunner::State::Finished,
     QT_TRANSLATE_NOOP("aerolap::ScheduleWindow", "schedule done")},
}};

QString where(SchedulePosition position) {
    return ScheduleWindow::tr("round %1, group %2, flight %3")
        .arg(position.round + 1)
        .arg(position.group + 1)
        .arg(position.flight + 1);
}

/// A button at the end of `layout` that calls `clicked` on `window`.
template <typename Slot>
void addButton(ScheduleWindow* window, QLayout* layout, const QString& text, Slot clicked) {
    auto* made = new QPushButton(text, window);
    layout->addWidget(made);
    QObject::connect(made, &QPushButton::clicked, window, clicked);
}

} // namespace

ScheduleWindow::ScheduleWindow(ScheduleRunner& runner, ScheduleSession& session,
                               const MonotonicSource& time, MessageBoxService& messageBoxes,
                               QWidget* parent, ScheduleFileDialogs dialogs)
    : QWidget(parent, Qt::Window), m_runner(runner), m_session(session), m_time(time),
      m_messageBoxes(messageBoxes), m_dialogs(std::move(dialogs)),
      m_model(new RoundsModel(runner, session, messageBoxes, this)), m_rounds(new QTableView(this)),
      m_presets(new QComboBox(this)),
      m_extendedFrame(new QCheckBox(tr("Extended display frame"), this)),
      m_current(new QLabel(this)), m_next(new QLabel(this)), m_jumpTo{},
      m_groups(new QTreeWidget(this)), m_drawSummary(new QLabel(this)) {
    setWindowTitle(tr("Contest schedule"));
    auto* layout = new QVBoxLayout(this);
    auto* files = new QHBoxLayout;
    addButton(this, files, tr("Open..."), &ScheduleWindow::open);
    addButton(this, files, tr("Save"), &ScheduleWindow::save);
    files->addWidget(m_extendedFrame);
    layout->addLayout(files);

    m_rounds->setObjectName(QStringLiteral("rounds"));
    m_rounds->setModel(m_model);
    // Each heading takes the room its word needs in the language; the title the rest.
    m_rounds->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rounds->horizontalHeader()->setSectionResizeMode(static_cast<int>(RoundField::Title),
                                                       QHeaderView::Stretch);
    m_groups->setObjectName(QStringLiteral("groups"));
    m_groups->setHeaderLabel(tr("Draw"));
    auto* tables = new QHBoxLayout;
    tables->addWidget(m_rounds, 3);
    tables->addWidget(m_groups, 2);
    layout->addLayout(tables);
    connect(m_rounds->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ScheduleWindow::showGroups);

    auto* draws = new QHBoxLayout;
    addButton(this, draws, tr("Import draw..."), &ScheduleWindow::importDraw);
    addButton(this, draws, tr("Generate draw..."), &ScheduleWindow::generateDraw);
    addButton(this, draws, tr("Withdraw pilot..."), &ScheduleWindow::withdrawPilot);
    addButton(this, draws, tr("Print draw..."), &ScheduleWindow::printDraw);
    m_drawSummary->setObjectName(QStringLiteral("drawSummary"));
    draws->addWidget(m_drawSummary, 1);
    layout->addLayout(draws);

    auto* rounds = new QHBoxLayout;
    for (const F3kTask& task : f3kTasks()) {
        m_presets->addItem(tr("%1: %2 (%3)", "task letter: title (working time)")
                               .arg(QString::fromLatin1(task.letter),
                                    QCoreApplication::translate("F3kTasks", task.title),
                                    QString::fromStdString(TimeText::fromSeconds(task.working))));
    }
    rounds->addWidget(m_presets);
    addButton(this, rounds, tr("Add round"), &ScheduleWindow::addRound);
    addButton(this, rounds, tr("Remove round"), &ScheduleWindow::removeRound);
    layout->addLayout(rounds);

    m_current->setObjectName(QStringLiteral("current"));
    m_next->setObjectName(QStringLiteral("next"));
    layout->addWidget(m_current);
    layout->addWidget(m_next);

    auto* moves = new QHBoxLayout;
    addButton(this, moves, tr("Back one"), [this] { moved(m_runner.back()); });
    addButton(this, moves, tr("Skip"), [this] { moved(m_runner.skip()); });
    for (QSpinBox*& spin : m_jumpTo) {
        spin = new QSpinBox(this);
        spin->setRange(1, 99);
        moves->addWidget(spin);
    }
    addButton(this, moves, tr("Jump"), &ScheduleWindow::jump);
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
    showGroups();
    const QSignalBlocker frameQuiet(m_extendedFrame);
    const bool loaded = m_runner.loaded();
    m_extendedFrame->setChecked(loaded && m_runner.schedule().extendedFrame);
    if (!loaded) {
        m_current->setText(tr("No schedule: open one or add a round."));
        m_next->clear();
        return;
    }
    m_current->setText(tr("%1: %2", "where the schedule stands: its state")
                           .arg(where(m_runner.position()),
                                tr(std::string(nameOf(kStateNames, m_runner.state())).c_str())));
    const auto startsAt = m_runner.nextCycleStartsAt();
    const auto next = nextPosition(m_runner.schedule(), m_runner.position());
    const bool inGap = m_runner.state() == ScheduleRunner::State::Gap;
    if (!startsAt || (!inGap && !next)) {
        m_next->setText(next ? tr("Next: %1").arg(where(*next)) : QString());
        return;
    }
    const auto wait = std::chrono::duration_cast<std::chrono::seconds>(*startsAt - m_time.now());
    m_next->setText(tr("Next: %1 at %2")
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
    // The round's draw goes with it.
    if (schedule.draw && row < std::ssize(schedule.draw->rounds)) {
        schedule.draw->rounds.erase(schedule.draw->rounds.begin() + row);
    }
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
        m_messageBoxes.show({tr("The schedule moves only while no cycle runs, and only to a "
                                "cycle it holds.")
                                 .toStdString(),
                             "Aerolap", MessageIcon::Information, MessageButtons::Ok});
    }
}

void ScheduleWindow::showGroups() {
    m_groups->clear();
    const Draw* draw =
        m_runner.loaded() && m_runner.schedule().draw ? &*m_runner.schedule().draw : nullptr;
    if (draw == nullptr) {
        m_drawSummary->setText(tr("No draw"));
        return;
    }
    const Evenness even = evennessOf(*draw);
    m_drawSummary->setText(
        tr("%n pilot(s), %1; two pilots meet %2 to %3 times", nullptr,
           static_cast<int>(draw->pilots.size()))
            .arg(draw->generation
                     ? tr("generated with seed %1").arg(QString::number(draw->generation->seed))
                     : tr("imported"))
            .arg(even.fewest)
            .arg(even.most));
    const SchedulePosition here = m_runner.position();
    const int chosen = m_rounds->currentIndex().row();
    const int round = chosen >= 0 ? chosen : here.round;
    std::optional<SchedulePosition> next = here;
    while (next && next->round == here.round && next->group == here.group) {
        next = nextPosition(m_runner.schedule(), *next);
    }
    m_groups->setHeaderLabel(tr("Draw of round %1").arg(round + 1));
    const int groups = round < std::ssize(draw->rounds)
                           ? static_cast<int>(draw->rounds[static_cast<std::size_t>(round)].size())
                           : 0;
    for (int group = 0; group < groups; ++group) {
        QString title = tr("Group %1").arg(group + 1);
        const bool inHand = round == here.round && group == here.group;
        if (inHand) {
            title = tr("Group %1 (in hand)").arg(group + 1);
        } else if (next && round == next->round && group == next->group) {
            title = tr("Group %1 (next)").arg(group + 1);
        }
        auto* item = new QTreeWidgetItem(m_groups, {title});
        QFont font = item->font(0);
        font.setBold(inHand);
        item->setFont(0, font);
        for (const std::string& name : pilotsOf(*draw, round, group)) {
            new QTreeWidgetItem(item, {QString::fromStdString(name)});
        }
        item->setExpanded(true);
    }
}

void ScheduleWindow::importDraw() {
    const QString path = m_dialogs.chooseDrawFile(*this);
    if (!path.isEmpty()) {
        m_session.importDraw(path.toStdString());
    }
}

void ScheduleWindow::generateDraw() {
    if (!m_runner.loaded()) {
        m_session.generateDraw({}, {});
        return;
    }
    auto request = m_dialogs.drawRequest(*this);
    if (!request) {
        return;
    }
    if (const auto even = m_session.generateDraw(std::move(request->pilots), request->settings)) {
        m_messageBoxes.show({tr("Drawn. Two pilots meet %1 to %2 times over the contest.")
                                 .arg(even->fewest)
                                 .arg(even->most)
                                 .toStdString(),
                             "Aerolap", MessageIcon::Information, MessageButtons::Ok});
    }
}

void ScheduleWindow::withdrawPilot() {
    QStringList flying;
    if (m_runner.loaded() && m_runner.schedule().draw) {
        for (const DrawPilot& pilot : m_runner.schedule().draw->pilots) {
            if (!pilot.withdrawnFrom) {
                flying << QString::fromStdString(pilot.name);
            }
        }
    }
    if (flying.isEmpty()) {
        m_messageBoxes.show({tr("There is no draw with a pilot to withdraw.").toStdString(),
                             "Aerolap", MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    const QString pilot = m_dialogs.pilotToWithdraw(*this, flying);
    if (!pilot.isEmpty()) {
        m_session.withdraw(pilot.toStdString());
    }
}

void ScheduleWindow::printDraw() {
    if (!m_runner.loaded() || !m_runner.schedule().draw) {
        m_messageBoxes.show({tr("There is no draw to print.").toStdString(), "Aerolap",
                             MessageIcon::Information, MessageButtons::Ok});
        return;
    }
    const QString path = m_dialogs.choosePdfFile(*this);
    if (path.isEmpty()) {
        return;
    }
    if (const auto error = writeDrawPdf(m_runner.schedule(), path.toStdString())) {
        m_messageBoxes.show({*error, "Aerolap", MessageIcon::Critical, MessageButtons::Ok});
    }
}

} // namespace aerolap
