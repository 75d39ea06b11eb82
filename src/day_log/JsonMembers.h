#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace aerolap {

/// The members of one JSON object, written out as they are added ("key":value,...), without the
/// braces: what a day log line says about its event. Text is escaped and made valid UTF-8 (a byte
/// that is not becomes U+FFFD), so any file name or frame gives a line every JSON reader takes.
class JsonMembers {
public:
    JsonMembers& text(std::string_view key, std::string_view value);
    JsonMembers& number(std::string_view key, long long value);
    JsonMembers& flag(std::string_view key, bool value);
    /// A duration or a moment of a steady clock, in nanoseconds.
    JsonMembers& nanoseconds(std::string_view key, std::chrono::nanoseconds value);
    /// `members`, already written, as an object.
    JsonMembers& object(std::string_view key, const JsonMembers& members);

    const std::string& written() const { return m_written; }
    std::string take() { return std::move(m_written); }

private:
    void key(std::string_view key);

    std::string m_written;
};

/// `value` as a JSON string, quotes included.
std::string jsonString(std::string_view value);

} // namespace aerolap
