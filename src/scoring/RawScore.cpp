#include "RawScore.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <numeric>

namespace aerolap {

namespace {

using Seconds = std::int64_t;

std::size_t sizeOf(int count) {
    return static_cast<std::size_t>(std::max(count, 0));
}

/// Each flight against the target in the same place, as far as both go.
Seconds againstTargets(const std::vector<Seconds>& times, const std::vector<int>& targets) {
    Seconds sum = 0;
    for (std::size_t i = 0; i < std::min(times.size(), targets.size()); ++i) {
        sum += std::min<Seconds>(times[i], targets[i]);
    }
    return sum;
}

Seconds pokerScore(const std::vector<Flight>& flights, const std::vector<Seconds>& times,
                   int targets) {
    Seconds sum = 0;
    int reached = 0;
    for (std::size_t i = 0; i < times.size() && reached < targets; ++i) {
        if (flights[i].target > 0 && times[i] >= flights[i].target) {
            sum += flights[i].target;
            ++reached;
        }
    }
    return sum;
}

} // namespace

int countedSeconds(const Flight& flight, int workingTime) {
    const Seconds working = std::max(workingTime, 0);
    const Seconds left = std::clamp<Seconds>(working - flight.launchedAt.value_or(0), 0, working);
    const Seconds flown = Seconds{flight.seconds} - flight.afterWorkingTime;
    return static_cast<int>(std::clamp<Seconds>(flown, 0, left));
}

int rawScore(const Card& card, const RoundRules& rules) {
    if (card.mark != CardMark::Signed) {
        return 0;
    }
    // Flights past the most the task allows were not flights of the task.
    const std::size_t allowed = rules.launches
                                    ? std::min(card.flights.size(), sizeOf(*rules.launches))
                                    : card.flights.size();
    std::vector<Seconds> times;
    times.reserve(allowed);
    for (std::size_t i = 0; i < allowed; ++i) {
        const Seconds counted = countedSeconds(card.flights[i], rules.workingTime);
        times.push_back(rules.cap ? std::min<Seconds>(counted, *rules.cap) : counted);
    }
    const std::size_t counted = std::min(times.size(), sizeOf(rules.counted));
    Seconds sum = 0;
    switch (rules.counting) {
    case Counting::LastFlights:
        times.erase(times.begin(), times.end() - static_cast<std::ptrdiff_t>(counted));
        sum = std::reduce(times.begin(), times.end(), Seconds{0});
        break;
    case Counting::LongestFlights:
        std::ranges::sort(times, std::greater{});
        sum = std::reduce(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(counted),
                          Seconds{0});
        break;
    case Counting::EveryFlight:
        sum = std::reduce(times.begin(), times.end(), Seconds{0});
        break;
    case Counting::BestTargetMatch: {
        // The longest flight against the longest target, and so down, scores the most.
        std::vector<int> targets = rules.targets;
        std::ranges::sort(targets, std::greater{});
        std::ranges::sort(times, std::greater{});
        sum = againstTargets(times, targets);
        break;
    }
    case Counting::Ladder:
        sum = againstTargets(times, rules.targets);
        break;
    case Counting::Poker:
        sum = pokerScore(card.flights, times, rules.counted);
        break;
    }
    return static_cast<int>(std::clamp<Seconds>(sum, 0, INT_MAX));
}

} // namespace aerolap
