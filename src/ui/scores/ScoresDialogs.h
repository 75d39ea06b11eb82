#pragma once

#include "scoring/ScoringRules.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace aerolap {

/// The pilots a re-flight group is added for, by their places in the list offered.
struct ReflightChoice {
    std::vector<int> granted;
    std::vector<int> fillers;
};

/// The contest's rules as the director set them.
struct RulesChoice {
    ContestRules rules;
    /// Counted from 0.
    std::optional<int> flyOffFrom;
};

/// What the Scores window asks the director in a dialog; each gives nothing (an empty text) when
/// the director cancels. The system's own dialogs unless a test scripts them.
struct ScoresDialogs {
    /// A file to write, with the dialog's caption and its file filter.
    std::function<QString(QWidget& parent, const QString& caption, const QString& filter)>
        fileToWrite;
    /// From the pilots of the round: those granted a re-flight, and those who fill the group.
    std::function<std::optional<ReflightChoice>(QWidget& parent, const QStringList& pilots)>
        reflight;
    /// The rules edited, for a contest of `rounds` rounds.
    std::function<std::optional<RulesChoice>(QWidget& parent, const RulesChoice& now, int rounds)>
        rules;
};

ScoresDialogs systemScoresDialogs();

/// The dropped rounds as the rules dialog shows them, "5:1 9:2" (from 5 rounds 1 dropped...), and
/// back; nothing for text that is not such steps.
QString dropStepsText(const std::vector<DropStep>& steps);
std::optional<std::vector<DropStep>> dropStepsFrom(const QString& text);

} // namespace aerolap
