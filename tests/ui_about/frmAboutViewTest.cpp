#include "ui/about/frmAboutView.h"

#include "FakeRegistry.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

class AboutBoxView : public ::testing::Test {
protected:
    AboutBoxView() {
        about.Form_Load();
        about.window.setVisible(true);
        view = new frmAboutView(about, [this](QWidget&) { preparedWhileHidden = !view; });
    }
    ~AboutBoxView() override { delete view.data(); }

    /// Lets the event loop run the deferred deletion.
    void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void expectHandedOver() {
        settle();
        EXPECT_TRUE(view.isNull());
        EXPECT_FALSE(about.loaded());
        EXPECT_TRUE(mainWindow.visible());
    }

    FakeRegistry registry;
    FakeFileExistence files;
    RecordingProgramLauncher programs;
    ScriptedMessageBoxes messageBoxes;
    Window mainWindow{"main", false};
    frmAbout about{AboutBoxServices{registry, files, programs, messageBoxes}, mainWindow};
    QPointer<frmAboutView> view;
    bool preparedWhileHidden = false;
};

template <typename T> T* child(QWidget* parent, const char* name) {
    auto* found = parent->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST_F(AboutBoxView, ShowsAsAFixedDialogWithTheLoadedTitle) {
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(view->isModal());
    EXPECT_EQ(view->size(), QSize(389, 247));
    EXPECT_EQ(view->minimumSize(), view->maximumSize());
    EXPECT_EQ(view->windowTitle(), "Informazioni su Aerolap");
    EXPECT_FALSE(view->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(view->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(view->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(AboutBoxView, PreparesTheNativeWindowBeforeShowingIt) {
    // The callback ran inside the constructor, before the view was shown.
    EXPECT_TRUE(preparedWhileHidden);
}

struct Placement {
    const char* name;
    QRect pixels;
    QString text;
};

TEST_F(AboutBoxView, PlacesEveryElementAtItsTwipsOverFifteen) {
    const Placement placements[] = {
        {"picIcon", {16, 8, 34, 34}, ""},
        {"lblTitle", {70, 16, 211, 32}, "Aerolap"},
        {"lblVersion", {70, 52, 315, 15}, "Versione 3.4.2 del 12-03-2008"},
        {"lblDescription",
         {70, 75, 259, 78},
         "ATTENZIONE DISABILITARE SCREEN SAVER, E RISPARMIO ENERGETICO."},
        {"lblDisclaimer", {17, 175, 258, 55}, ""},
        {"cmdOK", {283, 175, 84, 23}, "OK"},
        {"cmdSysInfo", {284, 205, 83, 23}, "&System Info..."},
    };
    for (const auto& [name, pixels, text] : placements) {
        auto* widget = child<QWidget>(view, name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), pixels) << name;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull()) {
            continue;
        }
        const QString shown = qobject_cast<QPushButton*>(widget)
                                  ? qobject_cast<QPushButton*>(widget)->text()
                                  : qobject_cast<QLabel*>(widget)->text();
        EXPECT_EQ(shown, text) << name;
    }
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
        const QFont font = child<QLabel>(view, name)->font();
        EXPECT_TRUE(font.bold()) << name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75) << name;
    }
    EXPECT_TRUE(child<QLabel>(view, "lblDescription")->wordWrap());
}

TEST_F(AboutBoxView, DrawsTheIconAndTheEtchedSeparator) {
    const QPixmap icon = child<QLabel>(view, "picIcon")->pixmap();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    const QImage iconImage = icon.toImage();
    // White body, grey display, transparent corners.
    EXPECT_EQ(iconImage.pixelColor(16, 8), QColor(255, 255, 255));
    EXPECT_EQ(iconImage.pixelColor(16, 20), QColor(128, 128, 128));
    EXPECT_EQ(iconImage.pixelColor(0, 31).alpha(), 0);

    const QImage box = view->grab().toImage();
    EXPECT_EQ(box.pixelColor(200, 163), QColor(128, 128, 128));
    EXPECT_EQ(box.pixelColor(200, 164), QColor(255, 255, 255));
    EXPECT_EQ(box.pixelColor(200, 165), QColor(255, 255, 255));
    EXPECT_NE(box.pixelColor(200, 166), QColor(255, 255, 255));
    EXPECT_NE(box.pixelColor(3, 163), QColor(128, 128, 128));
}

TEST_F(AboutBoxView, OkHasTheFocusAndLeadsTheFocusOrder) {
    auto* ok = child<QPushButton>(view, "cmdOK");
    auto* icon = child<QLabel>(view, "picIcon");
    auto* sysInfo = child<QPushButton>(view, "cmdSysInfo");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(view->focusWidget(), ok);
    EXPECT_EQ(ok->nextInFocusChain(), icon);
    EXPECT_EQ(icon->nextInFocusChain(), sysInfo);
}

TEST_F(AboutBoxView, ClickingOkHandsOverToTheMainWindow) {
    QTest::mouseClick(child<QPushButton>(view, "cmdOK"), Qt::LeftButton);
    expectHandedOver();
}

TEST_F(AboutBoxView, EnterHandsOverToTheMainWindow) {
    QTest::keyClick(child<QPushButton>(view, "cmdOK"), Qt::Key_Return);
    expectHandedOver();
}

TEST_F(AboutBoxView, EscHandsOverToTheMainWindow) {
    QTest::keyClick(child<QPushButton>(view, "cmdOK"), Qt::Key_Escape);
    expectHandedOver();
}

TEST_F(AboutBoxView, EscFromTheSystemInfoButtonAlsoHandsOver) {
    auto* sysInfo = child<QPushButton>(view, "cmdSysInfo");
    sysInfo->setFocus();
    QTest::keyClick(sysInfo, Qt::Key_Escape);
    expectHandedOver();
}

TEST_F(AboutBoxView, TheCloseBoxHandsOverToo) {
    view->close();
    expectHandedOver();
}

TEST_F(AboutBoxView, SystemInfoWithoutARegistryShowsTheMessageAndKeepsTheBox) {
    QTest::mouseClick(child<QPushButton>(view, "cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(messageBoxes.shown().size(), 1u);
    EXPECT_EQ(messageBoxes.shown()[0].text,
              "Le informazioni sul sistema non sono attualmente disponibili.");
    settle();
    ASSERT_FALSE(view.isNull());
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(mainWindow.visible());
}

} // namespace
} // namespace aerolap::testing
