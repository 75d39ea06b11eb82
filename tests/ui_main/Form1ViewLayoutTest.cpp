// The view against the window's layout tables: geometry, captions, fonts, start-up state,
// the window itself, the focus order and the background.
#include "Form1ViewFixture.h"
#include "ui/main/BackgroundPicture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

namespace aerolap::testing {
namespace {

constexpr qreal kSystemDefault = 8.0;

struct ElementRow {
    const char* name;
    QRect pixels;
    std::optional<std::string> caption;
    qreal points;
    bool bold;
    bool italic;
    bool visibleAfterLoad;
};

// Positions in pixels (twips / 15), relative to the window or to the panel Frame1.
const std::vector<ElementRow> kElements = {
    {"Label2", {136, 152, 457, 97}, "00.00.30", 72, false, true, true},
    {"Label4", {136, 248, 441, 41}, std::nullopt, 21.75, false, false, true},
    {"Label3", {168, 72, 113, 17}, "PREPARAZIONE", 9.75, false, false, true},
    {"Label1", {448, 72, 129, 17}, "TEMPO OPERATIVO", 9.75, false, false, true},
    {"Label8", {624, 16, 57, 17}, "Atterraggio", kSystemDefault, false, false, false},
    {"Label7", {632, 48, 33, 17}, "Beep", kSystemDefault, false, false, false},
    {"Label9", {624, 88, 73, 17}, "azzera variabili", kSystemDefault, false, false, false},
    {"Clock1", {296, 16, 112, 21}, "00.00.30", kSystemDefault, false, false, false},
    {"Clock2", {160, 96, 112, 21}, "00.00.30", kSystemDefault, false, false, true},
    {"Clock3", {456, 96, 112, 21}, "00.10.00", kSystemDefault, false, false, true},
    {"Command5", {264, 488, 193, 41}, "START", 24, true, false, true},
    {"Command7", {264, 488, 193, 41}, "STOP", 24, true, false, false},
    {"Command2", {264, 488, 193, 41}, "RESET", 24, true, false, false},
    {"Command3", {616, 488, 97, 33}, "ATTERRAGGIO", kSystemDefault, false, false, false},
    {"Command1", {8, 488, 113, 33}, "SETUP", 18, false, false, true},
    {"Frame1", {120, 248, 489, 225}, std::nullopt, kSystemDefault, false, false, false},
    // Inside Frame1.
    {"Label5", {16, 8, 57, 17}, "VOCE", 9.75, true, false, true},
    {"Check2", {16, 32, 113, 17}, " PREPARAZIONE", kSystemDefault, false, false, true},
    {"Check4", {16, 56, 105, 17}, " ATTERRAGGIO", kSystemDefault, false, false, true},
    {"Check1", {16, 80, 89, 17}, "TO 9 MINUTI", kSystemDefault, false, false, true},
    {"Check3", {16, 104, 89, 17}, "TO 8 MINUTI", kSystemDefault, false, false, true},
    {"Check5", {16, 128, 89, 17}, "TO 7 MINUTI", kSystemDefault, false, false, true},
    {"Check6", {16, 152, 89, 17}, "TO 6 MINUTI", kSystemDefault, false, false, true},
    {"Check7", {16, 176, 89, 17}, "TO 5 MINUTI", kSystemDefault, false, false, true},
    {"Check8", {136, 32, 89, 17}, "TO 4 MINUTI", kSystemDefault, false, false, true},
    {"Check9", {136, 56, 89, 17}, "TO 3 MINUTI", kSystemDefault, false, false, true},
    {"Check10", {136, 80, 89, 17}, "TO 2 MINUTI", kSystemDefault, false, false, true},
    {"Check11", {136, 104, 97, 17}, "TO 1 MINUTO", kSystemDefault, false, false, true},
    {"Check14", {136, 128, 105, 17}, "TO 30 SECONDI", kSystemDefault, false, false, true},
    {"Check12", {136, 152, 89, 17}, "ITALIANO", kSystemDefault, false, false, true},
    {"Check13", {136, 176, 89, 17}, "INGLESE", kSystemDefault, false, false, true},
    {"Check16", {136, 200, 65, 13}, "BEEP", kSystemDefault, false, false, true},
    {"Line1", {248, 8, 1, 208}, std::nullopt, kSystemDefault, false, false, true},
    {"Label6", {280, 8, 49, 17}, "TASK", 9.75, true, false, true},
    {"Option2", {256, 40, 97, 17}, "TO 10 MINUTI", kSystemDefault, false, false, true},
    {"Option1", {256, 64, 89, 17}, "PROVA E", kSystemDefault, false, false, true},
    {"Option3", {256, 88, 81, 17}, "TO LIBERO", kSystemDefault, false, false, true},
    {"Option4", {256, 112, 57, 17}, "VUZ", kSystemDefault, false, false, true},
    {"Line2", {248, 160, 160, 1}, std::nullopt, kSystemDefault, false, false, true},
    {"Check17", {256, 168, 57, 17}, "Loop", kSystemDefault, false, false, true},
    {"Check15", {256, 192, 145, 25}, "TIMER IN PRIMO PIANO", kSystemDefault, false, false, true},
    {"Line3", {408, 8, 1, 216}, std::nullopt, kSystemDefault, false, false, true},
    {"Label10", {416, 8, 33, 17}, "COM", 9.75, true, false, true},
    {"Combo1", {416, 24, 41, 21}, "1", kSystemDefault, false, false, true},
};

std::string shownText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text().toStdString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text().toStdString();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text().toStdString();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText().toStdString();
    }
    return {};
}

