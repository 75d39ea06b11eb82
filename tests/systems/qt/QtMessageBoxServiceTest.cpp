// Message boxes on the offscreen screen: what the operator sees, and which answer comes back.
#include "systems/qt/QtMessageBoxService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

TEST(QtMessageBoxServiceTest, ShowsTheRequestAndReturnsTheAnswer) {
    const MessageBoxRequest question{"Vuoi uscire?", "Aerolap ", {}, MessageButtons::YesNo};
    const struct {
        MessageBoxRequest request;
        Qt::Key key;
        MessageAnswer answer;
        QString title; // a request without one carries the program's
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    } rows[] = {
        {{"Zero", "InfoMessage", MessageIcon::Critical},
         Qt::Key_Return,
         MessageAnswer::Ok,
         "InfoMessage",
         QMessageBox::Critical,
         QMessageBox::Ok},
        {{"Porta", "", MessageIcon::Information},
         Qt::Key_Escape,
         MessageAnswer::Ok,
         "Aerolap",
         QMessageBox::Information,
         QMessageBox::Ok},
        {question, Qt::Key_Return, MessageAnswer::Yes, "Aerolap ", QMessageBox::NoIcon,
         QMessageBox::Yes | QMessageBox::No},
        {question, Qt::Key_Escape, MessageAnswer::No, "Aerolap ", QMessageBox::NoIcon,
         QMessageBox::Yes | QMessageBox::No},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.request.text + (row.key == Qt::Key_Return ? " Enter" : " Esc"));
        // The box is up as soon as its own event loop runs.
        QTimer::singleShot(0, [&row] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), row.title);
            EXPECT_EQ(box->text().toStdString(), row.request.text);
            EXPECT_EQ(box->icon(), row.icon);
            EXPECT_EQ(box->standardButtons(), row.buttons);
            if (row.buttons != QMessageBox::Ok) {
                EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
            }
            QTest::keyClick(box, row.key);
        });
        EXPECT_EQ(QtMessageBoxService().show(row.request), row.answer);
    }
}

} // namespace
} // namespace aerolap::testing
