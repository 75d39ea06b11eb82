#pragma once

#include "ScoringRules.h"

#include <string>
#include <vector>

namespace aerolap {

/// One setting as the results show it, so that a reader knows the rules the scores were made by.
struct Setting {
    std::string name;
    std::string value;

    friend bool operator==(const Setting&, const Setting&) = default;
};

std::vector<Setting> settingsOf(const ContestRules& rules);
std::vector<Setting> settingsOf(const RoundRules& rules);

} // namespace aerolap
