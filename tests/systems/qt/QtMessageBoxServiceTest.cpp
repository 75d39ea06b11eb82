// Message boxes on the offscreen screen: what the operator sees, and which answer comes back.
#include "systems/qt/QtMessageBoxService.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

TEST(QtMessageBoxServiceTest, ShowsTheRequestAndReturnsTheAnswer) {
    using Box = QMessageBox;
    const MessageBoxRequest error{"Zero", "Info", MessageIcon::Critical};
    const MessageBoxRequest question{"Uscire?", "", MessageIcon::Information,
                                     MessageButtons::YesNo};
    const struct {
        MessageBoxRequest request;
        Qt::Key key;
        MessageAnswer answer;
        QString title; // a request without one carries the program's
        Box::Icon icon;
    } rows[] = {{error, Qt::Key_Escape, MessageAnswer::Ok, "Info", Box::Critical},
                {question, Qt::Key_Return, MessageAnswer::Yes, "Aerolap", Box::Information},
                {question, Qt::Key_Escape, MessageAnswer::No, "Aerolap", Box::Information}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.request.text + (row.key == Qt::Key_Return ? " Enter" : " Esc"));
        // The box is up, modal, as soon as its own event loop runs. Enter answers with the
        // default button, Esc with No where there is one.
        QTimer::singleShot(0, [&row] {
            auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(std::tuple(box->windowTitle(), box->text().toStdString(), box->icon()),
                      std::tuple(row.title, row.request.text, row.icon));
            QTest::keyClick(box, row.key);
        });
        EXPECT_EQ(QtMessageBoxService().show(row.request), row.answer);
    }
}

} // namespace
} // namespace aerolap::testing
