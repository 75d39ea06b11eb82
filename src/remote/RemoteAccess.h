#pragma once

#include "PairedDevices.h"
#include "PairingGate.h"
#include "RemoteCommand.h"

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolap {

/// Who may drive the timer from a phone: pairs a device with the code the director shows, and
/// checks each command's device, sequence number and signature before anything acts on it. The
/// web thread pairs and checks, the laptop's window shows the code and revokes: every call takes
/// the one lock. It decides who may ask, never what is done: that is the timing thread's part.
class RemoteAccess {
public:
    RemoteAccess(const MonotonicSource& time, const WallClock& wall, NoticeBoard& notices,
                 std::filesystem::path stateFolder, FileWriter& files);

    struct Pairing {
        /// The new device, with the secret to hand to the page, when the code was right.
        std::optional<PairedDevice> device;
        std::string refusal;
        std::chrono::seconds retryAfter{0};
    };
    Pairing pair(std::string_view code, std::string_view name);

    struct Check {
        /// The device's name when the command may go on to the timing thread.
        std::optional<std::string> deviceName;
        std::string refusal;
    };
    /// A command is accepted once: its sequence number must be above every one accepted before
    /// from its device, and is kept from then on.
    Check check(const SignedCommand& signedCommand);

    /// Pairing is open while the director shows the code.
    void openPairing();
    void closePairing();
    /// The code while pairing is open.
    std::optional<std::string> pairingCode() const;

    std::vector<PairedDevice> devices() const;
    void revoke(const std::string& id);
    void revokeAll();

    /// Called after the devices or the code change, on the thread that changed them and under
    /// the lock: it must only queue its work, never call back in.
    void onChange(std::function<void()> listener);

    /// The name a device is listed under: control characters out, at most 40 characters.
    static std::string cleanName(std::string_view typed);

private:
    Check checkLocked(const SignedCommand& signedCommand);
    /// Makes `change` under the lock, then tells the listener.
    void changeAndTell(const std::function<void()>& change);
    void changed();

    mutable std::mutex m_mutex;
    PairingGate m_gate;
    PairedDevices m_devices;
    NoticeBoard& m_notices;
    std::function<void()> m_listener;
};

} // namespace aerolap
