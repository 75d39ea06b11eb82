#include "ScoresWindow.h"

#include "CardsPdf.h"
#include "ResultsPdf.h"
#include "files/WholeFileSave.h"
#include "scores/CardText.h"
#include "scores/ResultsCsv.h"
#include "scoring/FlightEntry.h"
#include "scoring/RoundScores.h"
#include "scoring/ScoreText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <algorithm>

namespace aerolap {

namespace {

enum Column { Pilot, Targets, Flights, Penalty, Mark, Raw, Score, Source };

constexpr CardMark kMarks[] = {CardMark::Signed, CardMark::Unsigned, CardMark::NoShow};

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QLabel* labelFor(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

/// The width `edit` needs to show `shown` whole, in whatever language it is said.
int widthToShow(const QLineEdit& edit, const QString& shown) {
    QStyleOptionFrame frame;
    frame.initFrom(&edit);
    frame.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &edit);
    // A line edit keeps two pixels between its frame and its text on each side.
    const QSize text(edit.fontMetrics().horizontalAdvance(shown) + 4, edit.fontMetrics().height());
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &frame, text, &edit).width();
}

template <typename Window>
void button(const QString& caption, Window* window, QLayout* layout, void (Window::*clicked)()) {
    auto* made = new QPushButton(caption, window);
    layout->addWidget(made);
    QObject::connect(made, &QPushButton::clicked, window, clicked);
}

} // namespace

ScoresWindow::ScoresWindow(ScoresSession& session, ScheduleRunner& runner, QWidget* parent,
                           ScoresDialogs dialogs)
    : QWidget(parent, Qt::Window), m_session(session), m_runner(runner),
      m_dialogs(std::move(dialogs)), m_round(new QSpinBox(this)), m_group(new QSpinBox(this)),
      m_task(new QLabel(this)), m_sheet(new QWidget), m_grid(new QGridLayout(m_sheet)),
      m_message(new QLabel(this)), m_buttons(new QHBoxLayout) {
    setWindowTitle(tr("Scores"));
    auto* layout = new QVBoxLayout(this);
    auto* place = new QHBoxLayout;
    // The director types cards at the keyboard: Alt and a letter reach the round, the group and
    // the buttons used most.
    place->addWidget(labelFor(tr("&Round"), m_round));
    place->addWidget(m_round);
    place->addWidget(labelFor(tr("&Group"), m_group));
    place->addWidget(m_group);
    place->addWidget(m_task, 1);
    layout->addLayout(place);
    m_round->setObjectName(QStringLiteral("round"));
    m_group->setObjectName(QStringLiteral("group"));
    m_task->setObjectName(QStringLiteral("task"));

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_sheet);
    layout->addWidget(scroll, 1);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    layout->addWidget(m_message);

    auto* group = m_buttons;
    button(tr("&Confirm group"), this, group, &ScoresWindow::confirm);
    button(tr("Re-flight group..."), this, group, &ScoresWindow::addReflight);
    button(tr("Rules..."), this, group, &ScoresWindow::editRules);
    group->addStretch();
    button(tr("&Print results..."), this, group, &ScoresWindow::printResults);
    button(tr("Print cards..."), this, group, &ScoresWindow::printCards);
    button(tr("E&xport CSV..."), this, group, &ScoresWindow::exportCsv);
    layout->addLayout(group);

    connect(m_round, &QSpinBox::valueChanged, this, [this] {
        showGroup({m_round->value() - 1, 0});
    });
    connect(m_group, &QSpinBox::valueChanged, this, [this] { rebuild(); });
    session.changed.connect([this] { refresh(); });
    showGroup({});
}

ScoresWindow::~ScoresWindow() {
    for (QWidget* child : m_sheet->findChildren<QWidget*>()) {
        child->blockSignals(true);
    }
}

void ScoresWindow::showEvent(QShowEvent* event) {
    if (const auto group = m_session.groupJustFlown()) {
        showGroup(*group);
    }
    QWidget::showEvent(event);
}

