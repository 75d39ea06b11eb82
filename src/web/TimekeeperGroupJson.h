#pragma once

#include "scores/ScoresSession.h"
#include "scores/TimekeeperDesk.h"

#include <QByteArray>

namespace aerolap {

/// The group in hand as the timekeepers' page shows it: its round and group (counted from 1), the
/// round's task and how its flights count, the working time and the landing window, and the
/// pilots with the phone that times each; `{}` while no schedule with a draw is in hand.
QByteArray timekeeperGroupJson(ScoresSession& scores, const ScheduleRunner& runner,
                               const TimekeeperDesk& desk);

} // namespace aerolap
