#pragma once

#include "ScoredContest.h"
#include "scoring/Results.h"

#include <QByteArray>

namespace aerolap {

/// The results as a national body or an online results service takes them: one row for each
/// card, the pilots in the order of the standings (the fly-off's after), with the fixed English
/// headers `pilot,team,round,group,task,flights,raw,normalised,penalty,dropped,total`; rounds and
/// groups counted from 1, flights as `m:ss` separated by spaces (a poker flight `time/target`),
/// scores with one decimal after a point, `dropped` yes or no, and the pilot's total on each of
/// their rows. UTF-8, fields quoted where they must be, lines ended CRLF, whatever the language.
QByteArray resultsCsv(const ScoredContest& scored, const Results& results);

} // namespace aerolap