void ScoresWindow::showGroup(GroupPlace group) {
    const QSignalBlocker roundQuiet(m_round);
    const QSignalBlocker groupQuiet(m_group);
    const bool loaded = m_runner.loaded();
    const auto& rounds = loaded ? m_runner.schedule().rounds : std::vector<ScheduleRound>{};
    m_round->setRange(1, std::max<int>(1, static_cast<int>(rounds.size())));
    m_round->setValue(group.round + 1);
    const int round = m_round->value() - 1;
    m_group->setRange(1, round < std::ssize(rounds) ? rounds[static_cast<std::size_t>(round)].groups
                                                    : 1);
    m_group->setValue(group.group + 1);
    rebuild();
}

GroupPlace ScoresWindow::shown() const {
    return {m_round->value() - 1, m_group->value() - 1};
}

std::optional<RoundRules> ScoresWindow::roundRules() {
    const ScoredContest& scored = m_session.contest();
    const auto round = static_cast<std::size_t>(shown().round);
    if (round >= scored.scorable.size() || !scored.scorable[round]) {
        return std::nullopt;
    }
    return scored.contest.rounds[round].rules;
}

const Card* ScoresWindow::stored(const Row& row) const {
    const GroupSheet* group = m_session.sheet().find(shown().round, shown().group);
    if (group == nullptr) {
        return nullptr;
    }
    const auto card = group->cards.find(row.name.toStdString());
    return card == group->cards.end() ? nullptr : &card->second;
}

void ScoresWindow::rebuild() {
    for (const Row& row : m_rows) {
        for (QWidget* widget : std::initializer_list<QWidget*>{
                 row.targets, row.flights, row.penalty, row.mark, row.raw, row.score}) {
            if (widget != nullptr) {
                // Leaving a field that goes away is no entry; its signal may be what rebuilds.
                widget->blockSignals(true);
                widget->setObjectName({});
                widget->hide();
                widget->deleteLater();
            }
        }
    }
    m_rows.clear();
    while (QLayoutItem* item = m_grid->takeAt(0)) {
        if (QWidget* widget = item->widget(); widget != nullptr && !widget->isHidden()) {
            widget->setObjectName({});
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    const auto rules = roundRules();
    const bool poker = rules && rules->counting == Counting::Poker;
    const QString headings[] = {tr("Pilot"), tr("Targets"), tr("Flights"), tr("Penalty"),
                                tr("Mark"),  tr("Raw"),     tr("Score"),   tr("Card")};
    for (int column = Pilot; column <= Source; ++column) {
        if (column != Targets || poker) {
            m_grid->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(headings[column])), 0,
                              column);
        }
    }
    const ScoredContest& scored = m_session.contest();
    QWidget* previous = m_round;
    std::vector<QWidget*> later;
    for (const int pilot : rules ? m_session.pilotsOf(shown()) : std::vector<int>{}) {
        const int line = static_cast<int>(m_rows.size()) + 1;
        const QString index = QString::number(m_rows.size());
        Row& row = m_rows.emplace_back();
        row.pilot = pilot;
        row.name = text(scored.pilots[static_cast<std::size_t>(pilot)].name);
        auto* name = new QLabel(row.name);
        name->setObjectName(QStringLiteral("pilot") + index);
        m_grid->addWidget(name, line, Pilot);
        const auto field = [&](QLineEdit*& edit, const char* objectName, Column column) {
            edit = new QLineEdit;
            edit->setObjectName(QLatin1StringView(objectName) + index);
            m_grid->addWidget(edit, line, column);
            connect(edit, &QLineEdit::textEdited, this, &ScoresWindow::preview);
            connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
                const auto typedIn = std::ranges::find_if(m_rows, [edit](const Row& each) {
                    return edit == each.targets || edit == each.flights || edit == each.penalty;
                });
                // A poker row's targets are typed before its times: the row waits for them.
                const bool timesToCome = typedIn != m_rows.end() && edit == typedIn->targets &&
                                         typedIn->flights->text().isEmpty();
                if (typedIn != m_rows.end() && !timesToCome) {
                    commit(*typedIn);
                }
            });
        };
        if (poker) {
            field(row.targets, "targets", Targets);
            row.targets->setPlaceholderText(tr("target of each flight"));
            row.targets->setMinimumWidth(widthToShow(*row.targets, row.targets->placeholderText()));
        }
        field(row.flights, "flights", Flights);
        field(row.penalty, "penalty", Penalty);
        row.penalty->setMaximumWidth(
            row.penalty->fontMetrics().horizontalAdvance(QStringLiteral("00000")) * 2);
        row.mark = new QComboBox;
        row.mark->setObjectName(QStringLiteral("mark") + index);
        row.mark->addItems({tr("signed"), tr("unsigned"), tr("no-show")});
        m_grid->addWidget(row.mark, line, Mark);
        connect(row.mark, &QComboBox::activated, this, [this, mark = row.mark] {
            const auto found = std::ranges::find(m_rows, mark, &Row::mark);
            if (found != m_rows.end()) {
                commit(*found);
            }
        });
        row.raw = new QLabel;
        row.raw->setObjectName(QStringLiteral("raw") + index);
        m_grid->addWidget(row.raw, line, Raw);
        row.score = new QLabel;
        row.score->setObjectName(QStringLiteral("score") + index);
        m_grid->addWidget(row.score, line, Score);
        row.source = new QLabel;
        row.source->setObjectName(QStringLiteral("source") + index);
        m_grid->addWidget(row.source, line, Source);
        // Tab goes from one pilot's times to the next pilot's; the rest of a row comes after.
        for (QWidget* next :
             {static_cast<QWidget*>(row.targets), static_cast<QWidget*>(row.flights)}) {
            if (next != nullptr) {
                setTabOrder(previous, next);
                previous = next;
            }
        }
        later.insert(later.end(), {row.penalty, row.mark});
    }
    for (QWidget* next : later) {
        setTabOrder(previous, next);
        previous = next;
    }
    m_grid->setRowStretch(static_cast<int>(m_rows.size()) + 1, 1);
    // Shown now rather than on the layout's next turn, so that the first row takes the focus.
    if (m_sheet->isVisible()) {
        for (QWidget* child : m_sheet->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
                child->show();
            }
        }
    }
    refresh();
    if (!m_rows.empty()) {
        m_rows.front().targets != nullptr ? m_rows.front().targets->setFocus()
                                          : m_rows.front().flights->setFocus();
    }
}

