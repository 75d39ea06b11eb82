#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aerolap {

/// What the director's remote can ask for: the window's three buttons and the schedule's moves.
enum class RemoteAction { Start, Stop, Reset, Skip, Back, Jump };

/// The action's name on the wire and in notices.
std::string_view actionName(RemoteAction action);

/// One command from a paired device, as it arrived: who sent it, its sequence number, the
/// action and, for a jump, the round and group counted from 1.
struct RemoteCommand {
    std::string device;
    std::uint64_t sequence = 0;
    RemoteAction action = RemoteAction::Start;
    int round = 0;
    int group = 0;

    bool operator==(const RemoteCommand&) const = default;
};

/// The command in a line of the day log: its action, and a jump's round and group.
std::string describe(const RemoteCommand& command);

/// What became of a command: done, or refused and why, in words the page shows.
struct RemoteOutcome {
    bool done = false;
    std::string message;

    bool operator==(const RemoteOutcome&) const = default;
};

/// A command's body as the page posts it: the command and its signature (lower-case hex), or why
/// the body is not one.
struct SignedCommand {
    RemoteCommand command;
    QByteArray signature;
};
struct CommandParse {
    std::optional<SignedCommand> signedCommand;
    std::string error;
};
CommandParse parseSignedCommand(const QByteArray& body);

} // namespace aerolap
