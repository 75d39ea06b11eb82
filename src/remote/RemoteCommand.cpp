#include "RemoteCommand.h"

#include "platform/NameTable.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

namespace {
constexpr NameTable<RemoteAction, 6> kNames{{
    {RemoteAction::Start, "start"},
    {RemoteAction::Stop, "stop"},
    {RemoteAction::Reset, "reset"},
    {RemoteAction::Skip, "skip"},
    {RemoteAction::Back, "back"},
    {RemoteAction::Jump, "jump"},
}};
// Rounds and groups of any real contest day fit many times over.
constexpr int kLargestPlace = 999;

/// A whole number from 1 to kLargestPlace, or nothing.
std::optional<int> placeNumber(const QJsonValue& value) {
    const int number = value.toInt(0);
    if (!value.isDouble() || value.toDouble() != number || number < 1 || number > kLargestPlace) {
        return std::nullopt;
    }
    return number;
}
} // namespace

std::string_view actionName(RemoteAction action) {
    return nameOf(kNames, action);
}

std::string describe(const RemoteCommand& command) {
    std::string text(actionName(command.action));
    if (command.action == RemoteAction::Jump) {
        text += " " + std::to_string(command.round) + " " + std::to_string(command.group);
    }
    return text;
}

CommandParse parseSignedCommand(const QByteArray& body) {
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject()) {
        return {std::nullopt, "not a command"};
    }
    const QJsonObject object = document.object();
    const auto action =
        keyNamed(kNames, object.value(QStringLiteral("command")).toString().toStdString());
    if (!action) {
        return {std::nullopt, "unknown command"};
    }
    // A string, so that every 64-bit number comes through exactly.
    bool isNumber = false;
    const QString sequenceText = object.value(QStringLiteral("sequence")).toString();
    const std::uint64_t sequence = sequenceText.toULongLong(&isNumber);
    if (!isNumber || sequenceText != QString::number(sequence)) {
        return {std::nullopt, "no sequence number"};
    }
    SignedCommand parsed{
        {object.value(QStringLiteral("device")).toString().toStdString(), sequence, *action, 0, 0},
        object.value(QStringLiteral("signature")).toString().toLatin1()};
    if (*action == RemoteAction::Jump) {
        const auto round = placeNumber(object.value(QStringLiteral("round")));
        const auto group = placeNumber(object.value(QStringLiteral("group")));
        if (!round || !group) {
            return {std::nullopt, "a jump needs a round and a group"};
        }
        parsed.command.round = *round;
        parsed.command.group = *group;
    }
    return {parsed, {}};
}

} // namespace aerolap
