#include "RemoteAccess.h"

#include "CommandSignature.h"

#include <QString>
#include <algorithm>
#include <iterator>

namespace aerolap {

namespace {
constexpr qsizetype kLongestName = 40;

/// Who the notices and refusals name for a role.
/// Marked for the catalogues: a notice's argument, translated with it.
std::string partOf(DeviceRole role) {
    return role == DeviceRole::Director ? QT_TRANSLATE_NOOP("Message", "The director's remote")
                                        : QT_TRANSLATE_NOOP("Message", "Timekeepers");
}
std::string windowOf(DeviceRole role) {
    return role == DeviceRole::Director ? "\"Director's remote\""
                                        : "\"Timekeepers...\" in the Scores window";
}
} // namespace

RemoteAccess::RemoteAccess(const MonotonicSource& time, const WallClock& wall, NoticeBoard& notices,
                           std::filesystem::path stateFolder, FileWriter& files)
    : m_gates{PairingGate(time), PairingGate(time)},
      m_devices(std::move(stateFolder), wall, notices, files), m_notices(notices) {}

std::string RemoteAccess::cleanName(std::string_view typed) {
    QString name;
    for (const QChar each : QString::fromUtf8(typed)) {
        if (each.isPrint()) {
            name += each;
        }
    }
    return name.simplified().left(kLongestName).toStdString();
}

RemoteAccess::Pairing RemoteAccess::pair(DeviceRole role, std::string_view code,
                                         std::string_view typedName, const std::string& address) {
    const std::string name = cleanName(typedName);
    if (name.empty()) {
        return {std::nullopt, "Type a name for this device.", {}};
    }
    std::unique_lock lock(m_mutex);
    using Verdict = PairingGate::Verdict;
    const PairingGate::Outcome outcome = gate(role).attempt(code, address);
    switch (outcome.verdict) {
    case Verdict::Accepted:
        break;
    case Verdict::Closed:
        return {std::nullopt,
                "Pairing is closed: open " + windowOf(role) + " on the laptop to see the code.",
                {}};
    case Verdict::Wrong:
        lock.unlock();
        if (outcome.codeReplaced) {
            m_notices.post({QT_TRANSLATE_NOOP("Message", "%1: %2 wrong pairing codes; a new code "
                                                         "is shown. Revoke any device that is not "
                                                         "one of yours."),
                            {partOf(role), std::to_string(PairingGate::kWrongCodesPerCode)}},
                           Notice::Urgency::ActNow);
            changed();
        }
        return {std::nullopt,
                outcome.codeReplaced ? "Wrong code. The laptop now shows a new code."
                                     : "Wrong code.",
                outcome.retryAfter};
    case Verdict::Wait:
        return {std::nullopt, "Wait before the next try.", outcome.retryAfter};
    }
    const PairedDevice device = m_devices.add(name, role);
    lock.unlock();
    m_notices.post({QT_TRANSLATE_NOOP("Message", "%1: \"%2\" is paired."), {partOf(role), name}},
                   Notice::Urgency::ActNow);
    changed();
    return {device, {}, {}};
}

PairedDevice* RemoteAccess::signer(const std::string& id, DeviceRole role, const QByteArray& text,
                                   const QByteArray& signature, std::string& refusal) {
    PairedDevice* device = m_devices.find(id);
    if (device == nullptr) {
        refusal = "This device is not paired (or was revoked): pair it again.";
    } else if (!signatureMatches(text, signature, device->secret)) {
        refusal = "The signature is wrong.";
    } else if (device->role != role) {
        refusal = role == DeviceRole::Director
                      ? "This device is paired as a timekeeper's: it can only hand in cards."
                      : "This device is paired as the director's remote, not as a timekeeper's.";
    } else {
        return device;
    }
    return nullptr;
}

RemoteAccess::Check RemoteAccess::check(const SignedCommand& signedCommand) {
    Check outcome = checkLocked(signedCommand);
    if (outcome.deviceName) {
        changed(); // last seen
    }
    return outcome;
}

RemoteAccess::Check RemoteAccess::checkLocked(const SignedCommand& signedCommand) {
    const RemoteCommand& command = signedCommand.command;
    std::scoped_lock lock(m_mutex);
    Check outcome;
    PairedDevice* device = signer(command.device, DeviceRole::Director, signedText(command),
                                  signedCommand.signature, outcome.refusal);
    if (device == nullptr) {
        return outcome;
    }
    if (command.sequence <= device->lastSequence) {
        return {std::nullopt, "The command came out of order or twice."};
    }
    m_devices.acceptedFrom(*device, command.sequence);
    return {device->name, {}};
}

RemoteAccess::Check RemoteAccess::checkTimekeeper(const std::string& id, const QByteArray& text,
                                                  const QByteArray& signature) {
    Check outcome;
    {
        std::scoped_lock lock(m_mutex);
        PairedDevice* device = signer(id, DeviceRole::Timekeeper, text, signature, outcome.refusal);
        if (device == nullptr) {
            return outcome;
        }
        m_devices.heardFrom(*device);
        outcome.deviceName = device->name;
    }
    changed(); // last seen
    return outcome;
}

void RemoteAccess::openPairing(DeviceRole role) {
    changeAndTell([this, role] { gate(role).open(); });
}

void RemoteAccess::closePairing(DeviceRole role) {
    changeAndTell([this, role] { gate(role).close(); });
}

std::optional<std::string> RemoteAccess::pairingCode(DeviceRole role) const {
    std::scoped_lock lock(m_mutex);
    return gate(role).isOpen() ? std::optional(gate(role).code()) : std::nullopt;
}

std::vector<PairedDevice> RemoteAccess::devices(DeviceRole role) const {
    std::scoped_lock lock(m_mutex);
    std::vector<PairedDevice> inRole;
    std::ranges::copy_if(m_devices.all(), std::back_inserter(inRole),
                         [role](const PairedDevice& each) { return each.role == role; });
    return inRole;
}
void RemoteAccess::revoke(const std::string& id) {
    changeAndTell([this, &id] { m_devices.revoke(id); });
}

void RemoteAccess::revokeAll(DeviceRole role) {
    changeAndTell([this, role] { m_devices.revokeAll(role); });
}

void RemoteAccess::onChange(const void* owner, std::function<void()> listener) {
    std::scoped_lock lock(m_mutex);
    if (listener) {
        m_listeners.insert_or_assign(owner, std::move(listener));
    } else {
        m_listeners.erase(owner);
    }
}

void RemoteAccess::changeAndTell(const std::function<void()>& change) {
    {
        std::scoped_lock lock(m_mutex);
        change();
    }
    changed();
}

void RemoteAccess::changed() {
    // Under the lock, so that a listener taken away is never called after.
    std::scoped_lock lock(m_mutex);
    for (const auto& [owner, listener] : m_listeners) {
        listener();
    }
}

} // namespace aerolap
