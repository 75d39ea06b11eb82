#pragma once

#include "CuePlayer.h"

#include <memory>

namespace aerolap {

/// The cue player of the running program: this system's sound back end with its way of finding
/// the files. On Windows PlaySoundA with the paths unchanged; elsewhere PulseAudio with the files
/// under the sound root ($AEROLAP_SOUNDS, else the installed set, else the set beside the program).
class SystemCuePlayer final : public CuePlayer {
public:
    SystemCuePlayer();
    ~SystemCuePlayer() override;
    SystemCuePlayer(const SystemCuePlayer&) = delete;
    SystemCuePlayer& operator=(const SystemCuePlayer&) = delete;

    void playCue(const std::string& path) override;

private:
    struct BackEnd;
    std::unique_ptr<BackEnd> m_backEnd;
};

} // namespace aerolap
