#pragma once

#include "RecordingCuePlayer.h"
#include "platform/SerialPortControl.h"

#include <set>
#include <string>
#include <vector>

namespace aerolap::testing {

/// A port that opens only the port numbers made available, writes down each step, and each frame
/// with its virtual time.
struct RecordingSerialPort final : SerialPortControl {
    explicit RecordingSerialPort(const VirtualTime& clock) : time(clock) {}
    void setCommPort(std::int16_t number) override {
        log += "port " + std::to_string(port = number) + ",";
    }
    void setSettings(const std::string& settings) override { log += settings + ","; }
    bool setPortOpen(bool open) override {
        isOpen = open && available.contains(port);
        log += open ? (isOpen ? "open," : "failed,") : "close,";
        return isOpen == open;
    }
    bool portOpen() const override { return isOpen; }
    bool output(const std::string& bytes) override {
        frames.push_back({time.elapsed().count(), bytes});
        return takesFrames;
    }
    /// Every frame sent, one after the other.
    std::string sent() const {
        std::string bytes;
        for (const auto& frame : frames) {
            bytes += frame.path;
        }
        return bytes;
    }

    const VirtualTime& time;
    std::set<std::int16_t> available{1, 2};
    std::int16_t port = 0;
    bool isOpen = false;
    /// What `output` answers: a port that has stopped taking frames says false.
    bool takesFrames = true;
    std::string log;
    std::vector<RecordingCuePlayer::Played> frames;
};

} // namespace aerolap::testing
