#include "CueRow.h"

#include "elements/TimeText.h"

#include <algorithm>

namespace aerolap {

bool gatesOpen(const Form1& form, const CueRow& row) {
    return std::ranges::all_of(
        row.gates, [&form](CueRow::Gate gate) { return gate == nullptr || (form.*gate).ticked(); });
}

std::vector<TimedCue> timedCuesOf(std::span<const CueRow> rows) {
    std::vector<TimedCue> timed;
    for (const CueRow& row : rows) {
        timed.push_back({TimeText::toSeconds(row.timeText).value_or(0), row.file});
    }
    return timed;
}

void pollCueRows(Form1& form, CuePlayer& cues, std::span<const CueRow> rows) {
    for (const CueRow& row : rows) {
        if (form.latches.*row.latch != 0 || !gatesOpen(form, row)) {
            continue;
        }
        if (form.Clock1.clockTimeText() == row.timeText) {
            cues.playCue(row.file);
            form.latches.*row.latch = 1;
        }
    }
}

} // namespace aerolap
