#include "ScheduleAnnouncer.h"

#include "audio/ScheduleSoundFiles.h"
#include "engine/PreparationCountdown.h"

namespace aerolap {

namespace {

using Seconds = sounds::Seconds;

/// A sound's span on the running clock: the seconds left when it starts, and how long it may last.
struct ClockSpan {
    double startsAtLeft;
    double length;
};

bool overlaps(const ClockSpan& one, const ClockSpan& other) {
    return other.startsAtLeft > one.startsAtLeft - one.length &&
           other.startsAtLeft - other.length < one.startsAtLeft;
}

} // namespace

ScheduleAnnouncer::ScheduleAnnouncer(ScheduleRunner& runner, const Cycle& cycle, CuePlayer& cues,
                                     const MonotonicSource& time)
    : m_runner(runner), m_cycle(cycle), m_cues(cues), m_time(time) {
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
    // The gap opens with the end-of-landing call.
    auto at = m_time.now() + std::chrono::duration_cast<std::chrono::milliseconds>(
                                 sounds::longestLength(sounds::kEndOfLanding));
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
    const ClockSpan call{static_cast<double>(m_cycle.secondsLeft()),
                         sounds::kWindowCallLength.count()};
    // START's preparation call, played when its box is ticked.
    const double preparation = planOf(m_runner.schedule(), m_runner.position()).preparation;
    if (m_cycle.now().settings.announcements.preparationCall &&
        overlaps(call, {preparation, sounds::longestLength(sounds::kPreparation).count()})) {
        return;
    }
    for (const TimedCue& cue : PreparationCountdown::standardCues()) {
        if (overlaps(call, {static_cast<double>(cue.secondsLeft),
                            sounds::longestLength(cue.file).count()})) {
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
