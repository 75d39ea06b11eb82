#include "RemoteAccess.h"

#include "CommandSignature.h"

#include <QString>

namespace aerolap {

namespace {
constexpr qsizetype kLongestName = 40;
} // namespace

RemoteAccess::RemoteAccess(const MonotonicSource& time, const WallClock& wall, NoticeBoard& notices,
                           std::filesystem::path stateFolder, FileWriter& files)
    : m_gate(time), m_devices(std::move(stateFolder), wall, notices, files), m_notices(notices) {}

std::string RemoteAccess::cleanName(std::string_view typed) {
    QString name;
    for (const QChar each : QString::fromUtf8(typed)) {
        if (each.isPrint()) {
            name += each;
        }
    }
    return name.simplified().left(kLongestName).toStdString();
}

RemoteAccess::Pairing RemoteAccess::pair(std::string_view code, std::string_view typedName) {
    const std::string name = cleanName(typedName);
    if (name.empty()) {
        return {std::nullopt, "Type a name for this device.", {}};
    }
    std::unique_lock lock(m_mutex);
    using Verdict = PairingGate::Verdict;
    const PairingGate::Outcome outcome = m_gate.attempt(code);
    switch (outcome.verdict) {
    case Verdict::Accepted:
        break;
    case Verdict::Closed:
        return {std::nullopt,
                "Pairing is closed: open \"Director's remote\" on the laptop to see the code.",
                {}};
    case Verdict::Wrong:
        return {std::nullopt, "Wrong code.", outcome.retryAfter};
    case Verdict::Wait:
        return {std::nullopt, "Wait before the next try.", outcome.retryAfter};
    case Verdict::Locked:
        return {std::nullopt, "Too many wrong codes: pairing is locked for a minute.",
                outcome.retryAfter};
    }
    const PairedDevice device = m_devices.add(name);
    lock.unlock();
    m_notices.post("The director's remote: \"" + name + "\" is paired.", Notice::Urgency::ActNow);
    changed();
    return {device, {}, {}};
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
    PairedDevice* device = m_devices.find(command.device);
    if (device == nullptr) {
        return {std::nullopt, "This device is not paired (or was revoked): pair it again."};
    }
    if (!signatureMatches(command, signedCommand.signature, device->secret)) {
        return {std::nullopt, "The command's signature is wrong."};
    }
    if (command.sequence <= device->lastSequence) {
        return {std::nullopt, "The command came out of order or twice."};
    }
    m_devices.acceptedFrom(*device, command.sequence);
    return {device->name, {}};
}

void RemoteAccess::openPairing() {
    changeAndTell([this] { m_gate.open(); });
}

void RemoteAccess::closePairing() {
    changeAndTell([this] { m_gate.close(); });
}

std::optional<std::string> RemoteAccess::pairingCode() const {
    std::scoped_lock lock(m_mutex);
    return m_gate.isOpen() ? std::optional(m_gate.code()) : std::nullopt;
}

std::vector<PairedDevice> RemoteAccess::devices() const {
    std::scoped_lock lock(m_mutex);
    return m_devices.all();
}

void RemoteAccess::revoke(const std::string& id) {
    changeAndTell([this, &id] { m_devices.revoke(id); });
}

void RemoteAccess::revokeAll() {
    changeAndTell([this] { m_devices.revokeAll(); });
}

void RemoteAccess::onChange(std::function<void()> listener) {
    std::scoped_lock lock(m_mutex);
    m_listener = std::move(listener);
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
    if (m_listener) {
        m_listener();
    }
}

} // namespace aerolap
