#include "TimedWindow.h"
#include "pilots_display/DisplayStatePublisher.h"
#include "web/DisplayStateJson.h"

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;
using Moments = std::vector<std::pair<long long, std::string>>; // virtual ms, time shown

/// The main window with the display state published on an event loop of its own: the tasks
/// asked for within a virtual millisecond run once its timers have fired.
class DisplayStateTest : public MainWindowFixture {
protected:
    DisplayStateTest() {
        form.Label2.changed.connect([this] {
            // Of the frames one handler writes (a run-out time, then the next phase's start),
            // the display shows the last.
            if (!frames.empty() && frames.back().first == time.elapsed().count()) {
                frames.pop_back();
            }
            frames.emplace_back(time.elapsed().count(), form.Label2.caption());
        });
        publisher.changed.connect([this](const DisplayState& state) {
            if (state.time != shown.back().second) {
                shown.emplace_back(time.elapsed().count(), state.time);
            }
            const std::string name{phaseName(state.phase)};
            phases += phases.ends_with(name) ? "" : " " + name;
        });
    }
    /// Runs what the last click asked for, then `duration` of virtual time.
    void run(std::chrono::milliseconds duration) {
        const auto runPending = [this] {
            for (std::size_t i = 0; i < pending.size(); ++i) {
                pending[i]();
            }
            pending.clear();
            return false;
        };
        runPending();
        time.advanceUntil(runPending, duration);
    }

    std::vector<std::function<void()>> pending;
    DisplayStatePublisher publisher{form, [this](auto task) { pending.push_back(task); }};
    Moments frames{{0, "00.00.30"}}, shown{{0, publisher.current().time}};
    std::string phases;
};

TEST_F(DisplayStateTest, ShowsEachFrameAtOnceAndEachPhaseWithoutHalfMadeStates) {
    EXPECT_EQ(publisher.current(), (DisplayState{"00.00.30", "READY ", CyclePhase::Ready, {}}));
    form.Option4.select(); // Vuz: 30 s preparation, 3 minutes, and the landing button
    form.Command5.click();
    run(40'500ms);
    EXPECT_EQ(publisher.current(),
              (DisplayState{"00.02.50", "TEMPO OPERATIVO", CyclePhase::WorkingTime, {}}));
    form.Command3.click();
    run(31s);
    form.Command5.click();
    run(2s);
    form.Command7.click();
    run(1s);
    EXPECT_EQ(publisher.current().time + phases.substr(phases.rfind(' ')), "00.00.28 stopped");
    form.Command2.click();
    run(1ms);
    EXPECT_EQ(phases, " preparation working landing ready preparation stopped ready");
    EXPECT_EQ(shown, frames);
    EXPECT_EQ(shown.size(), 1u + 29 + 11 + 31 + 2 + 1) << "each second, the preparation time again";
}

TEST_F(DisplayStateTest, CarriesWhereTheScheduleStandsForThePage) {
    ScheduleRunner runner{form, time};
    DisplayStatePublisher withSchedule{form, [](auto task) { task(); }, &runner};
    Schedule schedule;
    schedule.test = 10;
    schedule.rounds.resize(1);
    schedule.rounds[0].task = "C";
    schedule.rounds[0].flights = 2;
    runner.load(schedule);
    form.Command5.click();
    time.advance(295s);
    EXPECT_EQ(displayStateJson(withSchedule.current()).toStdString(),
              R"({"flight":1,"group":1,"next":"round 1, group 1, flight 2","phase":"preparation",)"
              R"("round":1,"status":"PREPARAZIONE","task":"C","time":"00.00.05","window":"test"})");
}

} // namespace
} // namespace aerolap::testing
