#include "DisplayState.h"

namespace aerolap {

DisplayState displayStateOf(const CycleSnapshot& cycle) {
    std::string status = cycle.status;
    while (!status.empty() && status.back() == ' ') {
        status.pop_back();
    }
    return {cycle.shownTime, std::move(status), cycle.phase, std::nullopt};
}

} // namespace aerolap
