#pragma once

#include "platform/NoRegistry.h"
#include "ui/main/MainWindowServices.h"

#include <set>
#include <string>
#include <vector>

namespace aerolap::testing {

/// Remembers every restack: true for topmost, false for normal stacking.
struct RecordingWindowStacking final : WindowStacking {
    void setTopmost(bool topmost) override { calls.push_back(topmost); }
    std::vector<bool> calls;
};

/// Counts the requests to end the program; the test program itself goes on.
class RecordingProgramExit final : public ProgramExit {
    int m_exits = 0;

public:
    void exitNow() override { ++m_exits; }
    int exits() const { return m_exits; }
};

/// Starts nothing, remembers what it was asked to start; an empty path fails as it does for real.
class RecordingProgramLauncher final : public ProgramLauncher {
    std::vector<std::string> m_attempts;

public:
    bool start(const std::string& path) override {
        m_attempts.push_back(path);
        return !path.empty();
    }
    const std::vector<std::string>& attempts() const { return m_attempts; }
};

/// A file system holding exactly the files it is given.
class FakeFileExistence final : public FileExistence {
    std::set<std::string> m_files;

public:
    void addFile(const std::string& path) { m_files.insert(path); }
    bool normalFileExists(const std::string& path) const override { return m_files.contains(path); }
};

/// The window-system and operating-system services of the main window, all test doubles, with
/// no registry. `servicesWith` completes them with the services a test supplies itself.
struct SystemServiceDoubles {
    RecordingWindowStacking stacking;
    RecordingProgramExit programExit;
    NoRegistry registry;
    FakeFileExistence files;
    RecordingProgramLauncher programs;

    MainWindowServices servicesWith(const MonotonicSource& time, CuePlayer& cues,
                                    SerialPortControl& serialPort, MessageBoxService& boxes) {
        return {time, cues, serialPort, boxes, stacking, programExit, registry, files, programs};
    }
};

} // namespace aerolap::testing
