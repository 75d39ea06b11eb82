#include "TimekeeperDesk.h"

#include <QCoreApplication>
#include <QString>

namespace aerolap {

namespace {

/// The texts of this file, as the catalogues hold them (lupdate reads `TimekeeperDeskText::tr`).
struct TimekeeperDeskText {
    Q_DECLARE_TR_FUNCTIONS(TimekeeperDesk)
};

PhoneAnswer timedByAnother(const std::string& pilot, const std::string& phone) {
    return {PhoneAnswer::Kind::Conflict,
            TimekeeperDeskText::tr("%1 is timed by \"%2\".")
                .arg(QString::fromStdString(pilot), QString::fromStdString(phone))
                .toStdString()};
}

} // namespace

TimekeeperDesk::TimekeeperDesk(ScoresSession& scores, const ScheduleRunner& runner,
                               StillPaired stillPaired)
    : m_scores(scores), m_runner(runner), m_stillPaired(std::move(stillPaired)) {}

const TimekeeperDesk::Claim* TimekeeperDesk::othersClaim(const Key& key,
                                                         const std::string& device) const {
    const auto found = m_claims.find(key);
    if (found == m_claims.end() || found->second.device == device ||
        !m_stillPaired(found->second.device)) {
        return nullptr;
    }
    return &found->second;
}

PhoneAnswer TimekeeperDesk::claim(const std::string& device, const std::string& name,
                                  const PilotClaim& claim) {
    using Kind = PhoneAnswer::Kind;
    const SchedulePosition here = m_runner.position();
    if (!m_runner.loaded() || here.round != claim.round || here.group != claim.group) {
        return {Kind::Refused,
                TimekeeperDeskText::tr("Pick a pilot of the group in hand: the schedule has moved.")
                    .toStdString()};
    }
    const auto pilot = pilotNumber(m_scores.contest(), claim.pilot);
    if (!pilot || std::ranges::count(m_scores.pilotsOf({claim.round, claim.group}), *pilot) == 0) {
        return {Kind::Refused, TimekeeperDeskText::tr("%1 does not fly in this group.")
                                   .arg(QString::fromStdString(claim.pilot))
                                   .toStdString()};
    }
    const Key key{claim.round, claim.group, claim.pilot};
    if (const Claim* other = othersClaim(key, device)) {
        return timedByAnother(claim.pilot, other->name);
    }
    std::erase_if(m_claims, [&](const auto& each) {
        return each.second.device == device && std::get<0>(each.first) == claim.round &&
               std::get<1>(each.first) == claim.group;
    });
    m_claims.insert_or_assign(key, Claim{device, name});
    claimsChanged.emit();
    return {Kind::Taken, TimekeeperDeskText::tr("You time %1.")
                             .arg(QString::fromStdString(claim.pilot))
                             .toStdString()};
}

void TimekeeperDesk::takeCard(const std::string& device, PhoneCard card,
                              std::function<void(PhoneAnswer)> answer) {
    if (const Claim* other = othersClaim({card.round, card.group, card.pilot}, device)) {
        answer(timedByAnother(card.pilot, other->name));
        return;
    }
    m_scores.takeFromPhone(card, std::move(answer));
}

std::map<std::string, std::string> TimekeeperDesk::timekeepersOf(int round, int group) const {
    std::map<std::string, std::string> timekeepers;
    for (const auto& [key, claim] : m_claims) {
        if (std::get<0>(key) == round && std::get<1>(key) == group && m_stillPaired(claim.device)) {
            timekeepers.emplace(std::get<2>(key), claim.name);
        }
    }
    return timekeepers;
}

} // namespace aerolap
