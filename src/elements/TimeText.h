#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace aerolap {

/// The "hh.mm.ss" text in which the clocks hold their time. Hours 00 to 23, minutes and seconds
/// 00 to 59, always two digits each, joined by full stops.
namespace TimeText {

inline constexpr int kLongestSeconds = 23 * 3600 + 59 * 60 + 59;

/// Seconds of a well-formed time text; nothing for any other text.
std::optional<int> toSeconds(std::string_view text);

/// The time text of a number of seconds, clamped to the range a clock can show.
std::string fromSeconds(int seconds);

/// What the operator typed into a clock field, as a time text: "00.01.30", "000130" and
/// "0.1.30" all give "00.01.30". Nothing for text that is not a valid time.
std::optional<std::string> fromTyped(std::string_view typed);

} // namespace TimeText

} // namespace aerolap
