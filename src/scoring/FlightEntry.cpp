#include "FlightEntry.h"

#include "ScoreText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace aerolap {

namespace {

constexpr std::string_view kSeparators = " \t\r\n,";

bool allDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

/// The digits' value; none when it does not fit, which no working time comes near.
std::optional<std::int64_t> valueOf(std::string_view digits) {
    std::int64_t value = 0;
    if (digits.size() > 9 ||
        std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc{}) {
        return std::nullopt;
    }
    return value;
}

struct ReadTime {
    std::int64_t seconds = 0;
    std::string fault;
};

ReadTime readTime(std::string_view token) {
    if (token.starts_with('-')) {
        return {0, "is negative"};
    }
    const std::size_t point = token.find('.');
    const std::string_view whole = token.substr(0, point);
    if (point != std::string_view::npos && !allDigits(token.substr(point + 1))) {
        return {0, "is not a time"};
    }
    std::string_view minutes;
    std::string_view seconds = whole;
    if (const std::size_t colon = whole.find(':'); colon != std::string_view::npos) {
        minutes = whole.substr(0, colon);
        seconds = whole.substr(colon + 1);
        if (!allDigits(minutes) || seconds.size() != 2) {
            return {0, "is not a time: write m:ss"};
        }
    } else if (whole.size() > 4) {
        return {0, "is not a time: write m:ss, or at most four digits"};
    } else if (whole.size() > 2) {
        minutes = whole.substr(0, whole.size() - 2);
        seconds = whole.substr(whole.size() - 2);
    }
    if (!allDigits(seconds)) {
        return {0, "is not a time"};
    }
    const std::int64_t secondsPart = *valueOf(seconds);
    if (secondsPart >= 60) {
        return {0, "has 60 seconds or more"};
    }
    const std::optional<std::int64_t> minutesPart = minutes.empty() ? 0 : valueOf(minutes);
    if (!minutesPart) {
        return {0, "is not a time"};
    }
    return {*minutesPart * 60 + secondsPart, {}};
}

EnteredFlights refused(std::string_view token, const std::string& fault) {
    return {std::nullopt, "\"" + std::string(token) + "\" " + fault};
}

} // namespace

EnteredFlights parseFlights(std::string_view text, const RoundRules& rules) {
    std::vector<Flight> flights;
    std::size_t start = text.find_first_not_of(kSeparators);
    while (start != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(kSeparators, start), text.size());
        const std::string_view token = text.substr(start, end - start);
        start = text.find_first_not_of(kSeparators, end);
        const ReadTime time = readTime(token);
        if (!time.fault.empty()) {
            return refused(token, time.fault);
        }
        if (time.seconds > rules.workingTime) {
            return refused(token,
                           "is longer than the working time of " + shownTime(rules.workingTime));
        }
        if (rules.launches && std::ssize(flights) >= *rules.launches) {
            return refused(token, "is one flight too many: task " + std::string(1, rules.task) +
                                      " has at most " + std::to_string(*rules.launches));
        }
        flights.push_back({static_cast<int>(time.seconds), std::nullopt, 0, 0});
    }
    return {std::move(flights), {}};
}

} // namespace aerolap
