#include "TimeText.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace aerolap::TimeText {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int twoDigits(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

std::optional<int> secondsOf(int hours, int minutes, int seconds) {
    if (hours > 23 || minutes > 59 || seconds > 59) {
        return std::nullopt;
    }
    return hours * 3600 + minutes * 60 + seconds;
}

} // namespace

std::optional<int> toSeconds(std::string_view text) {
    constexpr std::array<std::size_t, 6> kDigitsAt{0, 1, 3, 4, 6, 7};
    if (text.size() != 8 || text[2] != '.' || text[5] != '.' ||
        !std::ranges::all_of(kDigitsAt, [text](std::size_t at) { return isDigit(text[at]); })) {
        return std::nullopt;
    }
    return secondsOf(twoDigits(text, 0), twoDigits(text, 3), twoDigits(text, 6));
}

std::string fromSeconds(int seconds) {
    const int clamped = std::clamp(seconds, 0, kLongestSeconds);
    std::array<char, 9> text{};
    std::snprintf(text.data(), text.size(), "%02d.%02d.%02d", clamped / 3600, clamped / 60 % 60,
                  clamped % 60);
    return std::string(text.data(), 8);
}

std::optional<std::string> fromTyped(std::string_view typed) {
    // Either three groups split by full stops, each of one or two digits, or six bare digits.
    std::array<int, 3> parts{};
    std::size_t part = 0;
    std::size_t digitsInPart = 0;
    if (typed.size() == 6 && std::all_of(typed.begin(), typed.end(), isDigit)) {
        return fromTyped(std::string(typed.substr(0, 2)) + "." + std::string(typed.substr(2, 2)) +
                         "." + std::string(typed.substr(4, 2)));
    }
    for (char c : typed) {
        if (c == '.') {
            if (digitsInPart == 0 || ++part == parts.size()) {
                return std::nullopt;
            }
            digitsInPart = 0;
        } else if (isDigit(c) && digitsInPart < 2) {
            parts[part] = parts[part] * 10 + (c - '0');
            ++digitsInPart;
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digitsInPart == 0) {
        return std::nullopt;
    }
    const auto seconds = secondsOf(parts[0], parts[1], parts[2]);
    return seconds ? std::optional(fromSeconds(*seconds)) : std::nullopt;
}

} // namespace aerolap::TimeText
