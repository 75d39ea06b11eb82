#include "ScheduleFileDialogs.h"

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

} // namespace

QString chooseDrawToImport(QWidget& parent) {
    return QFileDialog::getOpenFileName(&parent, QStringLiteral("Import draw"), {},
                                        QStringLiteral("Draws (*.csv *.txt)"));
}

QString choosePdfToWrite(QWidget& parent) {
    return QFileDialog::getSaveFileName(&parent, QStringLiteral("Print draw"), {},
                                        QStringLiteral("PDF (*.pdf)"));
}

std::optional<DrawRequest> askForDraw(QWidget& parent) {
    QDialog dialog(&parent);
    dialog.setWindowTitle(QStringLiteral("Generate draw"));
    auto* form = new QFormLayout(&dialog);
    auto* pilots = new QPlainTextEdit(&dialog);
    pilots->setPlaceholderText(QStringLiteral("One pilot a line: Name, or Name; Team"));
    form->addRow(QStringLiteral("Pilots:"), pilots);
    auto* bySize = new QRadioButton(QStringLiteral("Group size"), &dialog);
    auto* byCount = new QRadioButton(QStringLiteral("Number of groups"), &dialog);
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
    form->addRow(QStringLiteral("Seed (the same seed draws the same again):"), seed);
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
        QMessageBox::warning(&dialog, QStringLiteral("Generate draw"),
                             QString::fromStdString(std::get<std::string>(read)));
    }
    return std::nullopt;
}

QString askWhoWithdraws(QWidget& parent, const QStringList& pilots) {
    bool chosen = false;
    const QString pilot =
        QInputDialog::getItem(&parent, QStringLiteral("Withdraw pilot"),
                              QStringLiteral("Pilot who withdraws from the groups not yet flown:"),
                              pilots, 0, false, &chosen);
    return chosen ? pilot : QString();
}

ScheduleFileDialogs systemFileDialogs() {
    return {[](QWidget& parent) {
                return QFileDialog::getOpenFileName(&parent, QStringLiteral("Open schedule"), {},
                                                    QStringLiteral("Schedules (*.json)"));
            },
            [](QWidget& parent) {
                return QFileDialog::getSaveFileName(&parent, QStringLiteral("Save schedule"), {},
                                                    QStringLiteral("Schedules (*.json)"));
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
            return "Line " + std::to_string(line) + ": " +
                   (name.isEmpty() ? std::string("a team without a pilot's name")
                                   : "\"" + name.toStdString() + "\" is in the list twice");
        }
        pilots.push_back({name.toStdString(), team.toStdString(), std::nullopt});
    }
    if (pilots.empty()) {
        return std::string("The list holds no pilots: one a line, Name or Name; Team.");
    }
    return pilots;
}

} // namespace aerolap
