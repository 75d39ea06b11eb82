#pragma once

#include "files/FileWriter.h"
#include "notices/NoticeBoard.h"
#include "platform/WallClock.h"

#include <QByteArray>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace aerolap {

/// What a paired phone may do: drive the timer as the director's remote, or only hand in the
/// score cards of the pilots its timekeeper times.
enum class DeviceRole { Director, Timekeeper };

/// A phone the director paired: its random id and secret, the name the director typed, and the
/// last sequence number it used, so that no command of it can be played again.
struct PairedDevice {
    std::string id;
    std::string name;
    DeviceRole role = DeviceRole::Director;
    WallClock::TimePoint pairedAt;
    WallClock::TimePoint lastSeen;
    QByteArray secret;
    std::uint64_t lastSequence = 0;

    bool operator==(const PairedDevice&) const = default;
};

/// The paired devices of the contest day, kept in `remote-devices.json` in the state folder and
/// replaced whole at each change by the files' writer. A file of an earlier day is forgotten at
/// start-up, with a notice: a phone paired at last week's contest must not drive this one. Not
/// thread-safe.
class PairedDevices {
public:
    static constexpr int kSecretBytes = 32;

    PairedDevices(std::filesystem::path folder, const WallClock& wall, NoticeBoard& notices,
                  FileWriter& files);

    const std::vector<PairedDevice>& all() const { return m_devices; }
    PairedDevice* find(const std::string& id);

    /// A new device with a fresh id and secret from the system's random source.
    const PairedDevice& add(std::string name, DeviceRole role);
    /// Keeps a command's sequence number and the moment it came.
    void acceptedFrom(PairedDevice& device, std::uint64_t sequence);
    /// Notes the moment a message came that carries no sequence number (a timekeeper's): shown
    /// while the program runs, and kept in the file with the next change that must be.
    void heardFrom(PairedDevice& device);
    void revoke(const std::string& id);
    void revokeAll(DeviceRole role);

private:
    void load();
    void save();
    std::filesystem::path file() const;

    std::filesystem::path m_folder;
    const WallClock& m_wall;
    NoticeBoard& m_notices;
    FileWriter& m_files;
    std::vector<PairedDevice> m_devices;
};

} // namespace aerolap
