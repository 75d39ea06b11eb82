#include "MainWindowFixture.h"
#include "display/DisplayStatePublisher.h"
#include "web/DisplayStateJson.h"

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

struct Moment {
    long long ms;
    std::string time;
    friend bool operator==(const Moment&, const Moment&) = default;
    friend void PrintTo(const Moment& m, std::ostream* out) { *out << m.ms << ":" << m.time; }
};

/// The main window with the display state published on an event loop of its own: tasks asked
/// for during a virtual millisecond run once its timers have fired.
class DisplayStateTest : public MainWindowFixture {
protected:
    DisplayStateTest() {
        form.Label2.changed.connect([this] { frames.push_back(now(form.Label2.caption())); });
        shownTimes.push_back({0, publisher.current().time});
        publisher.changed.connect([this](const DisplayState& state) {
            published.push_back(state);
            if (state.time != (shownTimes.empty() ? "" : shownTimes.back().time)) {
                shownTimes.push_back(now(state.time));
            }
        });
    }

    Moment now(const std::string& shown) const { return {time.elapsed().count(), shown}; }
    void run(std::chrono::milliseconds duration) {
        runPending();
        time.advanceUntil([this] { return runPending(); }, duration);
    }
    bool runPending() {
        for (std::size_t i = 0; i < pending.size(); ++i) {
            pending[i]();
        }
        pending.clear();
        return false;
    }
    std::string phases() const {
        std::string out;
        for (const DisplayState& state : published) {
            const std::string name{phaseName(state.phase)};
            out += out.ends_with(name) ? "" : " " + name;
        }
        return out;
    }

    std::vector<std::function<void()>> pending;
    DisplayStatePublisher publisher{form, [this](auto task) { pending.push_back(task); }};
    std::vector<DisplayState> published;
    std::vector<Moment> frames, shownTimes;
};

TEST_F(DisplayStateTest, FollowsTheSerialFramesThroughAWholeCycleAndNeverShowsAHalfMadeState) {
    EXPECT_EQ(publisher.current(), (DisplayState{"00.00.30", "READY ", CyclePhase::Ready}));
    form.Option1.select();
    form.Command5.click();
    run(5min);
    EXPECT_EQ(phases(), " preparation working landing ready");
    // Each frame is shown in the same virtual millisecond; of the frames one handler writes
    // (the run-out time and the next phase's start), the page shows the last.
    std::vector<Moment> lastFrames{{0, "00.00.30"}};
    for (const Moment& frame : frames) {
        if (!lastFrames.empty() && lastFrames.back().ms == frame.ms) {
            lastFrames.pop_back();
        }
        lastFrames.push_back(frame);
    }
    EXPECT_EQ(shownTimes, lastFrames);
    EXPECT_EQ(shownTimes.size(), 1u + 30 + 180 + 30) << "each second of 30 s, 3 min and 30 s";
    EXPECT_EQ(publisher.current(), displayStateOf(form));
}

TEST_F(DisplayStateTest, ShowsStopResetAndTheVuzLandingButton) {
    form.Option4.select();
    form.Command5.click();
    run(40'500ms);
    EXPECT_EQ(publisher.current(),
              (DisplayState{"00.02.50", "TEMPO OPERATIVO", CyclePhase::WorkingTime}));
    form.Command3.click();
    run(1500ms);
    EXPECT_EQ(publisher.current(),
              (DisplayState{"00.00.29", "ATTERRAGGIO IN 30 SECONDI", CyclePhase::Landing}));
    form.Command7.click();
    run(2s);
    EXPECT_EQ(publisher.current().phase, CyclePhase::Stopped);
    form.Command2.click();
    run(10ms);
    EXPECT_EQ(publisher.current(), (DisplayState{"00.00.30", "READY", CyclePhase::Ready}));
    EXPECT_EQ(phases(), " preparation working landing stopped ready");
}

TEST(DisplayStateJson, CarriesTheCaptionsAndThePhaseName) {
    const std::pair<CyclePhase, const char*> rows[] = {{CyclePhase::Ready, "ready"},
                                                       {CyclePhase::Preparation, "preparation"},
                                                       {CyclePhase::WorkingTime, "working"},
                                                       {CyclePhase::Landing, "landing"},
                                                       {CyclePhase::Stopped, "stopped"}};
    for (const auto& [phase, name] : rows) {
        EXPECT_EQ(displayStateJson({"00.09.59", "TEMPO \"OPERATIVO\"", phase}).toStdString(),
                  std::string(R"({"phase":")") + name +
                      R"(","status":"TEMPO \"OPERATIVO\"","time":"00.09.59"})");
    }
}

} // namespace
} // namespace aerolap::testing
