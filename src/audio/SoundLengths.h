#pragma once

#include "SoundFiles.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <string_view>
#include <utility>

namespace aerolap::sounds {

// The longest each sound of the cycle may last: the default set is generated to fit these
// (sounds/manifest.txt), and the schedule's announcements are fitted around them.

using Seconds = std::chrono::duration<double>;

inline constexpr std::array<std::pair<std::string_view, Seconds>, kAll.size()> kLongestLengths{{
    {kVoice9Minutes, Seconds{2.9}},
    {kVoice8Minutes, Seconds{2.9}},
    {kVoice7Minutes, Seconds{2.9}},
    {kVoice6Minutes, Seconds{2.9}},
    {kVoice5Minutes, Seconds{2.9}},
    {kVoice4Minutes, Seconds{2.9}},
    {kVoice3Minutes, Seconds{2.9}},
    {kVoice2Minutes, Seconds{2.9}},
    {kVoice1Minute, Seconds{2.9}},
    {kVoice30Seconds, Seconds{2.9}},
    {kPreparation, Seconds{9.0}},
    {kLanding, Seconds{9.0}},
    {kCount10, Seconds{2.9}},
    {kCount5, Seconds{0.9}},
    {kCount4, Seconds{0.9}},
    {kCount3, Seconds{0.9}},
    {kCount2, Seconds{0.9}},
    {kCount1, Seconds{0.9}},
    {kBeepVuz, Seconds{0.9}},
    {kBeep3Seconds, Seconds{3.05}},
    {kSiren, Seconds{2.0}},
    {kEndOfLanding, Seconds{2.9}},
    {kLandingButtonSiren, Seconds{2.0}},
    {kMinuteBeep, Seconds{0.9}},
}};

/// The longest `file`, one of `kAll`, may last.
constexpr Seconds longestLength(std::string_view file) {
    const auto* found =
        std::ranges::find(kLongestLengths, file, &std::pair<std::string_view, Seconds>::first);
    return found == kLongestLengths.end() ? Seconds{} : found->second;
}

static_assert(std::ranges::all_of(kAll,
                                  [](std::string_view file) {
                                      return longestLength(file) > Seconds{};
                                  }),
              "every sound of the cycle has its longest length");

} // namespace aerolap::sounds
