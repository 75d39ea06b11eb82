#include "ScheduleFileDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <set>

namespace aerolap {

namespace {

// Groups of this many pilots suit most F3K fields.
constexpr int kUsualGroupSize = 8;
constexpr int kLargestSeed = 999'999'999;

/// The texts of this file, as the catalogues hold them (lupdate reads
/// `ScheduleFileDialogsText::tr`).
struct ScheduleFileDialogsText {
    Q_DECLARE_TR_FUNCTIONS(ScheduleFileDialogs)
};

} // namespace

QString chooseDrawToImport(QWidget& parent) {
    return QFileDialog::getOpenFileName(&parent, ScheduleFileDialogsText::tr("Import draw"), {},
                                        ScheduleFileDialogsText::tr("Draws (*.csv *.txt)"));
}

QString choosePdfToWrite(QWidget& parent) {
    return QFileDialog::getSaveFileName(&parent, ScheduleFileDialogsText::tr("Print draw"), {},
                                        ScheduleFileDialogsText::tr("PDF (*.pdf)"));
}

std::optional<DrawRequest> askForDraw(QWidget& parent) {
    QDialog dialog(&parent);
    dialog.setWindowTitle(ScheduleFileDialogsText::tr("Generate draw"));
    auto* form = new QFormLayout(&dialog);
    auto* pilots = new QPlainTextEdit(&dialog);
    pilots->setPlaceholderText(
        ScheduleFileDialogsText::tr("One pilot a line: Name, or Name; Team"));
    form->addRow(ScheduleFileDialogsText::tr("Pilots:"), pilots);
    auto* bySize = new QRadioButton(ScheduleFileDialogsText::tr("Group size"), &dialog);
    auto* byCount = new QRadioButton(ScheduleFileDialogsText::tr("Number of groups"), &dialog);
    bySize->setChecked(true);
    auto* size = new QSpinBox(&dialog);
    size->setRange(1, 999);
    size->setValue(kUsualGroupSize);
    form->addRow(bySize, size);
    auto* count = new QSpinBox(&dialog);
    count->setRange(1, 99);
    count->setValue(2);
    form->addRow(byCount, count);
    auto* seed = new QSpinBox(&dialog);
    seed->setRange(0, kLargestSeed);
    seed->setValue(1);
    form->addRow(ScheduleFileDialogsText::tr("Seed (the same seed draws the same again):"), seed);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    while (dialog.exec() == QDialog::Accepted) {
        auto read = pilotsFromLines(pilots->toPlainText());
        if (auto* list = std::get_if<std::vector<DrawPilot>>(&read)) {
            return DrawRequest{std::move(*list),
                               {bySize->isChecked() ? size->value() : 0,
                                byCount->isChecked() ? count->value() : 0,
                                static_cast<std::uint64_t>(seed->value())}};
        }
        QMessageBox::warning(&dialog, ScheduleFileDialogsText::tr("Generate draw"),
                             QString::fromStdString(std::get<std::string>(read)));
    }
    return std::nullopt;
}

QString askWhoWithdraws(QWidget& parent, const QStringList& pilots) {
    bool chosen = false;
    const QString pilot = QInputDialog::getItem(
        &parent, ScheduleFileDialogsText::tr("Withdraw pilot"),
        ScheduleFileDialogsText::tr("Pilot who withdraws from the groups not yet flown:"), pilots,
        0, false, &chosen);
    return chosen ? pilot : QString();
}

ScheduleFileDialogs systemFileDialogs() {
    return {[](QWidget& parent) {
                return QFileDialog::getOpenFileName(
                    &parent, ScheduleFileDialogsText::tr("Open schedule"), {},
                    ScheduleFileDialogsText::tr("Schedules (*.json)"));
            },
            [](QWidget& parent) {
                return QFileDialog::getSaveFileName(
                    &parent, ScheduleFileDialogsText::tr("Save schedule"), {},
                    ScheduleFileDialogsText::tr("Schedules (*.json)"));
            }};
}

std::variant<std::vector<DrawPilot>, std::string> pilotsFromLines(const QString& text) {
    std::vector<DrawPilot> pilots;
    std::set<QString> names;
    int line = 0;
    for (const QString& written : text.split(QLatin1Char('\n'))) {
        ++line;
        const QString name = written.section(QLatin1Char(';'), 0, 0).trimmed();
        const QString team = written.section(QLatin1Char(';'), 1).trimmed();
        if (name.isEmpty() && team.isEmpty()) {
            continue;
        }
        if (name.isEmpty() || !names.insert(name).second) {
            return (name.isEmpty()
                        ? ScheduleFileDialogsText::tr("Line %1: a team without a pilot's name")
                              .arg(line)
                        : ScheduleFileDialogsText::tr("Line %1: \"%2\" is in the list twice")
                              .arg(line)
                              .arg(name))
                .toStdString();
        }
        pilots.push_back({name.toStdString(), team.toStdString(), std::nullopt});
    }
    if (pilots.empty()) {
        return ScheduleFileDialogsText::tr(
                   "The list holds no pilots: one a line, Name or Name; Team.")
            .toStdString();
    }
    return pilots;
}

} // namespace aerolap
