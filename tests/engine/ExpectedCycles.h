#pragma once

#include "RecordingCuePlayer.h"
#include "audio/SoundFiles.h"
#include "elements/TimeText.h"

#include <string>
#include <vector>

namespace aerolap::testing {

using namespace aerolap::sounds;

/// One cue a cycle must ask for: when (virtual ms after START), which file, and the running
/// clock's text that triggers it (empty for the one START plays itself).
struct ExpectedCue {
    long long atMs;
    std::string file;
    std::string trigger;
};

using CueList = std::vector<ExpectedCue>;

inline CueList operator+(CueList head, const CueList& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

/// The cues as the recording player would have them, `offsetMs` later.
inline std::vector<RecordingCuePlayer::Played> asPlayed(const CueList& list,
                                                        long long offsetMs = 0) {
    std::vector<RecordingCuePlayer::Played> played;
    for (const ExpectedCue& cue : list) {
        played.push_back({cue.atMs + offsetMs, cue.file});
    }
    return played;
}

inline void PrintTo(const RecordingCuePlayer::Played& cue, std::ostream* out) {
    *out << cue.atMs << " ms " << cue.path;
}

/// "Five" to "one" a second apart, then `last` on "00.00.00" at `endMs`.
inline CueList countEndingAt(long long endMs, const char* last) {
    const char* const counts[] = {kCount5, kCount4, kCount3, kCount2, kCount1};
    CueList list;
    for (int left = 5; left >= 1; --left) {
        list.push_back({endMs - left * 1000, counts[5 - left], TimeText::fromSeconds(left)});
    }
    list.push_back({endMs, last, "00.00.00"});
    return list;
}

/// The landing window of a working time that ran out at `fromMs`.
inline CueList landingWindowFrom(long long fromMs) {
    return CueList{{fromMs + 2000, kLanding, "00.00.28"}, {fromMs + 20000, kCount10, "00.00.10"}} +
           countEndingAt(fromMs + 30000, kEndOfLanding);
}

// A 30-second preparation from START at 0.
inline const CueList kStandardPreparation =
    CueList{{0, kPreparation, ""}, {20000, kCount10, "00.00.10"}} + countEndingAt(30000, kSiren);

inline const CueList kVuzPreparation{
    {0, kPreparation, ""},
    {20000, kCount10, "00.00.10"},
    {25000, kCount5, "00.00.05"},
    {27000, kBeepVuz, "00.00.03"},
    {28000, kBeepVuz, "00.00.02"},
    {29000, kBeepVuz, "00.00.01"},
    {30000, kBeep3Seconds, "00.00.00"},
};

// The default 10-minute task with every box ticked, working time from 30000 to 630000.
inline const CueList kTenMinuteCycle =
    kStandardPreparation +
    CueList{
        {87000, kVoice9Minutes, "00.09.03"},   {90000, kMinuteBeep, "00.09.00"},
        {147000, kVoice8Minutes, "00.08.03"},  {150000, kMinuteBeep, "00.08.00"},
        {207000, kVoice7Minutes, "00.07.03"},  {210000, kMinuteBeep, "00.07.00"},
        {267000, kVoice6Minutes, "00.06.03"},  {270000, kMinuteBeep, "00.06.00"},
        {327000, kVoice5Minutes, "00.05.03"},  {330000, kMinuteBeep, "00.05.00"},
        {387000, kVoice4Minutes, "00.04.03"},  {390000, kMinuteBeep, "00.04.00"},
        {447000, kVoice3Minutes, "00.03.03"},  {450000, kMinuteBeep, "00.03.00"},
        {507000, kVoice2Minutes, "00.02.03"},  {510000, kMinuteBeep, "00.02.00"},
        {567000, kVoice1Minute, "00.01.03"},   {570000, kMinuteBeep, "00.01.00"},
        {597000, kVoice30Seconds, "00.00.33"},
    } +
    countEndingAt(630000, kSiren) + landingWindowFrom(630000);

// The working time and landing window of both 3-minute tasks (working time 30000 to 210000):
// "00.03.03" never shows and the 3-minute box is unticked, so nothing sounds before 2 minutes.
inline const CueList kThreeMinuteWorkingAndLanding =
    CueList{
        {87000, kVoice2Minutes, "00.02.03"},   {90000, kMinuteBeep, "00.02.00"},
        {147000, kVoice1Minute, "00.01.03"},   {150000, kMinuteBeep, "00.01.00"},
        {177000, kVoice30Seconds, "00.00.33"},
    } +
    countEndingAt(210000, kSiren) + landingWindowFrom(210000);

} // namespace aerolap::testing
