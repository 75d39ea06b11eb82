#pragma once

#include "PairedDevices.h"
#include "PairingGate.h"
#include "RemoteCommand.h"

#include <array>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolap {

/// Who may reach the timer from a phone: pairs a device, in its role, with the code the director
/// shows for that role, and checks each message's device, role and signature (and a command's
/// sequence number) before anything acts on it. The web thread pairs and checks, the laptop's
/// windows show the codes and revoke: every call takes the one lock. It decides who may ask, never
/// what is done: that is the timing thread's part.
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
    /// `address` is where the try came from: wrong codes hold back that address alone.
    Pairing pair(DeviceRole role, std::string_view code, std::string_view name,
                 const std::string& address);

    struct Check {
        /// The device's name when the command may go on to the timing thread.
        std::optional<std::string> deviceName;
        std::string refusal;
    };
    /// A director's command is accepted once: its sequence number must be above every one
    /// accepted before from its device, and is kept from then on.
    Check check(const SignedCommand& signedCommand);
    /// A timekeeper's message, which carries its own id where it must not be taken twice: whether
    /// `signature` (lower-case hex) is the HMAC of `text` under the key of a timekeeper's device.
    Check checkTimekeeper(const std::string& device, const QByteArray& text,
                          const QByteArray& signature);

    /// Pairing for a role is open while the director shows its code.
    void openPairing(DeviceRole role);
    void closePairing(DeviceRole role);
    /// The role's code while its pairing is open.
    std::optional<std::string> pairingCode(DeviceRole role) const;

    /// The devices paired today in `role`.
    std::vector<PairedDevice> devices(DeviceRole role) const;
    void revoke(const std::string& id);
    void revokeAll(DeviceRole role);

    /// Tells `listener` after the devices or a code change, on the thread that changed them and
    /// under the lock: it must only queue its work, never call back in. One listener for each
    /// `owner`; an empty one takes the owner's away.
    void onChange(const void* owner, std::function<void()> listener);

    /// The name a device is listed under: control characters out, at most 40 characters.
    static std::string cleanName(std::string_view typed);

private:
    Check checkLocked(const SignedCommand& signedCommand);
    /// The device when it is paired in `role` and signed `text`; else why not, in `refusal`.
    PairedDevice* signer(const std::string& device, DeviceRole role, const QByteArray& text,
                         const QByteArray& signature, std::string& refusal);
    PairingGate& gate(DeviceRole role) { return m_gates[static_cast<std::size_t>(role)]; }
    const PairingGate& gate(DeviceRole role) const {
        return m_gates[static_cast<std::size_t>(role)];
    }
    /// Makes `change` under the lock, then tells the listener.
    void changeAndTell(const std::function<void()>& change);
    void changed();

    mutable std::mutex m_mutex;
    std::array<PairingGate, 2> m_gates;
    PairedDevices m_devices;
    NoticeBoard& m_notices;
    std::map<const void*, std::function<void()>> m_listeners;
};

} // namespace aerolap
