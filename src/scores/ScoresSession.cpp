#include "ScoresSession.h"

#include "CardCheck.h"
#include "CardText.h"
#include "ScoreSheetJson.h"
#include "ScoresFile.h"
#include "files/UnreadableFile.h"
#include "schedule/ScheduleDraw.h"
#include "scoring/RulesListing.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>
#include <set>
#include <utility>

namespace aerolap {

namespace {

constexpr KeptFile kScoresFile{
    QT_TRANSLATE_NOOP("Message", "The scores file"),
    QT_TRANSLATE_NOOP("Message", "the scores are kept in memory and written once it can be")};

/// The texts of this file, as the catalogues hold them (lupdate reads `ScoresSessionText::tr`).
struct ScoresSessionText {
    Q_DECLARE_TR_FUNCTIONS(ScoresSession)
};

EntryOutcome refused(const QString& why) {
    return {false, why.toStdString()};
}

std::string rulesText(const ContestRules& rules, std::optional<int> flyOffFrom) {
    std::string text;
    for (const Setting& setting : settingsOf(rules)) {
        text += setting.name + ": " + setting.value + "; ";
    }
    return text + "Fly-off: " +
           (flyOffFrom ? "from round " + std::to_string(*flyOffFrom + 1) : std::string("none"));
}

std::string namesOf(const std::vector<int>& pilots, const Draw& draw) {
    std::string names;
    for (const int pilot : pilots) {
        names += (names.empty() ? "" : ", ") + draw.pilots[static_cast<std::size_t>(pilot)].name;
    }
    return names;
}

} // namespace

ScoresSession::ScoresSession(ScheduleRunner& runner, ScheduleSession& schedule, FileWriter& files,
                             DayLog& log, NoticeBoard& notices)
    : m_runner(runner), m_schedule(schedule), m_files(files), m_log(log), m_notices(notices),
      m_scheduleRevision(runner.revision()) {
    // The runner tells of every move as well; only a changed schedule changes the results.
    runner.changed.connect([this] {
        if (m_runner.revision() != m_scheduleRevision) {
            touched();
        }
    });
    schedule.opened.connect([this] { load(); });
    // A schedule saved as another file takes its scores along.
    schedule.renamed.connect([this] {
        if (!m_namedFile) {
            save();
        }
    });
}

void ScoresSession::keepScoresIn(const std::filesystem::path& path) {
    m_namedFile = path;
    load();
}

std::filesystem::path ScoresSession::file() const {
    if (m_namedFile) {
        return *m_namedFile;
    }
    return m_schedule.path().empty() ? std::filesystem::path() : scoresFileOf(m_schedule.path());
}

void ScoresSession::load() {
    m_sheet = {};
    const std::filesystem::path path = file();
    std::error_code error;
    // What was handed to the writer for the file and is not written yet is what the file is about
    // to hold: it is read from there, rather than the GUI thread waiting for the disk.
    const auto unwritten = path.empty() ? std::nullopt : m_files.pending(path);
    if (unwritten ||
        (!path.empty() && std::filesystem::exists(std::filesystem::symlink_status(path, error)))) {
        auto read = unwritten ? scoreSheetFromJson(*unwritten) : readScoresFile(path);
        if (auto* sheet = std::get_if<ScoreSheet>(&read)) {
            m_sheet = std::move(*sheet);
        } else {
            const auto aside = keepUnreadableAside(path);
            const std::string fault = std::get<std::string>(read);
            m_notices.post(
                aside ? Message{QT_TRANSLATE_NOOP("Message", "The scores file %1 %2: the scores "
                                                             "start empty. It is kept as %3."),
                                {path.string(), fault, aside->string()}}
                      : Message{QT_TRANSLATE_NOOP("Message",
                                                  "The scores file %1 %2: the scores start empty."),
                                {path.string(), fault}},
                Notice::Urgency::ActNow);
        }
    }
    touched();
}

const ScoredContest& ScoresSession::contest() {
    if (m_runner.revision() != m_scheduleRevision) {
        m_scheduleRevision = m_runner.revision();
        m_contest.reset();
        m_results.reset();
    }
    if (!m_contest) {
        m_contest =
            m_runner.loaded() ? scoredContest(m_runner.schedule(), m_sheet) : ScoredContest{};
    }
    return *m_contest;
}

const Results& ScoresSession::results() {
    const Contest& scored = contest().contest;
    if (!m_results) {
        m_results = scoreContest(scored);
    }
    return *m_results;
}

std::optional<GroupPlace> ScoresSession::groupJustFlown() const {
    if (!m_runner.loaded()) {
        return std::nullopt;
    }
    const SchedulePosition here = m_runner.position();
    if (m_runner.state() == ScheduleRunner::State::Finished) {
        return GroupPlace{here.round, here.group};
    }
    if (here.group > 0) {
        return GroupPlace{here.round, here.group - 1};
    }
    if (here.round > 0) {
        const int round = here.round - 1;
        return GroupPlace{round,
                          m_runner.schedule().rounds[static_cast<std::size_t>(round)].groups - 1};
    }
    return GroupPlace{};
}

std::vector<int> ScoresSession::pilotsOf(GroupPlace group) {
    const ScoredContest& scored = contest();
    std::vector<int> pilots;
    const auto& draw = m_runner.loaded() ? m_runner.schedule().draw : std::nullopt;
    // A negative place, made unsigned, lies past every end.
    const auto r = static_cast<std::size_t>(group.round);
    const auto g = static_cast<std::size_t>(group.group);
    if (draw && r < draw->rounds.size() && g < draw->rounds[r].size()) {
        pilots = draw->rounds[r][g];
    }
    if (r < scored.contest.rounds.size() && g < scored.contest.rounds[r].groups.size()) {
        for (const Card& card : scored.contest.rounds[r].groups[g].cards) {
            if (std::ranges::find(pilots, card.pilot) == pilots.end()) {
                pilots.push_back(card.pilot);
            }
        }
    }
    return pilots;
}

std::optional<std::string> ScoresSession::placeFault(GroupPlace group) {
    if (!m_runner.loaded()) {
        return ScoresSessionText::tr("Open a schedule first: the scores come with it.")
            .toStdString();
    }
    if (file().empty()) {
        return ScoresSessionText::tr(
                   "Save the schedule first: its scores are kept beside its file.")
            .toStdString();
    }
    const Schedule& schedule = m_runner.schedule();
    if (group.round < 0 || group.round >= std::ssize(schedule.rounds) || group.group < 0 ||
        group.group >= schedule.rounds[static_cast<std::size_t>(group.round)].groups) {
        return ScoresSessionText::tr("The schedule has no group %1 in round %2.")
            .arg(group.group + 1)
            .arg(group.round + 1)
            .toStdString();
    }
    if (!contest().scorable[static_cast<std::size_t>(group.round)]) {
        return ScoresSessionText::tr(
                   "Round %1 has the task \"%2\", which is no F3K task (A to N): it cannot be "
                   "scored.")
            .arg(group.round + 1)
            .arg(
                QString::fromStdString(schedule.rounds[static_cast<std::size_t>(group.round)].task))
            .toStdString();
    }
    return std::nullopt;
}

std::optional<std::string> ScoresSession::cardPlaceFault(GroupPlace group, int pilot) {
    if (auto fault = placeFault(group)) {
        return fault;
    }
    if (pilot < 0 || pilot >= std::ssize(contest().pilots)) {
        return ScoresSessionText::tr("There is no pilot %1 in the contest.")
            .arg(pilot)
            .toStdString();
    }
    return std::nullopt;
}

EntryOutcome ScoresSession::enter(GroupPlace group, Card card) {
    return enterCard(group, std::move(card), nullptr);
}

EntryOutcome ScoresSession::enterCard(GroupPlace group, Card card, const PhoneCardOrigin* phone) {
    if (auto fault = cardPlaceFault(group, card.pilot)) {
        return {false, *fault};
    }
    const ScoredContest& scored = contest();
    const RoundRules& rules = scored.contest.rounds[static_cast<std::size_t>(group.round)].rules;
    if (auto fault = cardFault(card, rules)) {
        return {false, *fault};
    }
    const std::string name = scored.pilots[static_cast<std::size_t>(card.pilot)].name;
    // The sheet's cards carry no number, and the group says who was granted a re-flight.
    card.pilot = 0;
    card.grantedReflight = false;
    GroupSheet& sheet = m_sheet.group(group.round, group.group);
    const auto old = sheet.cards.find(name);
    if (old != sheet.cards.end() && old->second == card) {
        return {true, {}};
    }
    const std::string was = old == sheet.cards.end() ? "" : cardText(old->second);
    sheet.cards.insert_or_assign(name, card);
    std::optional<std::string> phoneName;
    if (phone != nullptr) {
        sheet.fromPhones.insert_or_assign(name, *phone);
        phoneName = phone->device;
    }
    m_provisionalOnly = !std::exchange(sheet.confirmed, false);
    record({"card", group.round, group.group, name, was, cardText(card), phoneName});
    return {true, {}};
}

std::optional<PhoneAnswer> ScoresSession::phoneCardVerdict(const PhoneCard& card) {
    using Kind = PhoneAnswer::Kind;
    const GroupPlace group{card.round, card.group};
    if (!m_runner.loaded() || file().empty()) {
        return PhoneAnswer{Kind::TryLater, *placeFault(group)};
    }
    if (auto fault = placeFault(group)) {
        return PhoneAnswer{Kind::Refused, *fault};
    }
    const auto pilot = pilotNumber(contest(), card.pilot);
    if (!pilot || std::ranges::count(pilotsOf(group), *pilot) == 0) {
        return PhoneAnswer{Kind::Refused,
                           ScoresSessionText::tr("%1 does not fly in group %2 of round %3.")
                               .arg(QString::fromStdString(card.pilot))
                               .arg(card.group + 1)
                               .arg(card.round + 1)
                               .toStdString()};
    }
    const GroupSheet* sheet = m_sheet.find(card.round, card.group);
    const auto* taken = sheet == nullptr ? nullptr : [&]() -> const PhoneCardOrigin* {
        const auto found = sheet->fromPhones.find(card.pilot);
        return found == sheet->fromPhones.end() ? nullptr : &found->second;
    }();
    if (taken != nullptr && taken->id == card.origin.id && taken->made == card.origin.made) {
        return PhoneAnswer{
            Kind::Taken,
            ScoresSessionText::tr("This card was already on the laptop.").toStdString()};
    }
    // A version that left the phone earlier and arrived later must not undo the newer one.
    if (taken != nullptr && card.origin.made < taken->made) {
        return PhoneAnswer{
            Kind::Taken,
            ScoresSessionText::tr("A newer card of this pilot is on the laptop.").toStdString()};
    }
    if (sheet != nullptr && sheet->confirmed) {
        return PhoneAnswer{
            Kind::Conflict,
            ScoresSessionText::tr("Group %1 of round %2 is already confirmed: ask the director to "
                                  "change the card at the laptop.")
                .arg(card.group + 1)
                .arg(card.round + 1)
                .toStdString()};
    }
    return std::nullopt;
}

void ScoresSession::takeFromPhone(const PhoneCard& card, std::function<void(PhoneAnswer)> answer) {
    using Kind = PhoneAnswer::Kind;
    if (auto verdict = phoneCardVerdict(card)) {
        if (verdict->kind != Kind::Taken) {
            answer(std::move(*verdict));
            return;
        }
        // Said only once the file holds it: the first answer may have been lost with a write.
        save([answer = std::move(answer), verdict = std::move(*verdict)](bool saved) {
            answer(saved ? verdict
                         : PhoneAnswer{Kind::TryLater, ScoresSessionText::tr(
                                                           "The laptop cannot save the scores now.")
                                                           .toStdString()});
        });
        return;
    }
    const GroupPlace group{card.round, card.group};
    const GroupSheet* sheet = m_sheet.find(card.round, card.group);
    Card entered{*pilotNumber(contest(), card.pilot), card.flights};
    // The penalty is the director's to give; a card from the phone leaves it standing.
    if (sheet != nullptr && sheet->cards.contains(card.pilot)) {
        entered.penalty = sheet->cards.at(card.pilot).penalty;
    }
    const EntryOutcome outcome = enterCard(group, entered, &card.origin);
    if (!outcome.taken) {
        answer({Kind::Refused, outcome.refusal});
        return;
    }
    const QString taken =
        ScoresSessionText::tr("%1's card for round %2, group %3 is on the laptop.")
            .arg(QString::fromStdString(card.pilot))
            .arg(card.round + 1)
            .arg(card.group + 1);
    save([answer = std::move(answer), taken = taken.toStdString()](bool saved) {
        answer(saved ? PhoneAnswer{Kind::Taken, taken}
                     : PhoneAnswer{Kind::TryLater,
                                   ScoresSessionText::tr("The laptop cannot save the scores now.")
                                       .toStdString()});
    });
}

EntryOutcome ScoresSession::clearCard(GroupPlace group, int pilot) {
    if (auto fault = cardPlaceFault(group, pilot)) {
        return {false, *fault};
    }
    const std::string name = contest().pilots[static_cast<std::size_t>(pilot)].name;
    const GroupSheet* entered = m_sheet.find(group.round, group.group);
    if (entered == nullptr || !entered->cards.contains(name)) {
        return {true, {}};
    }
    GroupSheet& sheet = m_sheet.group(group.round, group.group);
    const std::string was = cardText(sheet.cards.at(name));
    sheet.cards.erase(name);
    sheet.fromPhones.erase(name);
    m_provisionalOnly = !std::exchange(sheet.confirmed, false);
    record({"card", group.round, group.group, name, was, ""});
    return {true, {}};
}

EntryOutcome ScoresSession::confirmGroup(GroupPlace group) {
    if (auto fault = placeFault(group)) {
        return {false, *fault};
    }
    const GroupSheet* entered = m_sheet.find(group.round, group.group);
    if (entered == nullptr || entered->cards.empty()) {
        return refused(ScoresSessionText::tr("Group %1 of round %2 has no card to confirm.")
                           .arg(group.group + 1)
                           .arg(group.round + 1));
    }
    if (!entered->confirmed) {
        m_sheet.group(group.round, group.group).confirmed = true;
        record({"confirmation", group.round, group.group, "", "provisional", "confirmed"});
    }
    return {true, {}};
}

EntryOutcome ScoresSession::addReflightGroup(int round, const std::vector<int>& granted,
                                             const std::vector<int>& fillers) {
    if (auto fault = placeFault({round, 0})) {
        return {false, *fault};
    }
    Schedule schedule = m_runner.schedule();
    if (m_schedule.path().empty()) {
        return refused(
            ScoresSessionText::tr("Save the schedule first: a re-flight group is saved with it."));
    }
    const auto r = static_cast<std::size_t>(round);
    if (!schedule.draw || r >= schedule.draw->rounds.size() || schedule.draw->rounds[r].empty()) {
        return refused(ScoresSessionText::tr(
                           "Round %1 has no draw: a re-flight group is drawn as the others are.")
                           .arg(round + 1));
    }
    if (granted.empty()) {
        return refused(ScoresSessionText::tr("Choose at least one pilot granted the re-flight."));
    }
    // A copy: the schedule is handed on whole beside it.
    Draw draw = *schedule.draw;
    DrawnGroup added = granted;
    added.insert(added.end(), fillers.begin(), fillers.end());
    std::set<int> flew;
    for (const DrawnGroup& group : draw.rounds[r]) {
        flew.insert(group.begin(), group.end());
    }
    for (const int pilot : added) {
        if (!flew.contains(pilot)) {
            return refused(ScoresSessionText::tr(
                               "Only pilots who flew in round %1 can fly its re-flight group.")
                               .arg(round + 1));
        }
        if (std::ranges::count(added, pilot) > 1) {
            return refused(ScoresSessionText::tr("%1 is chosen twice.")
                               .arg(QString::fromStdString(
                                   draw.pilots[static_cast<std::size_t>(pilot)].name)));
        }
    }
    const std::string grantedNames = namesOf(granted, draw);
    const std::string fillerNames = namesOf(fillers, draw);
    draw.rounds[r].push_back(added);
    draw.reflightGroups.resize(std::max(draw.reflightGroups.size(), r + 1));
    ++draw.reflightGroups[r];
    const int group = static_cast<int>(draw.rounds[r].size()) - 1;
    if (!m_runner.changeDraw(withDraw(std::move(schedule), std::move(draw)))) {
        return refused(ScoresSessionText::tr("The schedule did not take the re-flight group."));
    }
    // A failure to save is named in a box; the group stays in the schedule in hand.
    m_schedule.saveAs(m_schedule.path());
    GroupSheet& sheet = m_sheet.group(round, group);
    sheet.reflight = true;
    for (const int pilot : granted) {
        sheet.granted.insert(
            m_runner.schedule().draw->pilots[static_cast<std::size_t>(pilot)].name);
    }
    record({"reflight_group", round, group, "", "",
            "granted " + grantedNames + (fillerNames.empty() ? "" : "; filling " + fillerNames)});
    return {true, {}};
}

EntryOutcome ScoresSession::setRules(const ContestRules& rules, std::optional<int> flyOffFrom) {
    if (!m_runner.loaded() || file().empty()) {
        return {false, *placeFault({})};
    }
    if (rules == m_sheet.rules && flyOffFrom == m_sheet.flyOffFrom) {
        return {true, {}};
    }
    const std::string was = rulesText(m_sheet.rules, m_sheet.flyOffFrom);
    m_sheet.rules = rules;
    m_sheet.flyOffFrom = flyOffFrom;
    record({"rules", std::nullopt, std::nullopt, "", was, rulesText(rules, flyOffFrom)});
    return {true, {}};
}

void ScoresSession::record(ScoreChanged change) {
    save();
    m_log.record(std::move(change));
    touched();
}

void ScoresSession::save(FileWriter::Written written) {
    const std::filesystem::path path = file();
    if (!path.empty()) {
        // Written out on the writer's thread: for a whole contest it takes longer than all the
        // scoring.
        m_files.replace(
            kScoresFile, path,
            [sheet = std::make_shared<const ScoreSheet>(m_sheet)] {
                return scoreSheetJson(*sheet);
            },
            std::move(written));
    }
}

void ScoresSession::touched() {
    m_scheduleRevision = m_runner.revision();
    m_contest.reset();
    m_results.reset();
    ++m_version;
    changed.emit();
    m_provisionalOnly = false;
}

} // namespace aerolap
