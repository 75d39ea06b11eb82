#include "QtMessageBoxService.h"

#include <QApplication>
#include <QMessageBox>

namespace aerolap {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtMessageBoxService::show(const MessageBoxRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(qtIcon(request.icon));
    box.setWindowTitle(
        QString::fromStdString(request.title.empty() ? kApplicationTitle : request.title));
    box.setText(QString::fromStdString(request.text));
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.exec();

    // Closing a Yes/No box any other way (Esc, the close box) counts as No.
    if (request.buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes
                                                               : MessageAnswer::No;
}

} // namespace aerolap
