#pragma once

#include "audio/CuePlayer.h"
#include "platform/SerialPortControl.h"

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace aerolap::testing {

/// Now on the machine's monotonic clock, which every process reads alike.
inline long long stampNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

/// An always-open port that stamps each frame as the display link hands it over.
class StampingSerialPort final : public SerialPortControl {
public:
    void setCommPort(std::int16_t) override {}
    void setSettings(const std::string&) override {}
    bool setPortOpen(bool) override { return true; }
    bool portOpen() const override { return true; }
    bool output(const std::string& bytes) override {
        frames.push_back({stampNs(), bytes});
        return true;
    }

    std::vector<std::pair<long long, std::string>> frames;
};

class SilentCues final : public CuePlayer {
public:
    void playCue(const std::string&) override {}
};

} // namespace aerolap::testing