class Form1ViewLayoutTest : public Form1ViewFixture {};

TEST_F(Form1ViewLayoutTest, EveryElementHasItsPlaceCaptionFontAndStartUpVisibility) {
    const std::vector<std::string> panelElements = [] {
        std::vector<std::string> names;
        bool inPanel = false;
        for (const ElementRow& row : kElements) {
            if (inPanel) {
                names.emplace_back(row.name);
            }
            inPanel = inPanel || std::string(row.name) == "Frame1";
        }
        return names;
    }();
    auto* panel = widget("Frame1");
    for (const ElementRow& row : kElements) {
        SCOPED_TRACE(row.name);
        QWidget* element = widget(row.name);
        ASSERT_NE(element, nullptr);
        const bool inPanel =
            std::find(panelElements.begin(), panelElements.end(), row.name) != panelElements.end();
        EXPECT_EQ(element->parentWidget(), inPanel ? panel : &view);
        EXPECT_EQ(element->geometry(), row.pixels);
        if (row.caption) {
            EXPECT_EQ(shownText(element), *row.caption);
        }
        EXPECT_DOUBLE_EQ(element->font().pointSizeF(), row.points);
        EXPECT_EQ(element->font().bold(), row.bold);
        EXPECT_EQ(element->font().italic(), row.italic);
        EXPECT_EQ(element->isVisibleTo(element->parentWidget()), row.visibleAfterLoad);
    }
}