QString ScoresWindow::cardSource(const Row& row, const Card* card) const {
    if (card == nullptr) {
        return tr("no card yet");
    }
    const GroupSheet* group = m_session.sheet().find(shown().round, shown().group);
    const auto phone = group->fromPhones.find(row.name.toStdString());
    if (phone == group->fromPhones.end()) {
        return tr("typed in");
    }
    return tr("phone \"%1\", signed \"%2\"")
        .arg(text(phone->second.device), text(phone->second.signedBy));
}

void ScoresWindow::offerTimekeepers(QWidget& window) {
    auto* made = new QPushButton(tr("&Timekeepers..."), this);
    made->setObjectName(QStringLiteral("timekeepers"));
    m_buttons->insertWidget(m_buttons->count() - 4, made);
    connect(made, &QPushButton::clicked, &window, [&window] {
        window.show();
        window.raise();
        window.activateWindow();
    });
}

void ScoresWindow::refresh() {
    if (roundRules() && !std::ranges::equal(m_rows, m_session.pilotsOf(shown()), {}, &Row::pilot)) {
        rebuild();
        return;
    }
    for (Row& row : m_rows) {
        if (row.faulty || row.flights->hasFocus() ||
            (row.targets != nullptr && row.targets->hasFocus()) || row.penalty->hasFocus()) {
            continue;
        }
        const Card* card = stored(row);
        row.source->setText(cardSource(row, card));
        row.flights->setText(card ? text(flightTimes(*card)) : QString());
        if (row.targets != nullptr) {
            row.targets->setText(card ? text(flightTargets(*card)) : QString());
        }
        row.penalty->setText(card && card->penalty != 0 ? QString::number(card->penalty)
                                                        : QString());
        row.mark->setCurrentIndex(static_cast<int>(
            std::ranges::find(kMarks, card ? card->mark : CardMark::Signed) - std::begin(kMarks)));
    }
    const auto rules = roundRules();
    const GroupSheet* group = m_session.sheet().find(shown().round, shown().group);
    if (!m_runner.loaded()) {
        m_task->setText(tr("No schedule: open one with its draw."));
    } else if (!rules) {
        m_task->setText(tr("This round's task is no F3K task (A to N): it is not scored."));
    } else {
        m_task->setText(
            tr("Task %1, working time %2%3: %4")
                .arg(QChar::fromLatin1(rules->task))
                .arg(text(shownTime(rules->workingTime)))
                .arg(group != nullptr && group->reflight ? tr(", re-flight group") : QString())
                .arg(group == nullptr || group->cards.empty() ? tr("nothing entered")
                     : group->confirmed                       ? tr("confirmed")
                                                              : tr("provisional")));
    }
    preview();
}

