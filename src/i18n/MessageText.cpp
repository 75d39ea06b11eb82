#include "MessageText.h"

#include <QCoreApplication>

namespace aerolap {

namespace {

std::string translated(const std::string& id, int count = -1) {
    return QCoreApplication::translate(kMessageContext, id.c_str(), nullptr, count).toStdString();
}

} // namespace

QString messageText(const Message& message) {
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const std::string& arg : message.args) {
        args.push_back(arg.empty() ? arg : translated(arg));
    }
    return QString::fromStdString(
        withArguments(translated(message.id, message.count.value_or(-1)), args));
}

} // namespace aerolap