TEST_F(Form1ViewLayoutTest, FontsAreTheSubstitutesOfArialAndMsSansSerif) {
    for (const char* name : {"Label2", "Label4", "Label3", "Command1", "Command5", "Label5"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(QFontInfo(widget(name)->font()).family(), QStringLiteral("Liberation Sans"));
    }
}

TEST_F(Form1ViewLayoutTest, SwitchesStartInTheLoadedState) {
    for (const char* name :
         {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8", "Check9",
          "Check10", "Check11", "Check12", "Check13", "Check14", "Check16"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(widget<QAbstractButton>(name)->isChecked(), true);
    }
    EXPECT_FALSE(widget<QAbstractButton>("Check15")->isChecked());
    EXPECT_FALSE(widget<QAbstractButton>("Check17")->isChecked());
    EXPECT_FALSE(widget("Check12")->isEnabled());
    EXPECT_FALSE(widget("Check13")->isEnabled());

    EXPECT_TRUE(widget<QAbstractButton>("Option2")->isChecked());
    for (const char* name : {"Option1", "Option3", "Option4"}) {
        EXPECT_FALSE(widget<QAbstractButton>(name)->isChecked()) << name;
    }

    auto* combo = widget<QComboBox>("Combo1");
    EXPECT_TRUE(combo->isEditable());
    ASSERT_EQ(combo->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(combo->itemText(i), QString::number(i + 1));
    }
    EXPECT_TRUE(widget<QLineEdit>("Clock1")->isReadOnly());
    EXPECT_FALSE(widget<QLineEdit>("Clock2")->isReadOnly());
    EXPECT_FALSE(widget<QLineEdit>("Clock3")->isReadOnly());
}

TEST_F(Form1ViewLayoutTest, WindowIsAFixedDialogFrameWithOnlyACloseBox) {
    EXPECT_EQ(view.windowTitle(),
              QStringLiteral("Aerolap-Vuz by Birno ver.3.4.2 VERSIONE INGLESE"));
    EXPECT_EQ(view.size(), QSize(730, 551));
    EXPECT_EQ(view.minimumSize(), QSize(730, 551));
    EXPECT_EQ(view.maximumSize(), QSize(730, 551));
    const Qt::WindowFlags flags = view.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(Form1ViewLayoutTest, WindowIsCentredWhenFirstShown) {
    form.window.setVisible(true);
    ASSERT_TRUE(view.isVisible());
    const QPoint screenCentre = view.screen()->availableGeometry().center();
    const QPoint offset = view.frameGeometry().center() - screenCentre;
    EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
}

TEST_F(Form1ViewLayoutTest, FocusChainFollowsTheLayoutOrder) {
    const std::vector<std::string> expected = {
        "Command5", "Command7", "Command1", "Check1",   "Check2",  "Check3",  "Check4",  "Check5",
        "Check6",   "Check7",   "Check8",   "Check9",   "Check10", "Check11", "Check12", "Check13",
        "Option1",  "Option2",  "Command2", "Check14",  "Option3", "Check15", "Check16", "Check17",
        "Clock2",   "Clock3",   "Option4",  "Command3", "Combo1"};
    QWidget* start = widget("Command5");
    std::vector<std::string> chain;
    QWidget* at = start;
    do {
        const std::string name = at->objectName().toStdString();
        if (std::find(expected.begin(), expected.end(), name) != expected.end()) {
            chain.push_back(name);
        }
        at = at->nextInFocusChain();
    } while (at != start && chain.size() <= expected.size());
    EXPECT_EQ(chain, expected);
}

TEST_F(Form1ViewLayoutTest, StartHasTheFocusAndTabSkipsHiddenElements) {
    form.window.setVisible(true);
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view, 5000));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command5"));

    // With the panel closed only SETUP and the two setting clocks follow START.
    std::vector<std::string> visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Command1", "Clock2", "Clock3", "Command5"}));
}

TEST(BackgroundPictureTest, GreyFieldLightEllipseDarkOutlineAndBlackNameAtTheTop) {
    const QImage picture = BackgroundPicture::render();
    ASSERT_EQ(picture.size(), QSize(730, 550));
    const auto grey = [](QRgb pixel) {
        return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
    };

    const QRgb field = picture.pixel(1, 548);
    const QRgb ellipse = picture.pixel(365, 275);
    EXPECT_TRUE(grey(field));
    EXPECT_TRUE(grey(ellipse));
    EXPECT_GT(qGray(field), 64);
    EXPECT_GT(qGray(ellipse), qGray(field) + 40);

    // The outline crosses the middle row near each side, darker than both.
    const auto darkestAcross = [&](int from, int to) {
        int darkest = 255;
        for (int x = from; x <= to; ++x) {
            darkest = std::min(darkest, qGray(picture.pixel(x, 275)));
        }
        return darkest;
    };
    EXPECT_LT(darkestAcross(0, 20), qGray(field) - 40);
    EXPECT_LT(darkestAcross(709, 729), qGray(field) - 40);

    // Black lettering reaches into both top corners.
    const auto blackIn = [&](const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += qGray(picture.pixel(x, y)) < 16 ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_GT(blackIn(QRect(0, 0, 70, 70)), 100);
    EXPECT_GT(blackIn(QRect(660, 0, 70, 70)), 100);
    EXPECT_EQ(blackIn(QRect(0, 480, 730, 70)), 0);
}

TEST_F(Form1ViewLayoutTest, PictureCoversTheClientAreaButItsBottomRow) {
    const QImage shown = view.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(730, 551));
    for (int x : {0, 300, 729}) {
        EXPECT_EQ(QColor(shown.pixel(x, 550)), QColor(0, 192, 192)) << x;
    }
    const QImage picture = BackgroundPicture::render();
    // Points that no element covers show the picture unchanged.
    for (const QPoint point : {QPoint(1, 548), QPoint(365, 130), QPoint(700, 300)}) {
        EXPECT_EQ(shown.pixel(point), picture.pixel(point)) << point.x() << "," << point.y();
    }
}

} // namespace
} // namespace aerolap::testing