void ScoresWindow::preview() {
    const auto rules = roundRules();
    if (!rules) {
        return;
    }
    Round round{*rules, {Group{}}, false};
    std::vector<const Row*> scored;
    for (const Row& row : m_rows) {
        const auto card = typed(row);
        const Card* entered = std::get_if<Card>(&card);
        // A bad entry shows the card it leaves standing; a blank row shows none.
        const Card* shown = isBlank(row) ? nullptr : entered != nullptr ? entered : stored(row);
        if (shown == nullptr) {
            row.raw->clear();
            row.score->clear();
            continue;
        }
        round.groups[0].cards.push_back(*shown);
        scored.push_back(&row);
    }
    const GroupResult result = scoreGroups(round).front();
    for (std::size_t i = 0; i < scored.size(); ++i) {
        scored[i]->raw->setText(QString::number(result.cards[i].raw));
        scored[i]->score->setText(text(shownScore(result.cards[i].score)));
    }
}

bool ScoresWindow::isBlank(const Row& row) {
    return row.flights->text().trimmed().isEmpty() &&
           (row.targets == nullptr || row.targets->text().trimmed().isEmpty()) &&
           row.penalty->text().trimmed().isEmpty() && row.mark->currentIndex() == 0;
}

std::variant<Card, QString> ScoresWindow::typed(const Row& row) {
    const auto rules = roundRules();
    if (!rules) {
        return QString();
    }
    const auto fault = [&row](const QString& what) {
        return row.name + QStringLiteral(": ") + what;
    };
    EnteredFlights flights = parseFlights(row.flights->text().toStdString(), *rules);
    if (!flights.flights) {
        return fault(text(flights.error));
    }
    Card card{row.pilot, std::move(*flights.flights), 0, CardMark::Signed, false};
    if (row.targets != nullptr) {
        const EnteredFlights targets = parseFlights(row.targets->text().toStdString(), *rules);
        if (!targets.flights) {
            return fault(tr("target %1").arg(text(targets.error)));
        }
        if (targets.flights->size() != card.flights.size()) {
            return fault(tr("%n target(s) for %1 flight(s): give the target named before each "
                            "flight.",
                            nullptr, static_cast<int>(targets.flights->size()))
                             .arg(card.flights.size()));
        }
        for (std::size_t i = 0; i < card.flights.size(); ++i) {
            card.flights[i].target = (*targets.flights)[i].seconds;
        }
    }
    const QString penalty = row.penalty->text().trimmed();
    bool isNumber = penalty.isEmpty();
    card.penalty = isNumber ? 0 : penalty.toInt(&isNumber);
    if (!isNumber || card.penalty < 0) {
        return fault(tr("the penalty \"%1\" is not a number of points.").arg(penalty));
    }
    card.mark = kMarks[std::clamp(row.mark->currentIndex(), 0, 2)];
    return card;
}

void ScoresWindow::commit(Row& row) {
    auto card = typed(row);
    if (const auto* fault = std::get_if<QString>(&card)) {
        markFault(row, *fault);
        return;
    }
    const bool blank = isBlank(row);
    if (blank && stored(row) == nullptr) {
        return;
    }
    showFaultOn(row, {});
    const QString name = row.name;
    // The session may build the rows again: `row` is not used past this.
    const EntryOutcome outcome = blank ? m_session.clearCard(shown(), row.pilot)
                                       : m_session.enter(shown(), std::get<Card>(card));
    if (!outcome.taken) {
        const auto again = std::ranges::find(m_rows, name, &Row::name);
        if (again != m_rows.end()) {
            markFault(*again, name + QStringLiteral(": ") + text(outcome.refusal));
        }
        return;
    }
    tell((blank ? tr("%1: card cleared.") : tr("%1: entered.")).arg(name));
}

void ScoresWindow::markFault(Row& row, const QString& fault) {
    showFaultOn(row, fault);
    tell(fault + QStringLiteral(" ") + tr("Nothing was entered: the card stays as it was."), true);
}

