#include "AnnouncementSwitches.h"

#include <algorithm>
#include <array>

namespace aerolap {

namespace {

/// A switch: its name in files, the box that holds it and its older name, and its field.
struct Switch {
    std::string_view name;
    CheckBox Form1::*box;
    std::string_view elementName;
    bool& (*flag)(Announcements&);
};

template <std::size_t minutesLeft> bool& minuteCall(Announcements& announcements) {
    return announcements.minuteCalls[9 - minutesLeft];
}

constexpr std::array<Switch, 13> kSwitches{{
    {"preparation_call", &Form1::Check2, "Check2",
     [](Announcements& a) -> bool& { return a.preparationCall; }},
    {"landing_call", &Form1::Check4, "Check4",
     [](Announcements& a) -> bool& { return a.landingCall; }},
    {"minute_9", &Form1::Check1, "Check1", minuteCall<9>},
    {"minute_8", &Form1::Check3, "Check3", minuteCall<8>},
    {"minute_7", &Form1::Check5, "Check5", minuteCall<7>},
    {"minute_6", &Form1::Check6, "Check6", minuteCall<6>},
    {"minute_5", &Form1::Check7, "Check7", minuteCall<5>},
    {"minute_4", &Form1::Check8, "Check8", minuteCall<4>},
    {"minute_3", &Form1::Check9, "Check9", minuteCall<3>},
    {"minute_2", &Form1::Check10, "Check10", minuteCall<2>},
    {"minute_1", &Form1::Check11, "Check11", minuteCall<1>},
    {"thirty_seconds", &Form1::Check14, "Check14",
     [](Announcements& a) -> bool& { return a.thirtySecondsCall; }},
    {"minute_beeps", &Form1::Check16, "Check16",
     [](Announcements& a) -> bool& { return a.minuteBeeps; }},
}};

using TaskOption = std::pair<Task, OptionButton Form1::*>;
constexpr std::array<TaskOption, 4> kTaskOptions{{
    {Task::ThreeMinutes, &Form1::Option1},
    {Task::TenMinutes, &Form1::Option2},
    {Task::Free, &Form1::Option3},
    {Task::Vuz, &Form1::Option4},
}};

} // namespace

Announcements announcementsOf(const Form1& form) {
    Announcements announcements;
    for (const Switch& each : kSwitches) {
        each.flag(announcements) = (form.*each.box).ticked();
    }
    return announcements;
}

void applyAnnouncements(Form1& form, const Announcements& announcements) {
    Announcements wanted = announcements;
    for (const Switch& each : kSwitches) {
        (form.*each.box).setValue(each.flag(wanted) ? CheckBox::kChecked : CheckBox::kUnchecked);
    }
}

std::vector<std::pair<std::string_view, bool>> namedSwitches(const Announcements& announcements) {
    Announcements read = announcements;
    std::vector<std::pair<std::string_view, bool>> named;
    for (const Switch& each : kSwitches) {
        named.emplace_back(each.name, each.flag(read));
    }
    return named;
}

bool setNamedSwitch(Announcements& announcements, std::string_view name, bool on) {
    for (const Switch& each : kSwitches) {
        if (name == each.name || name == each.elementName) {
            each.flag(announcements) = on;
            return true;
        }
    }
    return false;
}

bool gatesOpen(const Announcements& announcements, const CueRow& row) {
    Announcements read = announcements;
    return std::ranges::all_of(row.gates, [&read](CueRow::Gate gate) {
        const auto each = std::ranges::find(kSwitches, gate, &Switch::box);
        return gate == nullptr || (each != kSwitches.end() && each->flag(read));
    });
}

Task selectedTask(const Form1& form) {
    const auto selected = std::ranges::find_if(
        kTaskOptions, [&form](const auto& each) { return (form.*each.second).selected(); });
    return selected == kTaskOptions.end() ? Task::TenMinutes : selected->first;
}

OptionButton& optionOf(Form1& form, Task task) {
    const auto option = std::ranges::find(kTaskOptions, task, &TaskOption::first);
    return option == kTaskOptions.end() ? form.Option2 : form.*option->second;
}

} // namespace aerolap
