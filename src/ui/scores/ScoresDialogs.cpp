#include "ScoresDialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>

namespace aerolap {

namespace {

constexpr int kMostPenalty = 100'000;

/// The texts of this file, as the catalogues hold them (lupdate reads `ScoresDialogsText::tr`).
struct ScoresDialogsText {
    Q_DECLARE_TR_FUNCTIONS(ScoresDialogs)
};

QDialogButtonBox* okAndCancel(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

QListWidget* checkList(const QStringList& pilots, QWidget& parent) {
    auto* list = new QListWidget(&parent);
    for (const QString& pilot : pilots) {
        auto* item = new QListWidgetItem(pilot, list);
        item->setCheckState(Qt::Unchecked);
    }
    return list;
}

std::vector<int> checked(const QListWidget& list) {
    std::vector<int> rows;
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->checkState() == Qt::Checked) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::optional<ReflightChoice> askForReflight(QWidget& parent, const QStringList& pilots) {
    QDialog dialog(&parent);
    dialog.setWindowTitle(ScoresDialogsText::tr("Re-flight group"));
    auto* form = new QFormLayout(&dialog);
    QListWidget* granted = checkList(pilots, dialog);
    QListWidget* fillers = checkList(pilots, dialog);
    form->addRow(ScoresDialogsText::tr("Granted a re-flight:"), granted);
    form->addRow(ScoresDialogsText::tr("Fill the group (keep the better score):"), fillers);
    form->addRow(okAndCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ReflightChoice{checked(*granted), checked(*fillers)};
}

template <typename Value>
QComboBox* choices(QFormLayout& form, const QString& label,
                   std::initializer_list<std::pair<const char*, Value>> items, Value now) {
    auto* box = new QComboBox(form.parentWidget());
    form.addRow(label, box);
    for (const auto& [text, value] : items) {
        box->addItem(ScoresDialogsText::tr(text), static_cast<int>(value));
        if (value == now) {
            box->setCurrentIndex(box->count() - 1);
        }
    }
    return box;
}

QSpinBox* number(QFormLayout& form, const QString& label, int low, int high, int now) {
    auto* spin = new QSpinBox(form.parentWidget());
    form.addRow(label, spin);
    spin->setRange(low, high);
    spin->setValue(now);
    return spin;
}

std::optional<RulesChoice> askForRules(QWidget& parent, const RulesChoice& now, int rounds) {
    const ContestRules& rules = now.rules;
    QDialog dialog(&parent);
    dialog.setWindowTitle(ScoresDialogsText::tr("Contest rules"));
    auto* form = new QFormLayout(&dialog);
    auto* dropped = new QLineEdit(dropStepsText(rules.droppedRounds), &dialog);
    form->addRow(ScoresDialogsText::tr("Rounds dropped (from rounds:dropped):"), dropped);
    QSpinBox* minimum = number(*form, ScoresDialogsText::tr("Completed rounds for a final score:"),
                               0, 99, rules.minimumRounds);
    QSpinBox* penalty =
        number(*form, ScoresDialogsText::tr("Penalty points that disqualify, over:"), 0,
               kMostPenalty, rules.penaltyLimit);
    QComboBox* reflight = choices(
        *form, ScoresDialogsText::tr("Re-flight:"),
        {std::pair(QT_TRANSLATE_NOOP("ScoresDialogs", "The re-flown pilot takes the re-flight"),
                   ReflightRule::ReflownPilotTakesReflight),
         std::pair(QT_TRANSLATE_NOOP("ScoresDialogs", "The better of two for everyone"),
                   ReflightRule::BetterOfTwoForEveryone)},
        rules.reflight);
    QComboBox* team = choices(
        *form, ScoresDialogsText::tr("Team result:"),
        {std::pair(QT_TRANSLATE_NOOP("ScoresDialogs", "Nominated members"),
                   TeamRule::NominatedMembers),
         std::pair(QT_TRANSLATE_NOOP("ScoresDialogs", "Best members"), TeamRule::BestMembers)},
        rules.team);
    QSpinBox* members =
        number(*form, ScoresDialogsText::tr("Members counted:"), 1, 99, rules.teamMembersCounted);
    QSpinBox* poker =
        number(*form, ScoresDialogsText::tr("Poker targets counted:"), 1, 9, rules.pokerTargets);
    QComboBox* taskD = choices(
        *form, ScoresDialogsText::tr("Task D:"),
        {std::pair(QT_TRANSLATE_NOOP("ScoresDialogs", "Two flights"), TaskDForm::TwoFlights),
         std::pair(QT_TRANSLATE_NOOP("ScoresDialogs", "Ladder of 30 s to 120 s"),
                   TaskDForm::Ladder)},
        rules.taskD);
    QSpinBox* flyOff = number(*form, ScoresDialogsText::tr("Fly-off from round:"), 0, rounds,
                              now.flyOffFrom ? *now.flyOffFrom + 1 : 0);
    flyOff->setSpecialValueText(ScoresDialogsText::tr("none"));
    form->addRow(okAndCancel(dialog));
    while (dialog.exec() == QDialog::Accepted) {
        const auto steps = dropStepsFrom(dropped->text());
        if (!steps) {
            QMessageBox::warning(
                &dialog, ScoresDialogsText::tr("Contest rules"),
                ScoresDialogsText::tr("Write the dropped rounds as steps like 5:1 9:2: from 5 "
                                      "rounds 1 is dropped, from 9 rounds 2."));
            continue;
        }
        ContestRules chosen = rules;
        chosen.droppedRounds = *steps;
        chosen.minimumRounds = minimum->value();
        chosen.penaltyLimit = penalty->value();
        chosen.reflight = static_cast<ReflightRule>(reflight->currentData().toInt());
        chosen.team = static_cast<TeamRule>(team->currentData().toInt());
        chosen.teamMembersCounted = members->value();
        chosen.pokerTargets = poker->value();
        chosen.taskD = static_cast<TaskDForm>(taskD->currentData().toInt());
        return RulesChoice{chosen, flyOff->value() == 0 ? std::nullopt
                                                        : std::optional(flyOff->value() - 1)};
    }
    return std::nullopt;
}

} // namespace

ScoresDialogs systemScoresDialogs() {
    return {[](QWidget& parent, const QString& caption, const QString& filter) {
                return QFileDialog::getSaveFileName(&parent, caption, {}, filter);
            },
            askForReflight, askForRules};
}

QString dropStepsText(const std::vector<DropStep>& steps) {
    QStringList parts;
    for (const DropStep& step : steps) {
        parts << QStringLiteral("%1:%2").arg(step.fromRounds).arg(step.dropped);
    }
    return parts.join(QLatin1Char(' '));
}

std::optional<std::vector<DropStep>> dropStepsFrom(const QString& text) {
    std::vector<DropStep> steps;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList numbers = part.split(QLatin1Char(':'));
        bool fromOk = false;
        bool droppedOk = false;
        const int from = numbers.value(0).toInt(&fromOk);
        const int dropped = numbers.value(1).toInt(&droppedOk);
        if (numbers.size() != 2 || !fromOk || !droppedOk || from < 1 || from > 99 || dropped < 0 ||
            dropped > 99) {
            return std::nullopt;
        }
        steps.push_back({from, dropped});
    }
    return steps;
}

} // namespace aerolap
