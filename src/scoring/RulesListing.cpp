#include "RulesListing.h"

#include "ScoreText.h"

// Marks a text for the catalogues: lupdate reads this name, and the scoring library stays free of
// Qt.
#define QT_TRANSLATE_NOOP(context, text) text
#define QT_TRANSLATE_N_NOOP(context, text) text

namespace aerolap {

namespace {

/// `text` with %1, %2... replaced by `values` in order.
std::string filled(std::string text, const std::vector<std::string>& values) {
    for (std::size_t i = values.size(); i-- > 0;) {
        const std::string marker = "%" + std::to_string(i + 1);
        for (auto at = text.find(marker); at != std::string::npos;
             at = text.find(marker, at + values[i].size())) {
            text.replace(at, marker.size(), values[i]);
        }
    }
    return text;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

std::string droppedText(const std::vector<DropStep>& steps, const Phrasebook& say) {
    std::vector<std::string> parts;
    for (const DropStep& step : steps) {
        parts.push_back(
            filled(say(QT_TRANSLATE_N_NOOP("RulesListing", "%1 from %n rounds"), step.fromRounds),
                   {std::to_string(step.dropped)}));
    }
    return parts.empty() ? say(QT_TRANSLATE_NOOP("RulesListing", "none"), -1) : joined(parts);
}

std::string countedText(const RoundRules& rules, const Phrasebook& say) {
    switch (rules.counting) {
    case Counting::LastFlights:
        return say(QT_TRANSLATE_N_NOOP("RulesListing", "the last %n flight(s)"), rules.counted);
    case Counting::LongestFlights:
        return say(QT_TRANSLATE_N_NOOP("RulesListing", "the longest %n flight(s)"), rules.counted);
    case Counting::EveryFlight:
        return say(QT_TRANSLATE_NOOP("RulesListing", "every flight"), -1);
    case Counting::BestTargetMatch:
        return say(QT_TRANSLATE_NOOP("RulesListing",
                                     "the longest flights against the targets, as they score most"),
                   -1);
    case Counting::Ladder:
        return say(QT_TRANSLATE_NOOP("RulesListing", "the flights in order against the targets"),
                   -1);
    case Counting::Poker:
        return say(QT_TRANSLATE_N_NOOP("RulesListing", "the pilot's targets reached, at most %n"),
                   rules.counted);
    }
    return {};
}

} // namespace

std::string inEnglish(const char* text, int count) {
    std::string said = text;
    if (count < 0) {
        return said;
    }
    // Without the catalogue's plural forms a count of one reads in the singular, "(s)" dropped.
    if (const auto plural = said.find("(s)"); plural != std::string::npos) {
        said.replace(plural, 3, count == 1 ? "" : "s");
    }
    if (const auto number = said.find("%n"); number != std::string::npos) {
        said.replace(number, 2, std::to_string(count));
    }
    return said;
}

std::vector<Setting> settingsOf(const ContestRules& rules, const Phrasebook& say) {
    const auto line = [&say](const char* name, std::string value) {
        return Setting{say(name, -1), std::move(value)};
    };
    const bool reflownTakesIt = rules.reflight == ReflightRule::ReflownPilotTakesReflight;
    const int members = rules.teamMembersCounted;
    return {
        line(QT_TRANSLATE_NOOP("RulesListing", "Rounds dropped"),
             droppedText(rules.droppedRounds, say)),
        line(QT_TRANSLATE_NOOP("RulesListing", "Completed rounds for a final score"),
             std::to_string(rules.minimumRounds)),
        line(QT_TRANSLATE_NOOP("RulesListing", "Penalty points that disqualify"),
             filled(say(QT_TRANSLATE_NOOP("RulesListing", "over %1"), -1),
                    {std::to_string(rules.penaltyLimit)})),
        line(
            QT_TRANSLATE_NOOP("RulesListing", "Re-flight"),
            reflownTakesIt
                ? say(QT_TRANSLATE_NOOP("RulesListing", "the re-flown pilot takes the re-flight's "
                                                        "score, the others in its group the better "
                                                        "of their two"),
                      -1)
                : say(QT_TRANSLATE_NOOP("RulesListing", "everyone in the re-flight group keeps the "
                                                        "better of their two scores"),
                      -1)),
        line(
            QT_TRANSLATE_NOOP("RulesListing", "Team result"),
            rules.team == TeamRule::NominatedMembers
                ? say(QT_TRANSLATE_N_NOOP("RulesListing",
                                          "the sum of %n nominated members' totals"),
                      members)
                : say(QT_TRANSLATE_N_NOOP("RulesListing", "the sum of the best %n members' totals"),
                      members)),
        line(QT_TRANSLATE_NOOP("RulesListing", "Fly-off rounds dropped"),
             droppedText(rules.droppedFlyOffRounds, say)),
        line(QT_TRANSLATE_NOOP("RulesListing", "Poker targets counted"),
             filled(say(QT_TRANSLATE_NOOP("RulesListing", "at most %1"), -1),
                    {std::to_string(rules.pokerTargets)})),
        line(QT_TRANSLATE_NOOP("RulesListing", "Task D"),
             rules.taskD == TaskDForm::TwoFlights
                 ? say(QT_TRANSLATE_NOOP("RulesListing", "two flights"), -1)
                 : say(QT_TRANSLATE_NOOP("RulesListing", "ladder of 30 s to 120 s in order"), -1)),
    };
}

std::vector<Setting> settingsOf(const RoundRules& rules, const Phrasebook& say) {
    std::vector<Setting> settings{
        {say(QT_TRANSLATE_NOOP("RulesListing", "Task"), -1), std::string(1, rules.task)},
        {say(QT_TRANSLATE_NOOP("RulesListing", "Working time"), -1), shownTime(rules.workingTime)},
        {say(QT_TRANSLATE_NOOP("RulesListing", "Counted"), -1), countedText(rules, say)},
        {say(QT_TRANSLATE_NOOP("RulesListing", "Flights allowed"), -1),
         rules.launches ? std::to_string(*rules.launches)
                        : say(QT_TRANSLATE_NOOP("RulesListing", "any number"), -1)},
        {say(QT_TRANSLATE_NOOP("RulesListing", "Most a flight counts"), -1),
         rules.cap ? shownTime(*rules.cap)
                   : say(QT_TRANSLATE_NOOP("RulesListing", "the working time"), -1)},
    };
    if (!rules.targets.empty()) {
        std::vector<std::string> targets;
        for (const int target : rules.targets) {
            targets.push_back(shownTime(target));
        }
        settings.push_back(
            {say(QT_TRANSLATE_NOOP("RulesListing", "Targets"), -1), joined(targets)});
    }
    return settings;
}

} // namespace aerolap
