#include "ui/about/frmAboutView.h"

#include "FakeRegistry.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

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

TEST_F(AboutBoxView, ShowsAsAFixedDialogPreparedWhileHidden) {
    EXPECT_TRUE(preparedWhileHidden); // the callback ran before the view was shown
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(view->isModal());
    EXPECT_EQ(view->minimumSize(), QSize(389, 247));
    EXPECT_EQ(view->maximumSize(), QSize(389, 247));
    EXPECT_EQ(view->windowTitle(), "Informazioni su Aerolap");
    EXPECT_FALSE(view->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(view->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(AboutBoxView, PlacesEveryElementWithItsTextAndFont) {
    const struct {
        const char* name;
        QRect pixels;
        QString text;
    } placements[] = {
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
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), text) << name;
            EXPECT_TRUE(label->font().bold()) << name;
            EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 9.75) << name;
        } else {
            EXPECT_EQ(qobject_cast<QPushButton*>(widget)->text(), text) << name;
        }
    }
    EXPECT_EQ(child<QLabel>(view, "picIcon")->geometry(), QRect(16, 8, 34, 34));
    EXPECT_EQ(child<QLabel>(view, "picIcon")->pixmap().size(), QSize(32, 32));
}

TEST_F(AboutBoxView, OkHasTheFocusAndLeadsTheFocusOrder) {
    auto* ok = child<QPushButton>(view, "cmdOK");
    auto* icon = child<QLabel>(view, "picIcon");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(view->focusWidget(), ok);
    EXPECT_EQ(ok->nextInFocusChain(), icon);
    EXPECT_EQ(icon->nextInFocusChain(), child<QPushButton>(view, "cmdSysInfo"));
}

struct HandOverCase {
    const char* name;
    void (*act)(frmAboutView&);

    friend void PrintTo(const HandOverCase& row, std::ostream* out) { *out << row.name; }
};

class AboutBoxHandOver : public AboutBoxView, public ::testing::WithParamInterface<HandOverCase> {};

TEST_P(AboutBoxHandOver, UnloadsTheBoxAndShowsTheMainWindow) {
    GetParam().act(*view);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull());
    EXPECT_FALSE(about.loaded());
    EXPECT_TRUE(mainWindow.visible());
}

INSTANTIATE_TEST_SUITE_P(
    EveryWayOut, AboutBoxHandOver,
    ::testing::Values(HandOverCase{"ClickOnOk",
                                   [](frmAboutView& v) {
                                       QTest::mouseClick(child<QPushButton>(&v, "cmdOK"),
                                                         Qt::LeftButton);
                                   }},
                      HandOverCase{"Enter",
                                   [](frmAboutView& v) {
                                       QTest::keyClick(child<QPushButton>(&v, "cmdOK"),
                                                       Qt::Key_Return);
                                   }},
                      HandOverCase{"EscFromTheSystemInfoButton",
                                   [](frmAboutView& v) {
                                       auto* sysInfo = child<QPushButton>(&v, "cmdSysInfo");
                                       sysInfo->setFocus();
                                       QTest::keyClick(sysInfo, Qt::Key_Escape);
                                   }},
                      HandOverCase{"Esc",
                                   [](frmAboutView& v) {
                                       QTest::keyClick(child<QPushButton>(&v, "cmdOK"),
                                                       Qt::Key_Escape);
                                   }},
                      HandOverCase{"CloseBox", [](frmAboutView& v) { v.close(); }}),
    [](const ::testing::TestParamInfo<HandOverCase>& param) { return param.param.name; });

} // namespace
} // namespace aerolap::testing
