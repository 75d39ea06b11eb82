// The machine's own part in a late second: a bare program that does nothing but sleep until each
// whole second and note how late it woke, on the same monotonic clock, beside the same load as the
// timer's benchmarks. What it sees late, no program on this machine could have had on time.
#include "CompetingLoad.h"
#include "Figures.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace {

using namespace std::chrono_literals;

timespec timespecOf(std::chrono::nanoseconds since) {
    return {static_cast<time_t>(since.count() / 1'000'000'000),
            static_cast<long>(since.count() % 1'000'000'000)};
}

std::chrono::nanoseconds monotonicNow() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

} // namespace

int main(int argc, char** argv) {
    aerolap::testing::LoadOptions load;
    int seconds = 150;
    for (int index = 1; index + 1 < argc; index += 2) {
        const std::string_view name = argv[index];
        if (name == "--seconds") {
            seconds = std::max(std::atoi(argv[index + 1]), 1);
        } else if (!load.take(name, argv[index + 1])) {
            std::printf("usage: bench_wake_probe [--seconds N] [--busy N] [--beside COMMAND]\n");
            return 2;
        }
    }
    aerolap::testing::CompetingLoad competing;
    competing.start(load.busy, load.beside);
    aerolap::testing::Figures late;
    auto due = std::chrono::ceil<std::chrono::seconds>(monotonicNow()) + 1s;
    for (int second = 0; second < seconds; ++second, due += 1s) {
        const timespec at = timespecOf(due);
        while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) != 0) {
        }
        late.add(std::chrono::duration<double, std::milli>(monotonicNow() - due).count());
    }
    std::printf("wake probe: %d whole seconds beside %s\n", seconds, load.described().c_str());
    competing.stop();
    late.print("woke after its second");
    return 0;
}
