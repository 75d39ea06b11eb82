#include "ExpectedCycles.h"
#include "MainWindowFixture.h"
#include "engine/CyclePhase.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;

struct Gate {
    CheckBox Form1::*box;
    /// The runs this box is unticked in, one character a run. No two boxes share the same three
    /// runs, so for any two boxes some run has the first unticked and the second ticked: six
    /// 10-minute cycles show that each box silences its own cues and no other box's.
    const char* untickedInRuns;
    std::vector<long long> silencedAtMs; // in the 10-minute cycle
};

const Gate kGates[] = {
    {&Form1::Check1, "XXX...", {87000, 90000}},
    {&Form1::Check3, "XX.X..", {147000, 150000}},
    {&Form1::Check5, "XX..X.", {207000, 210000}},
    {&Form1::Check6, "XX...X", {267000, 270000}},
    {&Form1::Check7, "X.XX..", {327000, 330000}},
    {&Form1::Check8, "X.X.X.", {387000, 390000}},
    {&Form1::Check9, "X.X..X", {447000, 450000}},
    {&Form1::Check10, "X..XX.", {507000, 510000}},
    {&Form1::Check11, "X..X.X", {567000, 570000}},
    {&Form1::Check14, "X...XX", {597000}},
    {&Form1::Check4, ".XXX..", {632000}},
    {&Form1::Check2, ".XX.X.", {0}},
    {&Form1::Check16,
     ".XX..X",
     {90000, 150000, 210000, 270000, 330000, 390000, 450000, 510000, 570000}},
};

class CueGating : public testing::MainWindowFixture, public ::testing::WithParamInterface<int> {};

TEST_P(CueGating, UntickedBoxesSilenceExactlyTheirCues) {
    std::vector<long long> silenced;
    for (const Gate& gate : kGates) {
        if (gate.untickedInRuns[GetParam()] == 'X') {
            // Anything but 1 counts as unticked.
            (form.*gate.box).setValue(gate.box == &Form1::Check5 ? CheckBox::kGrayed : 0);
            silenced.insert(silenced.end(), gate.silencedAtMs.begin(), gate.silencedAtMs.end());
        }
    }
    testing::CueList expected;
    std::ranges::copy_if(testing::kTenMinuteCycle, std::back_inserter(expected),
                         [&](const auto& cue) { return !std::ranges::count(silenced, cue.atMs); });

    form.Command5.click();
    ASSERT_TRUE(time.advanceUntil([this] { return cyclePhase(form) == CyclePhase::Ready; }, 20min));
    EXPECT_EQ(cues.played(), testing::asPlayed(expected));
}

INSTANTIATE_TEST_SUITE_P(Runs, CueGating, ::testing::Range(0, 6));

} // namespace
} // namespace aerolap
