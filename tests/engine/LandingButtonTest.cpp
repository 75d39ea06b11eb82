#include "ExpectedCycles.h"
#include "MainWindowFixture.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using namespace aerolap::sounds;
using LandingButton = testing::MainWindowFixture;

TEST_F(LandingButton, EndsTheVuzWorkingTimeAndOpensTheLandingWindow) {
    std::vector<std::string> display;
    form.Label2.changed.connect([&] { display.push_back(form.Label2.caption()); });
    form.Option4.select();
    form.Command5.click();
    time.advance(29999ms);
    EXPECT_FALSE(form.Command3.visible());
    time.advance(100s);
    ASSERT_TRUE(form.Command3.visible());

    const long long clickMs = time.elapsed().count();
    display.clear();
    cues.clear();
    form.Command3.click();
    EXPECT_EQ(display, (std::vector<std::string>{"00.00.00", "00.00.30"}));
    EXPECT_FALSE(form.Command3.visible());
    EXPECT_FALSE(form.Timer3.enabled());
    EXPECT_TRUE(form.Timer1.enabled());
    EXPECT_TRUE(form.Command7.visible());

    ASSERT_TRUE(time.advanceUntil([this] { return form.Command5.visible(); }, 31s));
    EXPECT_EQ(time.elapsed().count() - clickMs, 30000);
    EXPECT_EQ(cues.played(), testing::asPlayed(testing::CueList{{0, kLandingButtonSiren, ""}} +
                                                   testing::landingWindowFrom(0),
                                               clickMs));
    EXPECT_EQ(form.Label4.caption(), "READY");
}

TEST_F(LandingButton, IsNotOfferedWhenVuzIsChosenAfterStart) {
    form.Command5.click();
    time.advance(5s);
    form.Option4.select();
    EXPECT_EQ(form.Label4.caption(), "READY ");
    time.advance(25s);

    EXPECT_TRUE(form.Timer3.enabled());
    EXPECT_FALSE(form.Command3.visible());
    EXPECT_EQ(cues.played().back().path, kSiren) << "the standard preparation ran";
    // The working time is read at the end of the preparation, so the new task's time counts.
    EXPECT_EQ(form.Label2.caption(), "00.03.00");
    time.advance(10ms);
    EXPECT_EQ(form.Label4.caption(), "TEMPO OPERATIVO");
}

} // namespace
} // namespace aerolap
