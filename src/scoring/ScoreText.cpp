#include "ScoreText.h"

#include <cstdio>
#include <cstdlib>

namespace aerolap {

std::string shownScore(double score) {
    // Enough for any double in fixed notation.
    char text[320];
    std::snprintf(text, sizeof text, "%.1f", score);
    return text;
}

std::string shownTime(int seconds) {
    const long long whole = std::llabs(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld:%02lld", seconds < 0 ? "-" : "", whole / 60,
                  whole % 60);
    return text;
}

} // namespace aerolap
