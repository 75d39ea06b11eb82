#include "TimedWindow.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// The polls leave out their quiet ticks: between two seconds of the running clock, while nothing
// they read changes. Each scenario here runs twice in virtual time, once as the program runs its
// timers and once ticking every 10 ms, and both must play the same cues and send the same frames
// at the same moments, and show the same captions after every step.

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using testing::TimedWindow;
using Ms = std::chrono::milliseconds;
using Ticks = TickSchedule::Ticks;
using Action = std::function<void(Form1&)>;

struct Step {
    const char* what;
    Action act;
    Ms thenRun;
};

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    friend void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }
};

Action click(CommandButton Form1::*button) {
    return [button](Form1& form) { (form.*button).click(); };
}
Action choose(OptionButton Form1::*option) {
    return [option](Form1& form) { (form.*option).select(); };
}
Action setBox(CheckBox Form1::*box, int value) {
    return [box, value](Form1& form) { (form.*box).setValue(value); };
}
Action edit(Clock Form1::*clock, const char* text) {
    return [clock, text](Form1& form) { (form.*clock).commitEdit(text); };
}
const Action wait = [](Form1&) {};

/// Everything the window shows, and which timers run.
std::string captions(const Form1& form) {
    std::string out = form.Label2.caption() + " | " + form.Label4.caption() + " | " +
                      form.Clock1.clockTimeText() + " " + form.Clock2.clockTimeText() + " " +
                      form.Clock3.clockTimeText() + " |";
    for (const CommandButton* button :
         {&form.Command1, &form.Command2, &form.Command3, &form.Command5, &form.Command7}) {
        out += " " + button->caption() + (button->visible() ? "+" : "-");
    }
    out += form.Frame1.visible() ? " panel |" : " |";
    for (std::size_t i = 0; i < TimedWindow::kTimers.size(); ++i) {
        out += (form.*TimedWindow::kTimers[i]).enabled() ? " T" + std::to_string(i + 1) : "";
    }
    return out;
}

const Scenario kScenarios[] = {
    {"TenMinutes", {{"START", click(&Form1::Command5), 12min}}},
    {"ProvaE", {{"task", choose(&Form1::Option1), 1s}, {"START", click(&Form1::Command5), 5min}}},
    {"FreeTask",
     {{"working time", edit(&Form1::Clock3, "00.01.07"), 777ms},
      {"task", choose(&Form1::Option3), 1s},
      {"START", click(&Form1::Command5), 3min}}},
    {"FreeZero",
     {{"working time", edit(&Form1::Clock3, "00.00.00"), 0ms},
      {"task", choose(&Form1::Option3), 0ms},
      {"START", click(&Form1::Command5), 2min}}},
    {"Vuz", {{"task", choose(&Form1::Option4), 3ms}, {"START", click(&Form1::Command5), 5min}}},
    {"VuzLandingButton",
     {{"task", choose(&Form1::Option4), 0ms},
      {"START", click(&Form1::Command5), 100437ms},
      {"ATTERRAGGIO", click(&Form1::Command3), 1min}}},
    {"Loop",
     {{"task", choose(&Form1::Option1), 0ms},
      {"Loop", setBox(&Form1::Check17, CheckBox::kChecked), 5ms},
      {"START", click(&Form1::Command5), 400123ms},
      {"Loop off", setBox(&Form1::Check17, CheckBox::kUnchecked), 5min}}},
    {"StopReset",
     {{"task", choose(&Form1::Option1), 0ms},
      {"START", click(&Form1::Command5), 95250ms},
      {"STOP", click(&Form1::Command7), 3333ms},
      {"RESET", click(&Form1::Command2), 1111ms},
      {"START again", click(&Form1::Command5), 3min},
      {"STOP in the landing window", click(&Form1::Command7), 2s},
      {"RESET again", click(&Form1::Command2), 1min}}},
    // Stopped on a whole minute whose box was unticked: ticking it beeps on the stopped clock.
    {"BoxTickedOnAStoppedMinute",
     {{"9-minute box off", setBox(&Form1::Check1, CheckBox::kUnchecked), 0ms},
      {"START", click(&Form1::Command5), 90500ms},
      {"STOP", click(&Form1::Command7), 1234ms},
      {"9-minute box on", setBox(&Form1::Check1, CheckBox::kChecked), 2s},
      {"RESET", click(&Form1::Command2), 1s}}},
    {"BoxesAndOptionsMidSecond",
     {{"task", choose(&Form1::Option1), 0ms},
      {"30-second box off", setBox(&Form1::Check14, CheckBox::kUnchecked), 0ms},
      {"START", click(&Form1::Command5), 42345ms},
      {"another task in the working time", choose(&Form1::Option2), 135055ms},
      {"30-second box on while the clock shows its second",
       setBox(&Form1::Check14, CheckBox::kChecked), 4321ms},
      {"count box greyed", setBox(&Form1::Check4, CheckBox::kGrayed), 10ms},
      {"beeps off", setBox(&Form1::Check16, CheckBox::kUnchecked), 1min}}},
    {"ClockEditsDuringACycle",
     {{"working time", edit(&Form1::Clock3, "00.02.00"), 0ms},
      {"task", choose(&Form1::Option3), 0ms},
      {"START", click(&Form1::Command5), 12345ms},
      {"working time edited in the preparation", edit(&Form1::Clock3, "00.01.05"), 30001ms},
      {"preparation edited in the working time", edit(&Form1::Clock2, "00.01.00"), 2min},
      {"START with a one-minute preparation", click(&Form1::Command5), 4min}}},
    {"SetUpPanel",
     {{"SETUP", click(&Form1::Command1), 7777ms},
      {"START", click(&Form1::Command5), 15s},
      {"CLOSE", click(&Form1::Command1), 1s},
      {"SETUP again", click(&Form1::Command1), 1min}}},
};