void ScoresWindow::showFaultOn(Row& row, const QString& fault) {
    row.faulty = !fault.isEmpty();
    for (QLineEdit* edit : {row.targets, row.flights, row.penalty}) {
        if (edit != nullptr) {
            edit->setStyleSheet(row.faulty ? QStringLiteral("background: #ffd6d6") : QString());
            edit->setToolTip(fault);
        }
    }
}

void ScoresWindow::tell(const QString& message, bool fault) {
    m_message->setStyleSheet(fault ? QStringLiteral("color: #b00000; font-weight: bold")
                                   : QString());
    m_message->setText(message);
}

void ScoresWindow::confirm() {
    const EntryOutcome outcome = m_session.confirmGroup(shown());
    tell(outcome.taken
             ? tr("Group %1 of round %2 confirmed.").arg(shown().group + 1).arg(shown().round + 1)
             : text(outcome.refusal),
         !outcome.taken);
}

void ScoresWindow::addReflight() {
    const int round = shown().round;
    std::vector<int> pilots;
    const auto& draw = m_runner.loaded() ? m_runner.schedule().draw : std::nullopt;
    if (draw && round < std::ssize(draw->rounds)) {
        for (const DrawnGroup& group : draw->rounds[static_cast<std::size_t>(round)]) {
            for (const int pilot : group) {
                if (std::ranges::find(pilots, pilot) == pilots.end()) {
                    pilots.push_back(pilot);
                }
            }
        }
    }
    QStringList names;
    for (const int pilot : pilots) {
        names << text(draw->pilots[static_cast<std::size_t>(pilot)].name);
    }
    const auto choice =
        names.isEmpty() ? std::optional(ReflightChoice{}) : m_dialogs.reflight(*this, names);
    if (!choice) {
        return;
    }
    const auto numbers = [&pilots](const std::vector<int>& rows) {
        std::vector<int> chosen;
        for (const int row : rows) {
            chosen.push_back(pilots.at(static_cast<std::size_t>(row)));
        }
        return chosen;
    };
    const EntryOutcome outcome =
        m_session.addReflightGroup(round, numbers(choice->granted), numbers(choice->fillers));
    if (!outcome.taken) {
        tell(text(outcome.refusal), true);
        return;
    }
    showGroup({round, m_runner.schedule().rounds[static_cast<std::size_t>(round)].groups - 1});
    tell(tr("Re-flight group %1 added to round %2: it flies after the round's last group.")
             .arg(shown().group + 1)
             .arg(round + 1));
}

void ScoresWindow::editRules() {
    const ScoreSheet& sheet = m_session.sheet();
    const int rounds = m_runner.loaded() ? static_cast<int>(m_runner.schedule().rounds.size()) : 0;
    if (const auto chosen = m_dialogs.rules(*this, {sheet.rules, sheet.flyOffFrom}, rounds)) {
        const EntryOutcome outcome = m_session.setRules(chosen->rules, chosen->flyOffFrom);
        tell(outcome.taken ? tr("The rules are changed.") : text(outcome.refusal), !outcome.taken);
    }
}

void ScoresWindow::printResults() {
    const QString path = m_dialogs.fileToWrite(*this, tr("Print results"), tr("PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const auto error =
        writeResultsPdf(m_session.contest(), m_session.results(), path.toStdString());
    tell(error ? text(*error) : tr("The results are in %1.").arg(path), error.has_value());
}

void ScoresWindow::printCards() {
    const auto rules = roundRules();
    if (!rules) {
        tell(tr("This round is not scored: it has no cards."), true);
        return;
    }
    const QString path = m_dialogs.fileToWrite(*this, tr("Print cards"), tr("PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    const auto error =
        writeCardsPdf(m_runner.schedule(), shown().round, *rules, path.toStdString());
    tell(error ? text(*error)
               : tr("The cards of round %1 are in %2.").arg(shown().round + 1).arg(path),
         error.has_value());
}

void ScoresWindow::exportCsv() {
    const QString path = m_dialogs.fileToWrite(*this, tr("Export CSV"), tr("CSV (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    const auto error =
        saveWholeFile(path.toStdString(), resultsCsv(m_session.contest(), m_session.results()));
    tell(error ? tr("%1 cannot be written (%2).").arg(path, text(*error))
               : tr("The results are in %1.").arg(path),
         error.has_value());
}

} // namespace aerolap
