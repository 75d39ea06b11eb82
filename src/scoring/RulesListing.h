#pragma once

#include "ScoringRules.h"

#include <functional>
#include <string>
#include <vector>

namespace aerolap {

/// One setting as the results show it, so that a reader knows the rules the scores were made by.
struct Setting {
    std::string name;
    std::string value;

    friend bool operator==(const Setting&, const Setting&) = default;
};

/// Says a text of the listing in the reader's language; `count` is the number a "%n" in it
/// stands for, or -1. The texts are in the catalogues under the context "RulesListing".
using Phrasebook = std::function<std::string(const char* text, int count)>;

/// The texts as written, in English: the scores file records the rules so.
std::string inEnglish(const char* text, int count);

std::vector<Setting> settingsOf(const ContestRules& rules, const Phrasebook& say = inEnglish);
std::vector<Setting> settingsOf(const RoundRules& rules, const Phrasebook& say = inEnglish);

} // namespace aerolap