class QuietTicks : public ::testing::TestWithParam<Scenario> {};

TEST_P(QuietTicks, LeaveEveryCueFrameAndCaptionAsTickingEveryIntervalDoes) {
    TimedWindow quiet, everyTick{Ticks::EveryInterval};
    int quietTicks = 0, allTicks = 0;
    for (Timer Form1::*poll :
         {&Form1::Timer1, &Form1::Timer2, &Form1::Timer3, &Form1::Timer4, &Form1::Timer6}) {
        (quiet.form.*poll).tick.connect([&quietTicks] { ++quietTicks; });
        (everyTick.form.*poll).tick.connect([&allTicks] { ++allTicks; });
    }
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(step.what);
        for (TimedWindow* window : {&quiet, &everyTick}) {
            step.act(window->form);
            window->time.advance(step.thenRun);
        }
        ASSERT_EQ(quiet.cues.played(), everyTick.cues.played());
        ASSERT_EQ(quiet.frames, everyTick.frames);
        ASSERT_EQ(captions(quiet.form), captions(everyTick.form));
    }
    EXPECT_FALSE(everyTick.cues.played().empty() && everyTick.frames.empty());
    // Two ticks a second at most for each running poll, against a hundred.
    EXPECT_LT(quietTicks * 20, allTicks);
}

INSTANTIATE_TEST_SUITE_P(, QuietTicks, ::testing::ValuesIn(kScenarios),
                         [](const auto& i) { return std::string(i.param.name); });

// Resting polls cost nothing at READY: after a cycle the minute beeps' poll still runs, yet it
// does not tick until something changes, and then once, one interval later.
TEST(QuietPolls, NoPollTicksAtReadyUntilSomethingChanges) {
    TimedWindow window;
    Form1& form = window.form;
    form.Option1.select();
    form.Command5.click();
    window.time.advance(5min);
    ASSERT_TRUE(form.Timer4.enabled());
    std::vector<long long> ticks;
    form.Timer4.tick.connect([&] { ticks.push_back(window.time.elapsed().count()); });
    window.time.advance(10min);
    EXPECT_TRUE(ticks.empty());
    const long long changedMs = window.time.elapsed().count();
    form.Check16.setValue(CheckBox::kUnchecked);
    window.time.advance(1min);
    EXPECT_EQ(ticks, std::vector<long long>{changedMs + 10});
}

} // namespace
} // namespace aerolap
