#pragma once

namespace aerolap {

// The fixed texts a cycle writes: status lines on `Label4` and the times it loads itself.

inline constexpr const char* kReadyStatus = "READY";
/// Written by the task options; the trailing blank tells it apart from the ready state that
/// RESET and the end of a cycle leave.
inline constexpr const char* kReadyAfterTaskChoice = "READY ";
inline constexpr const char* kPreparationStatus = "PREPARAZIONE";
inline constexpr const char* kWorkingTimeStatus = "TEMPO OPERATIVO";
inline constexpr const char* kLandingStatus = "ATTERRAGGIO IN 30 SECONDI";

/// The running clock's text once a countdown has run out: every phase ends on it.
inline constexpr const char* kTimeUp = "00.00.00";
inline constexpr const char* kLandingWindowTime = "00.00.30";

} // namespace aerolap
