#pragma once

#include "CueRow.h"
#include "audio/SoundFiles.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace aerolap {

/// The spoken five-to-one count that closes the standard preparation, the working time and the
/// landing window alike.
inline constexpr std::array kCountFiveToOne{
    CueRow{"00.00.05", {}, &CueLatches::latchCount5s, sounds::kCount5},
    CueRow{"00.00.04", {}, &CueLatches::latchCount4s, sounds::kCount4},
    CueRow{"00.00.03", {}, &CueLatches::latchCount3s, sounds::kCount3},
    CueRow{"00.00.02", {}, &CueLatches::latchCount2s, sounds::kCount2},
    CueRow{"00.00.01", {}, &CueLatches::latchCount1s, sounds::kCount1},
};

/// One table of `head`'s rows followed by `tail`'s, in order.
template <std::size_t HeadSize, std::size_t TailSize>
constexpr std::array<CueRow, HeadSize + TailSize>
joinRows(const std::array<CueRow, HeadSize>& head, const std::array<CueRow, TailSize>& tail) {
    std::array<CueRow, HeadSize + TailSize> rows{};
    std::ranges::copy(head, rows.begin());
    std::ranges::copy(tail, rows.begin() + HeadSize);
    return rows;
}

} // namespace aerolap
