#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// What the director asked for on the command line.
struct CommandLine {
    /// --sounds DIR: the sound folder, in place of $AEROLAP_SOUNDS.
    std::optional<std::filesystem::path> soundFolder;
    /// --com N=DEVICE: the device of serial port N, in place of $AEROLAP_COMn.
    std::map<int, std::string> serialDevices;
    /// --web-port N: the pilots' display's port, in place of $AEROLAP_WEB_PORT; 0 switches it off.
    std::optional<std::uint16_t> webPort;
    /// --schedule FILE: the contest schedule to run.
    std::optional<std::string> scheduleFile;
    /// --draw FILE: the draw (CSV) to put into that schedule.
    std::optional<std::string> drawFile;
    /// --remote off: no director's remote at all.
    bool remote = true;
    /// --check-sounds, with --play: check the sound folder instead of opening the window.
    bool checkSounds = false;
    bool playSounds = false;
    /// --day-report [DATE]: print the report of that day's log (today's by default) and exit;
    /// with --html FILE, write it as a page; --late-ms N flags the cues later than N ms.
    bool dayReport = false;
    std::optional<std::string> reportDate;
    std::optional<std::string> reportPage;
    std::chrono::milliseconds lateCue{20};
};

/// The outcome of reading the arguments: either the options, or what to print and the status to
/// exit with (0 after --help or --version, 2 after a bad option or value, with the usage).
struct ParsedCommandLine {
    std::optional<CommandLine> options;
    std::string message;
    int exitStatus = 0;
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

} // namespace aerolap
