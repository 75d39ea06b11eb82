// The draw generator over the contest sizes it is made for: 10 to 120 pilots, 15 rounds, with and
// without teams. For each it prints the spread of meetings (the most minus the fewest times two
// pilots fly in one group; the target is 2 at most) and the time it took (target: under 5 s).
#include "draw/DrawGenerator.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int kRounds = 15;
constexpr int kGroupSize = 8;
constexpr int kTeamSize = 3;

std::vector<aerolap::DrawPilot> pilots(int count, bool teams) {
    std::vector<aerolap::DrawPilot> list;
    for (int i = 0; i < count; ++i) {
        list.push_back({"Pilot " + std::to_string(i + 1),
                        teams ? "Team " + std::to_string(i / kTeamSize + 1) : std::string(),
                        std::nullopt});
    }
    return list;
}

int sameTeamMeetings(const aerolap::Draw& draw) {
    int shared = 0;
    for (const auto& round : draw.rounds) {
        for (const auto& group : round) {
            for (std::size_t i = 0; i < group.size(); ++i) {
                for (std::size_t j = i + 1; j < group.size(); ++j) {
                    const auto& a = draw.pilots[static_cast<std::size_t>(group[i])].team;
                    shared +=
                        !a.empty() && a == draw.pilots[static_cast<std::size_t>(group[j])].team;
                }
            }
        }
    }
    return shared;
}

} // namespace

int main() {
    std::printf("pilots  teams  groups  fewest  most  spread  team-mates together  time (ms)\n");
    bool met = true;
    for (const int count : {10, 12, 20, 30, 40, 60, 80, 100, 120}) {
        for (const bool teams : {false, true}) {
            const aerolap::DrawSettings settings{kGroupSize, 0, 20260607};
            const auto start = std::chrono::steady_clock::now();
            const aerolap::Draw draw =
                aerolap::generateDraw(pilots(count, teams), settings, kRounds);
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            const aerolap::Evenness even = aerolap::evennessOf(draw);
            std::printf("%6d  %5s  %6d  %6d  %4d  %6d  %19d  %9.2f\n", count, teams ? "yes" : "no",
                        aerolap::groupCountFor(count, settings), even.fewest, even.most,
                        even.spread(), sameTeamMeetings(draw), took.count());
            met = met && even.spread() <= 2 && took.count() < 5000;
        }
    }
    std::printf("%s\n", met ? "All within the targets." : "A target was missed.");
    return met ? 0 : 1;
}
