// Message boxes on the offscreen screen: what the operator sees, and which answer comes back.
#include "systems/qt/QtMessageBoxService.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

TEST(QtMessageBoxServiceTest, ShowsTheRequestAndReturnsTheAnswer) {
    using Box = QMessageBox;
    const MessageBoxRequest question{"Uscire?", "Aerolap ", {}, MessageButtons::YesNo};
    const struct {
        MessageBoxRequest request;
        Qt::Key key;
        MessageAnswer answer;
        QString title; // a request without one carries the program's
        Box::Icon icon;
        Box::StandardButtons buttons;
    } rows[] = {
        {{"Zero", "Info", MessageIcon::Critical},
         Qt::Key_Return,
         MessageAnswer::Ok,
         "Info",
         Box::Critical,
         Box::Ok},
        {{"Porta", "", MessageIcon::Information},
         Qt::Key_Escape,
         MessageAnswer::Ok,
         "Aerolap",
         Box::Information,
         Box::Ok},
        {question, Qt::Key_Return, MessageAnswer::Yes, "Aerolap ", Box::NoIcon, Box::Yes | Box::No},
        {question, Qt::Key_Escape, MessageAnswer::No, "Aerolap ", Box::NoIcon, Box::Yes | Box::No},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.request.text + (row.key == Qt::Key_Return ? " Enter" : " Esc"));
        // The box is up, modal, as soon as its own event loop runs.
        QTimer::singleShot(0, [&row] {
            auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle() + "|" + box->text(),
                      row.title + "|" + QString::fromStdString(row.request.text));
            EXPECT_EQ(box->icon(), row.icon);
            EXPECT_EQ(box->standardButtons(), row.buttons);
            EXPECT_EQ(box->standardButton(box->defaultButton()),
                      row.buttons == Box::Ok ? Box::NoButton : Box::Yes);
            QTest::keyClick(box, row.key);
        });
        EXPECT_EQ(QtMessageBoxService().show(row.request), row.answer);
    }
}

} // namespace
} // namespace aerolap::testing
