// The windows Aerolap adds, and their dialogs, in other languages: no text cut off at the size
// they open at, nor at the smallest their layouts allow. A translator that makes every text 40%
// longer catches what a language would; the shipped catalogues are checked as they are.
#include "ContestDay.h"
#include "LengtheningTranslator.h"
#include "TextFit.h"
#include "TimedComposition.h"
#include "i18n/Catalogues.h"
#include "ui/day_log/DayLogWindow.h"
#include "ui/notices/NoticesWindow.h"
#include "ui/pilots/PilotsDisplayWindow.h"
#include "ui/remote/PairingWindow.h"
#include "ui/schedule/ScheduleWindow.h"
#include "ui/scores/ScoresWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace aerolap::testing {
namespace {

/// A language the windows are shown in: a shipped catalogue, or none and every text longer.
struct Language {
    const char* name;
    const char* code;
};

void PrintTo(const Language& language, std::ostream* os) {
    *os << language.name;
}

/// Asked first for every text, it answers none, and notes each of the program's texts that the
/// catalogue of `code` does not hold: a text marked under another context than the one it is
/// looked up in, or not marked so that lupdate sees it, would show in English.
class CatalogueGaps final : public QTranslator {
public:
    explicit CatalogueGaps(const char* code) {
        EXPECT_TRUE(
            m_catalogue.load(QStringLiteral(":/aerolap/i18n/aerolap_") + QLatin1StringView(code)));
    }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        // Qt's own texts are in Qt's catalogues.
        const bool qts = context[0] == 'Q' && QChar::fromLatin1(context[1]).isUpper();
        if (!qts && *sourceText != '\0' &&
            m_catalogue.translate(context, sourceText, disambiguation, n).isEmpty()) {
            m_gaps << QStringLiteral("%1: %2").arg(QLatin1StringView(context),
                                                   QString::fromUtf8(sourceText));
        }
        return {};
    }
    bool isEmpty() const override { return false; }
    QStringList gaps() const { return m_gaps; }

private:
    QTranslator m_catalogue;
    mutable QStringList m_gaps;
};

void expectFits(QWidget& window) {
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(clippedTexts(window).join(QLatin1Char('\n')).toStdString(), "")
        << "at the size it opens at";
    // No smaller than its layout allows.
    window.resize(1, 1);
    QApplication::processEvents();
    EXPECT_EQ(clippedTexts(window).join(QLatin1Char('\n')).toStdString(), "")
        << "at its smallest, " << window.width() << "x" << window.height();
}

/// Checks the dialog that `open` brings up, then cancels it.
void expectDialogFits(const std::function<void()>& open) {
    bool checked = false;
    QTimer::singleShot(0, [&checked] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog came up";
            return;
        }
        expectFits(*dialog);
        checked = true;
        dialog->close();
    });
    open();
    EXPECT_TRUE(checked);
}

struct WindowsInLanguage : ::testing::TestWithParam<Language> {
    void SetUp() override {
        if (GetParam().code == nullptr) {
            m_lengthened = std::make_unique<LengtheningTranslator>();
            QCoreApplication::installTranslator(m_lengthened.get());
            return;
        }
        m_catalogues = std::make_unique<Catalogues>(
            GetParam().code, QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
        EXPECT_TRUE(m_catalogues->programLoaded());
        m_gaps = std::make_unique<CatalogueGaps>(GetParam().code);
        QCoreApplication::installTranslator(m_gaps.get());
    }
    void TearDown() override {
        if (m_gaps) {
            EXPECT_EQ(m_gaps->gaps().join(QLatin1Char('\n')).toStdString(), "")
                << "texts the catalogue does not hold";
        }
        QCoreApplication::removeTranslator(m_gaps.get());
        QCoreApplication::removeTranslator(m_lengthened.get());
    }

    TimedComposition world;
    QWidget parent;

private:
    std::unique_ptr<LengtheningTranslator> m_lengthened;
    std::unique_ptr<Catalogues> m_catalogues;
    std::unique_ptr<CatalogueGaps> m_gaps;
};

TEST_P(WindowsInLanguage, NoticesAndDayLogFit) {
    NoticesWindow notices(world.notices);
    expectFits(notices);
    DayLogWindow dayLog([] { return QStringLiteral("<p>09:00:00 START</p>"); });
    expectFits(dayLog);
}

TEST_P(WindowsInLanguage, PilotsDisplayFitsOnAndOff) {
    PilotsDisplayWindow on({QStringLiteral("http://192.168.1.20:8080/")}, {});
    expectFits(on);
    PilotsDisplayWindow off({}, QCoreApplication::translate(
                                    "Message", "The pilots' display is switched off (port 0)."));
    expectFits(off);
}

TEST_P(WindowsInLanguage, PairingWindowsFitWithADevicePaired) {
    QTemporaryDir folder;
    FileWriter files{world.notices};
    RemoteAccess access{world.time, world.time.wall, world.notices, folder.path().toStdString(),
                        files};
    for (const DeviceRole role : {DeviceRole::Director, DeviceRole::Timekeeper}) {
        PairingWindow window(access, role, {QStringLiteral("http://192.168.1.20:8080/remote")}, {});
        window.show();
        ASSERT_TRUE(access.pair(role, *access.pairingCode(role), "Phone", "phone").device);
        QApplication::processEvents();
        expectFits(window);
    }
}

TEST_P(WindowsInLanguage, ScheduleWindowAndItsDialogsFit) {
    world.loadSchedule(kContestDay);
    ScheduleWindow window(world.timer.scheduleRunner(), world.timer.schedule(), world.time,
                          world.timer.messageBoxes());
    expectFits(window);
    expectDialogFits([this] { askForDraw(parent); });
    expectDialogFits([this] { askWhoWithdraws(parent, {QStringLiteral("Anna")}); });
}

TEST_P(WindowsInLanguage, ScoresWindowAndItsDialogsFit) {
    world.loadSchedule(kContestDay);
    ScoresWindow window(world.timer.scores(), world.timer.scheduleRunner());
    QWidget timekeepers;
    window.offerTimekeepers(timekeepers);
    expectFits(window);
    // The poker round adds its targets.
    window.showGroup({1, 0});
    expectFits(window);
    const ScoresDialogs dialogs = systemScoresDialogs();
    expectDialogFits([&] { dialogs.reflight(parent, {QStringLiteral("Anna")}); });
    expectDialogFits([&] { dialogs.rules(parent, {}, 3); });
}

const Language kLanguages[] = {{"Lengthened", nullptr}, {"Italian", "it"}, {"German", "de"}};

INSTANTIATE_TEST_SUITE_P(Languages, WindowsInLanguage, ::testing::ValuesIn(kLanguages),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace aerolap::testing
