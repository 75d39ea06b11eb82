#include "ExpectedCycles.h"
#include "MainWindowFixture.h"
#include "engine/CyclePhase.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>

namespace aerolap {
namespace {

using namespace std::chrono_literals;

struct Gate {
    const char* name;
    CheckBox Form1::*box;
    int value;                           // anything but 1 counts as unticked
    std::vector<long long> silencedAtMs; // in the 10-minute cycle
};

void PrintTo(const Gate& param, std::ostream* out) {
    *out << param.name;
}

const Gate kGates[] = {
    {"Check1", &Form1::Check1, 0, {87000, 90000}},
    {"Check3", &Form1::Check3, 0, {147000, 150000}},
    {"Check5", &Form1::Check5, CheckBox::kGrayed, {207000, 210000}},
    {"Check6", &Form1::Check6, 0, {267000, 270000}},
    {"Check7", &Form1::Check7, 0, {327000, 330000}},
    {"Check8", &Form1::Check8, 0, {387000, 390000}},
    {"Check9", &Form1::Check9, 0, {447000, 450000}},
    {"Check10", &Form1::Check10, 0, {507000, 510000}},
    {"Check11", &Form1::Check11, CheckBox::kGrayed, {567000, 570000}},
    {"Check14", &Form1::Check14, 0, {597000}},
    {"Check4", &Form1::Check4, 0, {632000}},
    {"Check2", &Form1::Check2, 0, {0}},
    {"Check16",
     &Form1::Check16,
     0,
     {90000, 150000, 210000, 270000, 330000, 390000, 450000, 510000, 570000}},
};

class CueGating : public testing::MainWindowFixture, public ::testing::WithParamInterface<Gate> {};

TEST_P(CueGating, UntickingABoxSilencesExactlyItsCues) {
    const Gate& gate = GetParam();
    (form.*gate.box).setValue(gate.value);

    testing::CueList expected;
    std::ranges::copy_if(testing::kTenMinuteCycle, std::back_inserter(expected),
                         [&gate](const testing::ExpectedCue& cue) {
                             return std::ranges::find(gate.silencedAtMs, cue.atMs) ==
                                    gate.silencedAtMs.end();
                         });
    ASSERT_EQ(expected.size() + gate.silencedAtMs.size(), testing::kTenMinuteCycle.size());

    form.Command5.click();
    ASSERT_TRUE(time.advanceUntil([this] { return cyclePhase(form) == CyclePhase::Ready; }, 20min));
    EXPECT_EQ(cues.played(), testing::asPlayed(expected));
}

INSTANTIATE_TEST_SUITE_P(, CueGating, ::testing::ValuesIn(kGates),
                         [](const auto& instance) { return std::string(instance.param.name); });

} // namespace
} // namespace aerolap
