#pragma once

#include <string>

namespace aerolap {

/// A score as the results show it: rounded to one decimal, with a decimal point whatever the
/// locale. Scores are kept unrounded.
std::string shownScore(double score);

/// Seconds as minutes and seconds, `4:05`.
std::string shownTime(int seconds);

} // namespace aerolap
