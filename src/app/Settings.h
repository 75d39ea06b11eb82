#pragma once

#include "platform/SerialDeviceNames.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolap {

/// What the director chose for this run: each setting from its option, else its environment
/// variable, else its default, already merged by `parseCommandLine`. The defaults are the
/// declarations' below, not these initial values.
struct Settings {
    /// --sounds, $AEROLAP_SOUNDS: the sound folder; none leaves it to the system (the installed
    /// set).
    std::optional<std::filesystem::path> soundFolder;
    /// --com, $AEROLAP_COMn: the device of each serial port so named.
    SerialDevices serialDevices;
    /// --web-port, $AEROLAP_WEB_PORT: the pilots' display's port; 0 switches it off.
    std::uint16_t webPort = 0;
    /// --schedule: the contest schedule to run.
    std::optional<std::string> scheduleFile;
    /// --draw: the draw (CSV) to put into that schedule.
    std::optional<std::string> drawFile;
    /// --scores, $AEROLAP_SCORES: the contest's scores file, in place of the one beside the
    /// schedule's file.
    std::optional<std::string> scoresFile;
    /// --results: print the standings of this schedule's scores and exit; --results-csv: write
    /// the export there too.
    std::optional<std::string> resultsSchedule;
    std::optional<std::string> resultsCsv;
    /// --remote: the director's remote is served at all.
    bool remote = false;
    /// --check-sounds, with --play: check the sound folder instead of opening the window.
    bool checkSounds = false;
    bool playSounds = false;
    /// --day-report [DATE]: print the report of that day's log (today's when none) and exit;
    /// --html: write it as a page; --late-ms: flag the cues later than that.
    bool dayReport = false;
    std::optional<std::string> reportDate;
    std::optional<std::string> reportPage;
    std::chrono::milliseconds lateCue{0};
    /// --lang, $AEROLAP_LANG: the language of the windows, the day report and the announcements;
    /// none leaves it to the system's.
    std::optional<std::string> language;
};

/// What a setting's value must be, and how it goes into the settings.
struct SettingValue {
    /// Takes `value` into `settings`; false, with nothing changed, for a value it refuses.
    using Store = std::function<bool(Settings& settings, const std::string& value)>;

    /// What the messages say a refused value should have been: "a port from 0 to 65535".
    std::string_view expected;
    Store store;
};

/// One setting, declared once: the command line, its --help and the merge with the environment are
/// made from these. A switch has no value name; its store is given an empty value.
struct SettingDeclaration {
    std::string_view name;
    std::string_view shortName = {};
    std::string_view valueName = {};
    std::string_view help = {};
    /// The environment variable that stands in when the option is not given. With
    /// `variableNumbers`, a family: <variable>1 to <variable><variableNumbers>, each the value
    /// of one key n of the option's "n=value", falling back for that key alone.
    std::string_view variable = {};
    int variableNumbers = 0;
    /// The value before the variable and the option, stored as they are; or, when the system
    /// decides instead, only what --help says of it.
    std::string_view defaultValue = {};
    std::string_view defaultMeaning = {};
    /// The one trailing argument the option may take, as --day-report takes its date.
    std::string_view argument = {};
    /// The option this one means nothing without.
    std::string_view goesWith = {};
    SettingValue value = {};
};

/// Every setting, in the order --help lists them. --help and --version have no value to store.
const std::vector<SettingDeclaration>& settingDeclarations();

} // namespace aerolap
