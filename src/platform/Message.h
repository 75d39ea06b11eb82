#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Qt's own marks for a text translated later, for the parts built without Qt: the catalogues'
// tool (lupdate) finds each message by them, whether or not Qt defines them.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace aerolap {

/// A text for people kept as its message id and arguments, and put into words only where it is
/// shown, in the language of whoever shows it: a notice, a day log's entry. The id is the English
/// source text, which the catalogues translate in the context "Message": each is written where it
/// is posted as QT_TRANSLATE_NOOP("Message", "...") (or QT_TRANSLATE_N_NOOP with a count), %1,
/// %2, ... standing for its arguments and %n for its count.
struct Message {
    Message() = default;
    // A plain text is a message without arguments: what a log of an older version holds.
    Message(std::string source, std::vector<std::string> arguments = {},
            std::optional<int> number = std::nullopt)
        : id(std::move(source)), args(std::move(arguments)), count(number) {}
    Message(const char* source) : Message(std::string(source)) {}

    std::string id;
    std::vector<std::string> args;
    /// What %n stands for, which picks the plural form.
    std::optional<int> count;

    bool operator==(const Message&) const = default;
};

/// `text` with %1 to %9 replaced by `args` in one pass (an argument that holds "%2" stays as it
/// is) and %n by `count`.
std::string withArguments(const std::string& text, const std::vector<std::string>& args,
                          std::optional<int> count = std::nullopt);

/// The message in English, its source language: for the error stream, which reads no catalogue.
inline std::string sourceText(const Message& message) {
    return withArguments(message.id, message.args, message.count);
}

} // namespace aerolap
