#pragma once

#include <array>
#include <string_view>

namespace aerolap::sounds {

// The fixed paths of every announcement. The handlers name the file themselves; these constants
// only spare them from spelling each path twice.

inline constexpr const char* kVoice9Minutes = R"(c:\reriva3rira\to9minuti.wav)";
inline constexpr const char* kVoice8Minutes = R"(c:\reriva3rira\to8minuti.wav)";
inline constexpr const char* kVoice7Minutes = R"(c:\reriva3rira\to7minuti.wav)";
inline constexpr const char* kVoice6Minutes = R"(c:\reriva3rira\to6minuti.wav)";
inline constexpr const char* kVoice5Minutes = R"(c:\reriva3rira\to5minuti.wav)";
inline constexpr const char* kVoice4Minutes = R"(c:\reriva3rira\to4minuti.wav)";
inline constexpr const char* kVoice3Minutes = R"(c:\reriva3rira\to3minuti.wav)";
inline constexpr const char* kVoice2Minutes = R"(c:\reriva3rira\to2minuti.wav)";
inline constexpr const char* kVoice1Minute = R"(c:\reriva3rira\to1minuti.wav)";
inline constexpr const char* kVoice30Seconds = R"(c:\reriva3rira\to30secondi.wav)";
inline constexpr const char* kPreparation = R"(c:\reriva3rira\preparazione30secondi.wav)";
inline constexpr const char* kLanding = R"(c:\reriva3rira\atterraggio30secondi.wav)";
inline constexpr const char* kCount10 = R"(c:\reriva3rira\10secondi.wav)";
inline constexpr const char* kCount5 = R"(c:\reriva3rira\5.wav)";
inline constexpr const char* kCount4 = R"(c:\reriva3rira\4.wav)";
inline constexpr const char* kCount3 = R"(c:\reriva3rira\3.wav)";
inline constexpr const char* kCount2 = R"(c:\reriva3rira\2.wav)";
inline constexpr const char* kCount1 = R"(c:\reriva3rira\1.wav)";
inline constexpr const char* kBeepVuz = R"(c:\reriva3rira\BEEPVUZ.WAV)";
inline constexpr const char* kBeep3Seconds = R"(c:\reriva3rira\BEEP3SEC.WAV)";
inline constexpr const char* kSiren = R"(c:\reriva3rira\Sirena di nave.wav)";
inline constexpr const char* kEndOfLanding = R"(c:\reriva3rira\FINE ATTERRAGGIO.wav)";
inline constexpr const char* kLandingButtonSiren = R"(c:\zodura3v\Sirena di nave.wav)";
inline constexpr const char* kMinuteBeep = R"(c:\zodura3v\beepTo.wav)";

/// Every sound file the program plays, for the checks that walk the whole set.
inline constexpr std::array<std::string_view, 24> kAll = {
    kVoice9Minutes,
    kVoice8Minutes,
    kVoice7Minutes,
    kVoice6Minutes,
    kVoice5Minutes,
    kVoice4Minutes,
    kVoice3Minutes,
    kVoice2Minutes,
    kVoice1Minute,
    kVoice30Seconds,
    kPreparation,
    kLanding,
    kCount10,
    kCount5,
    kCount4,
    kCount3,
    kCount2,
    kCount1,
    kBeepVuz,
    kBeep3Seconds,
    kSiren,
    kEndOfLanding,
    kLandingButtonSiren,
    kMinuteBeep,
};

} // namespace aerolap::sounds
