#pragma once

#include "CueRow.h"
#include "CycleSnapshot.h"
#include "Form1.h"

#include <string_view>
#include <utility>
#include <vector>

namespace aerolap {

/// The announcement switches as the window's boxes hold them.
Announcements announcementsOf(const Form1& form);
/// Ticks and unticks the boxes as `announcements` say, each change as the director's click.
void applyAnnouncements(Form1& form, const Announcements& announcements);

/// Each switch under its name in the program's files ("preparation_call", "minute_9", ...).
std::vector<std::pair<std::string_view, bool>> namedSwitches(const Announcements& announcements);
/// Sets the switch called `name` in the files, or by the window element that older files named
/// it by ("Check2"); false when no switch is called so.
bool setNamedSwitch(Announcements& announcements, std::string_view name, bool on);

/// Whether every box a cue row asks for is ticked when the boxes stand as `announcements`.
bool gatesOpen(const Announcements& announcements, const CueRow& row);

/// The task the selected option stands for, and the option of a task.
Task selectedTask(const Form1& form);
OptionButton& optionOf(Form1& form, Task task);

} // namespace aerolap
