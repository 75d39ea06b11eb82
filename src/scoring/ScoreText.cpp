#include "ScoreText.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace aerolap {

std::string shownScore(double score) {
    // Enough for any double in fixed notation. Not printf: a program whose locale writes decimal
    // commas would write them into the exports too.
    char text[320];
    const auto end =
        std::to_chars(std::begin(text), std::end(text), score, std::chars_format::fixed, 1);
    return {std::begin(text), end.ptr};
}

std::string shownTime(int seconds) {
    const long long whole = std::llabs(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld:%02lld", seconds < 0 ? "-" : "", whole / 60,
                  whole % 60);
    return text;
}

} // namespace aerolap
