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
    void run(std::chrono::milliseconds duration) { time.advance(duration); }

    DisplayStatePublisher publisher{cycle};
    Moments frames{{0, "00.00.30"}}, shown{{0, publisher.current().time}};
    std::string phases;
};

TEST_F(DisplayStateTest, ShowsEachFrameAtOnceAndEachPhaseWithoutHalfMadeStates) {
    EXPECT_EQ(publisher.current(), (DisplayState{"00.00.30", "READY", CyclePhase::Ready, {}}))
        << "the status without the blank that tells the window's two READY apart";
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
    ScheduleRunner runner{cycle, time};
    DisplayStatePublisher withSchedule{cycle, &runner};
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

TEST_F(DisplayStateTest, CarriesWhoFliesAndWhenTheNextStartIsDueWithTheDrawsVersion) {
    ScheduleRunner runner{cycle, time};
    time.attach(runner.gapTimer);
    DisplayStatePublisher withDraw{cycle, &runner};
    std::vector<std::optional<DrawDocument>> draws;
    withDraw.drawChanged.connect([&](const auto& draw) { draws.push_back(draw); });
    Schedule schedule;
    schedule.preparation = 10;
    schedule.gap = 5;
    schedule.rounds.resize(2);
    schedule.rounds[0] = {"A", "", 20, 2, 1, {}, {}, {}, {}, {}};
    schedule.rounds[1] = {"B", "", 20, 1, 2, {}, {}, {}, {}, {}};
    schedule.draw = Draw{{{"Anna", "", {}}, {"Bruno", "", {}}, {"Carla", "", {}}},
                         {{{0, 2}, {1}}, {{0, 1, 2}}},
                         {},
                         {}};
    runner.load(schedule);
    time.runSoonTasks();
    ASSERT_EQ(draws.size(), 1U);
    // Each cycle: 10 s preparation, 20 s working time, 30 s landing, then the next one's gap; a
    // later flight's preparation is its no-fly minute.
    EXPECT_EQ(draws[0]->cycles, (std::vector<CycleLength>{
                                    {1, 1, 1, 65}, {1, 2, 1, 65}, {2, 1, 1, 65}, {2, 1, 2, 110}}));
    const auto scheduled = [&] { return withDraw.current().schedule.value(); };
    EXPECT_EQ(scheduled().pilots, (std::vector<std::string>{"Anna", "Carla"}));
    EXPECT_EQ(scheduled().onDeck, std::vector<std::string>{"Bruno"});
    EXPECT_EQ(scheduled().onDeckCycle, 1);
    EXPECT_EQ(scheduled().startIn, std::nullopt) << "nothing is due before the director's START";

    form.Command5.click();
    time.advance(12s);
    EXPECT_EQ(scheduled().startIn, 65 - 12);
    EXPECT_EQ(scheduled().startCycle, 1);
    time.advance(50s); // in the gap, which shows no time of its own
    EXPECT_EQ(runner.state(), ScheduleRunner::State::Gap);
    EXPECT_EQ(scheduled().startIn, 5 - 2);
    EXPECT_EQ(scheduled().pilots, std::vector<std::string>{"Bruno"});
    EXPECT_EQ(scheduled().onDeck, (std::vector<std::string>{"Anna", "Bruno", "Carla"}));
    EXPECT_EQ(scheduled().onDeckCycle, 2);
    EXPECT_EQ(scheduled().drawVersion, 1);
    EXPECT_EQ(displayStateJson(withDraw.current()).toStdString(),
              R"({"draw":1,"flight":1,"group":2,"next":"round 1, group 2, flight 1",)"
              R"("on_deck":["Anna","Bruno","Carla"],"on_deck_cycle":2,"phase":"ready",)"
              R"("pilots":["Bruno"],"round":1,"start_cycle":1,"start_in":3,"status":"READY",)"
              R"("task":"A","time":"00.00.10","window":""})");

    schedule.draw->rounds[1][0].pop_back();
    ASSERT_TRUE(runner.changeDraw(schedule));
    time.runSoonTasks();
    ASSERT_EQ(draws.size(), 2U);
    EXPECT_EQ(draws[1]->version, 2);
    EXPECT_EQ(scheduled().drawVersion, 2);
    EXPECT_EQ(drawDocumentJson(draws[1]).toStdString(),
              R"({"cycles":[[1,1,1,65],[1,2,1,65],[2,1,1,65],[2,1,2,110]],"date":"",)"
              R"("name":"","pilots":["Anna","Bruno","Carla"],"rounds":[[["Anna","Carla"],)"
              R"(["Bruno"]],[["Anna","Bruno"]]],"version":2})");
}

} // namespace
} // namespace aerolap::testing
