#include "CardsPdf.h"

#include "scores/ResultsTables.h"
#include "scoring/RulesListing.h"
#include "scoring/ScoreText.h"
#include "ui/widgets/LayoutFonts.h"
#include "ui/widgets/PdfPages.h"

#include <QCoreApplication>

namespace aerolap {

namespace {

// Tasks of any number of launches get as many boxes as a timekeeper usually fills; a poker
// attempt takes two, its target and its time, three attempts a row.
constexpr int kOpenBoxes = 10;
constexpr int kPokerAttempts = 8;

int boxesAcross(const RoundRules& rules) {
    return rules.counting == Counting::Poker ? 6 : 5;
}

/// The texts of this file, as the catalogues hold them (lupdate reads `CardsPdfText::tr`).
struct CardsPdfText {
    Q_DECLARE_TR_FUNCTIONS(CardsPdf)
};

QString time(int seconds) {
    return QString::fromStdString(shownTime(seconds));
}

/// What each flight's box is headed with: its number, and its target where the task sets one.
QStringList boxLabels(const RoundRules& rules) {
    QStringList labels;
    if (rules.counting == Counting::Ladder) {
        for (std::size_t i = 0; i < rules.targets.size(); ++i) {
            labels << CardsPdfText::tr("%1: up to %2").arg(i + 1).arg(time(rules.targets[i]));
        }
        return labels;
    }
    if (rules.counting == Counting::Poker) {
        for (int i = 1; i <= rules.launches.value_or(kPokerAttempts); ++i) {
            labels << CardsPdfText::tr("%1: target").arg(i) << CardsPdfText::tr("%1: time").arg(i);
        }
        return labels;
    }
    for (int i = 1; i <= rules.launches.value_or(kOpenBoxes); ++i) {
        labels << QString::number(i);
    }
    return labels;
}

/// The task's counting in one line, from the rules the results list.
QString taskLine(const RoundRules& rules) {
    QStringList parts;
    const std::string task = ruleText("Task", -1);
    const std::string workingTime = ruleText("Working time", -1);
    for (const Setting& setting : settingsOf(rules, ruleText)) {
        if (setting.name != task && setting.name != workingTime) {
            parts << QString::fromStdString(setting.name + ": " + setting.value);
        }
    }
    return parts.join(QStringLiteral("; "));
}

struct CardText {
    QString kind;
    QString who;
};

/// One card at `x`, `width` wide, from the page's current line down.
void drawCard(PdfPages& pages, int x, int width, const CardText& card, const QString& place,
              const QString& task, const QStringList& labels, int across) {
    const int line = pages.line();
    const int top = pages.y();
    const int pad = line / 4;
    pages.text(card.kind, 9, true, x + pad, width - 2 * pad);
    pages.down();
    pages.text(card.who, 11, true, x + pad, width - 2 * pad);
    pages.down();
    pages.text(place, 8, false, x + pad, width - 2 * pad);
    pages.down();
    QPainter& painter = pages.painter();
    painter.setFont(printFont(7));
    painter.drawText(QRect(x + pad, pages.y(), width - 2 * pad, 2 * line),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, task);
    pages.down(2);
    const int boxWidth = (width - 2 * pad) / across;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const int column = static_cast<int>(i) % across;
        const int row = static_cast<int>(i) / across;
        const QRect box(x + pad + column * boxWidth, pages.y() + row * 2 * line, boxWidth,
                        2 * line);
        painter.drawRect(box);
        painter.setFont(printFont(6));
        painter.drawText(box.adjusted(pad / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, labels[i]);
    }
    const int rows = (static_cast<int>(labels.size()) + across - 1) / across;
    pages.downBy(rows * 2 * line + line / 2);
    pages.text(CardsPdfText::tr("Penalty: ______   Pilot: ____________   Timekeeper: ____________"),
               8, false, x + pad, width - 2 * pad);
    pages.down();
    painter.drawRect(x, top, width, pages.y() - top + pad);
}

} // namespace

std::optional<std::string> writeCardsPdf(const Schedule& schedule, int round,
                                         const RoundRules& rules, const std::string& path) {
    const auto r = static_cast<std::size_t>(round);
    const QString written =
        CardsPdfText::tr("Cards %1: cannot be written").arg(QString::fromStdString(path));
    if (!schedule.draw || r >= schedule.draw->rounds.size() || schedule.draw->rounds[r].empty()) {
        return CardsPdfText::tr("Round %1 has no draw: the cards take their names from it.")
            .arg(round + 1)
            .toStdString();
    }
    const QString contest =
        QString::fromStdString(schedule.name.empty() ? "Contest" : schedule.name);
    PdfPages pages(QString::fromStdString(path), CardsPdfText::tr("Cards: %1").arg(contest),
                   contest);
    if (!pages.opened()) {
        return written.toStdString();
    }
    const ScheduleRound& flown = schedule.rounds[r];
    const QString title = QString::fromStdString(flown.title);
    const QString task = taskLine(rules);
    const QStringList labels = boxLabels(rules);
    const int across = boxesAcross(rules);
    const int rows = (static_cast<int>(labels.size()) + across - 1) / across;
    const int gap = pages.line();
    const int half = (pages.width() - gap) / 2;
    const auto& groups = schedule.draw->rounds[r];
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g > 0) {
            pages.newPage();
        }
        const QString place = CardsPdfText::tr("Round %1, group %2, task %3%4, working time %5")
                                  .arg(round + 1)
                                  .arg(g + 1)
                                  .arg(QChar::fromLatin1(rules.task))
                                  .arg(title.isEmpty() ? QString() : QStringLiteral(": ") + title)
                                  .arg(time(rules.workingTime));
        for (const int pilot : groups[g]) {
            const QString name =
                QString::fromStdString(schedule.draw->pilots[static_cast<std::size_t>(pilot)].name);
            pages.need(8 + 2 * rows);
            const int top = pages.y();
            drawCard(pages, 0, half, {CardsPdfText::tr("Score card"), name}, place, task, labels,
                     across);
            const int bottom = pages.y();
            pages.downBy(top - bottom);
            drawCard(
                pages, half + gap, half,
                {CardsPdfText::tr("Timekeeper's card"), CardsPdfText::tr("Times %1").arg(name)},
                place, task, labels, across);
            pages.down();
        }
    }
    if (!pages.finish()) {
        return written.toStdString();
    }
    return std::nullopt;
}

} // namespace aerolap
