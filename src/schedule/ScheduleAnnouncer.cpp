#include "ScheduleAnnouncer.h"

#include "audio/ScheduleSoundFiles.h"
#include "elements/TimeText.h"

#include <optional>

namespace aerolap {

namespace {

using Seconds = sounds::Seconds;

// The gap opens with the end-of-landing call; its longest recording lasts this long.
constexpr Seconds kEndOfLandingCall{2.9};
// START's preparation call, played when its box is ticked.
constexpr Seconds kPreparationCall{9.0};

/// A cue of the preparation: the seconds left when it starts, and how long it may last.
struct PreparationCue {
    double startsAtLeft;
    double length;
};

// The count, the ten seconds and the siren; the minute beeps, which keep running from the
// previous cycle, sound on each whole minute left.
constexpr PreparationCue kPreparationCues[] = {
    {10, 2.9},  {5, 0.9},   {4, 0.9},   {3, 0.9},   {2, 0.9},   {1, 0.9},   {0, 2.0},   {60, 0.9},
    {120, 0.9}, {180, 0.9}, {240, 0.9}, {300, 0.9}, {360, 0.9}, {420, 0.9}, {480, 0.9}, {540, 0.9}};

bool overlaps(double startsAtLeft, double length, const PreparationCue& cue) {
    return cue.startsAtLeft > startsAtLeft - length && cue.startsAtLeft - cue.length < startsAtLeft;
}

} // namespace

ScheduleAnnouncer::ScheduleAnnouncer(ScheduleRunner& runner, Form1& form, CuePlayer& cues,
                                     const MonotonicSource& time)
    : m_runner(runner), m_form(form), m_cues(cues), m_time(time) {
    runner.changed.connect([this] {
        const ScheduleRunner::State state = m_runner.state();
        if (state == ScheduleRunner::State::Gap && m_lastState != state) {
            announceComingCycle();
        } else if (state != ScheduleRunner::State::Gap) {
            m_words.clear();
            wordTimer.setEnabled(false);
        }
        m_lastState = state;
    });
    runner.windowChanged.connect([this](auto window) { announceWindow(window); });
    wordTimer.tick.connect([this] { playDueWords(); });
}

void ScheduleAnnouncer::announceComingCycle() {
    const auto [round, group, flight] = m_runner.position();
    std::vector<std::pair<std::string, Seconds>> words{
        {sounds::kRound, sounds::kWordLength},
        {sounds::numberCue(round + 1), sounds::kNumberLength},
        {sounds::kGroup, sounds::kWordLength},
        {sounds::numberCue(group + 1), sounds::kNumberLength}};
    if (flight > 0) {
        words.push_back({sounds::kFlight, sounds::kWordLength});
        words.push_back({sounds::numberCue(flight + 1), sounds::kNumberLength});
    }
    const auto startsAt = m_runner.nextStartAt();
    auto at =
        m_time.now() + std::chrono::duration_cast<std::chrono::milliseconds>(kEndOfLandingCall);
    std::deque<Word> planned;
    for (const auto& [cue, length] : words) {
        planned.push_back({at, cue});
        at += std::chrono::duration_cast<std::chrono::milliseconds>(length);
    }
    const bool numbersSpoken = round < sounds::kHighestNumber && group < sounds::kHighestNumber;
    if (startsAt && at <= *startsAt && numbersSpoken) {
        m_words = std::move(planned);
        wordTimer.setEnabled(true);
    }
}

void ScheduleAnnouncer::announceWindow(ScheduleRunner::Window window) {
    if (window == ScheduleRunner::Window::None) {
        return;
    }
    const double left = TimeText::toSeconds(m_form.Clock1.clockTimeText()).value_or(0);
    const double length = sounds::kWindowCallLength.count();
    const double preparation = planOf(m_runner.schedule(), m_runner.position()).preparation;
    if (m_form.Check2.ticked() && overlaps(left, length, {preparation, kPreparationCall.count()})) {
        return;
    }
    for (const PreparationCue& cue : kPreparationCues) {
        if (overlaps(left, length, cue)) {
            return;
        }
    }
    m_cues.playOptionalCue(window == ScheduleRunner::Window::TestFlights ? sounds::kTestFlights
                                                                         : sounds::kNoFlying);
}

void ScheduleAnnouncer::playDueWords() {
    while (!m_words.empty() && m_words.front().at <= m_time.now()) {
        m_cues.playOptionalCue(m_words.front().cue);
        m_words.pop_front();
    }
    if (m_words.empty()) {
        wordTimer.setEnabled(false);
    }
}

} // namespace aerolap
