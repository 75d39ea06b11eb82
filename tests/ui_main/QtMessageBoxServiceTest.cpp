// Message boxes on the offscreen screen: what the operator sees, and which answer comes back.
#include "platform/QtMessageBoxService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

constexpr int kBoxAppearsWithinMs = 5000;

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

/// Shows `request` and, once the box is up, notes what it shows and lets `answer` close it.
MessageAnswer showAndAnswer(const MessageBoxRequest& request, Seen& seen,
                            const std::function<void(QMessageBox&)>& answer) {
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            if (waited.elapsed() > kBoxAppearsWithinMs) {
                poll.stop();
                ADD_FAILURE() << "no message box appeared";
            }
            return;
        }
        poll.stop();
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                box->defaultButton() != nullptr ? box->standardButton(box->defaultButton())
                                                : QMessageBox::NoButton};
        answer(*box);
    });
    poll.start();
    QtMessageBoxService service;
    return service.show(request);
}

std::function<void(QMessageBox&)> press(QMessageBox::StandardButton which) {
    return [which](QMessageBox& box) { box.button(which)->click(); };
}

TEST(QtMessageBoxServiceTest, ErrorBoxWithOkAndItsTitle) {
    Seen seen;
    const auto answer = showAndAnswer({"Il valore non puo essere 00.00.00", "InfoMessage",
                                       MessageIcon::Critical, MessageButtons::Ok},
                                      seen, press(QMessageBox::Ok));
    EXPECT_EQ(answer, MessageAnswer::Ok);
    EXPECT_EQ(seen.title, QStringLiteral("InfoMessage"));
    EXPECT_EQ(seen.text, QStringLiteral("Il valore non puo essere 00.00.00"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

struct YesNoCase {
    const char* name;
    std::function<void(QMessageBox&)> answer;
    MessageAnswer expected;
};

class QtMessageBoxYesNoTest : public ::testing::TestWithParam<YesNoCase> {};

TEST_P(QtMessageBoxYesNoTest, QuestionWithYesAsDefaultReturnsTheAnswer) {
    Seen seen;
    const auto answer = showAndAnswer(
        {"Vuoi uscire da programma?", "Aerolap ", MessageIcon::None, MessageButtons::YesNo}, seen,
        GetParam().answer);
    EXPECT_EQ(answer, GetParam().expected);
    EXPECT_EQ(seen.title, QStringLiteral("Aerolap "));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, QtMessageBoxYesNoTest,
    ::testing::Values(YesNoCase{"Yes", press(QMessageBox::Yes), MessageAnswer::Yes},
                      YesNoCase{"No", press(QMessageBox::No), MessageAnswer::No},
                      YesNoCase{"Enter",
                                [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); },
                                MessageAnswer::Yes},
                      YesNoCase{"Escape",
                                [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); },
                                MessageAnswer::No}),
    [](const ::testing::TestParamInfo<YesNoCase>& answered) {
        return std::string(answered.param.name);
    });

TEST(QtMessageBoxServiceTest, BoxWithoutTitleCarriesTheApplicationTitle) {
    Seen seen;
    showAndAnswer({"Nessuna porta", "", MessageIcon::Information, MessageButtons::Ok}, seen,
                  press(QMessageBox::Ok));
    EXPECT_EQ(seen.title, QStringLiteral("Aerolap"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
}

} // namespace
} // namespace aerolap::testing
