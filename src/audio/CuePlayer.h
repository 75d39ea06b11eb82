#pragma once

#include <string>

namespace aerolap {

/// Plays one announcement, named by its fixed path such as "c:\reriva3rira\5.wav", and returns at
/// once. A newer cue cuts the one still playing; failure changes nothing and reports nothing.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void playCue(const std::string& path) = 0;
    /// Plays a cue the program can do without: when its file is missing, nothing sounds.
    virtual void playOptionalCue(const std::string& path) { playCue(path); }
};

} // namespace aerolap
