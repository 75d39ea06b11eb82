#include "CueRow.h"

#include <algorithm>

namespace aerolap {

namespace {

bool gatesOpen(const Form1& form, const CueRow& row) {
    return std::ranges::all_of(
        row.gates, [&form](CueRow::Gate gate) { return gate == nullptr || (form.*gate).ticked(); });
}

} // namespace

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
