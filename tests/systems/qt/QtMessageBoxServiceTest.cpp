// Message boxes on the offscreen screen: what the operator sees, and which answer comes back.
#include "systems/qt/QtMessageBoxService.h"

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

std::function<void(QMessageBox&)> key(Qt::Key which) {
    return [which](QMessageBox& box) { QTest::keyClick(&box, which); };
}

struct BoxCase {
    MessageBoxRequest request;
    std::function<void(QMessageBox&)> answer;
    MessageAnswer expected;
    Seen seen;
};

TEST(QtMessageBoxServiceTest, ShowsTextTitleIconAndButtonsAndReturnsTheAnswer) {
    const MessageBoxRequest error{"Il valore non puo essere 00.00.00", "InfoMessage",
                                  MessageIcon::Critical, MessageButtons::Ok};
    const MessageBoxRequest question{"Vuoi uscire da programma?", "Aerolap ", MessageIcon::None,
                                     MessageButtons::YesNo};
    const Seen seenQuestion{"Aerolap ", "Vuoi uscire da programma?", QMessageBox::NoIcon,
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    const BoxCase cases[] = {
        {error,
         key(Qt::Key_Return),
         MessageAnswer::Ok,
         {"InfoMessage", "Il valore non puo essere 00.00.00", QMessageBox::Critical,
          QMessageBox::Ok}},
        // A box without a title carries the program's.
        {{"Nessuna porta", "", MessageIcon::Information, MessageButtons::Ok},
         key(Qt::Key_Escape),
         MessageAnswer::Ok,
         {"Aerolap", "Nessuna porta", QMessageBox::Information, QMessageBox::Ok}},
        {question, [](QMessageBox& box) { box.button(QMessageBox::No)->click(); },
         MessageAnswer::No, seenQuestion},
        {question, key(Qt::Key_Return), MessageAnswer::Yes, seenQuestion},
        {question, key(Qt::Key_Escape), MessageAnswer::No, seenQuestion},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.request.text + " answered " + std::to_string(static_cast<int>(c.expected)));
        Seen seen;
        EXPECT_EQ(showAndAnswer(c.request, seen, c.answer), c.expected);
        EXPECT_EQ(seen.title, c.seen.title);
        EXPECT_EQ(seen.text, c.seen.text);
        EXPECT_EQ(seen.icon, c.seen.icon);
        EXPECT_EQ(seen.buttons, c.seen.buttons);
        if (c.request.buttons == MessageButtons::YesNo) {
            EXPECT_EQ(seen.defaultButton, c.seen.defaultButton);
        }
    }
}

} // namespace
} // namespace aerolap::testing
