#pragma once

#include "PhoneCard.h"
#include "ScoreSheet.h"
#include "ScoredContest.h"
#include "day_log/DayLog.h"
#include "elements/Signal.h"
#include "files/FileWriter.h"
#include "notices/NoticeBoard.h"
#include "schedule/ScheduleRunner.h"
#include "schedule/ScheduleSession.h"
#include "scoring/Results.h"

#include <compare>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// A group of the schedule: its round and group, counted from 0.
struct GroupPlace {
    int round = 0;
    int group = 0;
    auto operator<=>(const GroupPlace&) const = default;
};

/// What became of an entry: taken, or refused with the reason for whoever made it, and then
/// nothing changed.
struct EntryOutcome {
    bool taken = false;
    std::string refusal;
};

/// The contest's scores while the program runs, tied to the schedule in hand and its draw: the
/// schedule gives each round's task, the draw the pilots, groups and teams, and the scores file
/// (beside the schedule's file, or the one the director named) the rest. The file is read when a
/// schedule file is opened (one that cannot be read is kept aside and named in a notice) and
/// replaced whole through the files' writer at each entry; each entry and change goes into the
/// day log. Everything runs on the GUI thread between the timer's handlers and never in a tick:
/// the results are worked out when asked for, once after each change.
class ScoresSession {
public:
    /// Made after the schedule's runner and session: it hears their changes after them.
    ScoresSession(ScheduleRunner& runner, ScheduleSession& schedule, FileWriter& files, DayLog& log,
                  NoticeBoard& notices);
    ScoresSession(const ScoresSession&) = delete;
    ScoresSession& operator=(const ScoresSession&) = delete;

    /// Keeps the scores in `path` whatever schedule is opened, and reads them from there now.
    void keepScoresIn(const std::filesystem::path& path);
    /// Where the scores are kept; empty while they have no place (a schedule without a file).
    std::filesystem::path file() const;

    const ScoreSheet& sheet() const { return m_sheet; }
    /// The contest as the schedule, its draw and the sheet now make it.
    const ScoredContest& contest();
    const Results& results();
    /// Counts the changes that change the results: each entry, confirmation, re-flight group and
    /// change of the rules, each schedule opened, and each change to the schedule or its draw.
    std::uint64_t version() const { return m_version; }

    /// The group the director most likely has the cards of: the last one before the group in
    /// hand, or the last of the schedule once it is flown; the first before anything has flown.
    std::optional<GroupPlace> groupJustFlown() const;
    /// The pilots of a group by the contest's numbers: the draw's, then any other with a card.
    std::vector<int> pilotsOf(GroupPlace group);

    /// Takes `card` (its `pilot` the contest's number) for the group, in place of the pilot's
    /// card there, if the round's task allows it; a confirmed group becomes provisional again.
    EntryOutcome enter(GroupPlace group, Card card);
    /// Takes a card from a timekeeper's phone, exactly once: a copy of a card already taken (the
    /// same id), or an older version of it, changes nothing; a card that would change a group
    /// confirmed meanwhile is a conflict for the director; anything else goes through the checks
    /// of a card typed in. `answer` is told on the writer's thread once the card is saved (or at
    /// once when it is not taken), so that the phone forgets it only when the laptop has it.
    void takeFromPhone(const PhoneCard& card, std::function<void(PhoneAnswer)> answer);
    /// Takes the pilot's card out of the group (one entered for the wrong pilot, say): the pilot
    /// has no card there any more, and a confirmed group becomes provisional again.
    EntryOutcome clearCard(GroupPlace group, int pilot);
    /// The jury confirms the group's scores: they are no longer provisional.
    EntryOutcome confirmGroup(GroupPlace group);
    /// Adds a group at the end of the round for the pilots granted a re-flight and the pilots
    /// who fill it, all of whom flew in the round: a group of the schedule and the draw like any
    /// other, flown, timed and announced in its turn. The schedule's file is saved with it.
    EntryOutcome addReflightGroup(int round, const std::vector<int>& granted,
                                  const std::vector<int>& fillers);
    /// Scores the contest under these rules, the fly-off from round `flyOffFrom` (counted from
    /// 0) on, if any.
    EntryOutcome setRules(const ContestRules& rules, std::optional<int> flyOffFrom);

    /// Raised after each change that `version` counts.
    Signal<> changed;
    /// While `changed` is told: the change was only a card typed into, or taken out of, a group
    /// not confirmed before it, which the pilots need not see until the group is confirmed.
    bool changedProvisionalOnly() const { return m_provisionalOnly; }

private:
    void load();
    std::optional<std::string> placeFault(GroupPlace group);
    std::optional<std::string> cardPlaceFault(GroupPlace group, int pilot);
    /// Enters the card, from the phone `phone` when it is not null.
    EntryOutcome enterCard(GroupPlace group, Card card, const PhoneCardOrigin* phone);
    std::optional<PhoneAnswer> phoneCardVerdict(const PhoneCard& card);
    void record(ScoreChanged change);
    void save(FileWriter::Written written = {});
    void touched();

    ScheduleRunner& m_runner;
    ScheduleSession& m_schedule;
    FileWriter& m_files;
    DayLog& m_log;
    NoticeBoard& m_notices;
    std::optional<std::filesystem::path> m_namedFile;
    ScoreSheet m_sheet;
    std::optional<ScoredContest> m_contest;
    std::optional<Results> m_results;
    std::uint64_t m_scheduleRevision = 0;
    std::uint64_t m_version = 0;
    bool m_provisionalOnly = false;
};

} // namespace aerolap
