#include "PairedDevices.h"

#include "files/WholeFileSave.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <algorithm>

namespace aerolap {

namespace {

using std::chrono::milliseconds;

constexpr int kIdBytes = 12;

QByteArray randomBytes(int count) {
    QByteArray bytes(count, Qt::Uninitialized);
    for (char& byte : bytes) {
        byte = static_cast<char>(QRandomGenerator::system()->bounded(256));
    }
    return bytes;
}

qint64 msSinceEpoch(WallClock::TimePoint at) {
    return std::chrono::duration_cast<milliseconds>(at.time_since_epoch()).count();
}
WallClock::TimePoint fromMsSinceEpoch(qint64 ms) {
    return WallClock::TimePoint(
        std::chrono::duration_cast<WallClock::TimePoint::duration>(milliseconds(ms)));
}
/// The contest day: the local date, as the director's calendar says.
QString dayOf(WallClock::TimePoint at) {
    return QDateTime::fromMSecsSinceEpoch(msSinceEpoch(at)).date().toString(Qt::ISODate);
}

QJsonObject toJson(const PairedDevice& device) {
    return {{"id", QString::fromStdString(device.id)},
            {"name", QString::fromStdString(device.name)},
            {"paired", msSinceEpoch(device.pairedAt)},
            {"last_seen", msSinceEpoch(device.lastSeen)},
            {"secret", QString::fromLatin1(device.secret.toBase64())},
            {"sequence", QString::number(device.lastSequence)}};
}

std::optional<PairedDevice> deviceFrom(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    bool isNumber = false;
    PairedDevice device{object.value("id").toString().toStdString(),
                        object.value("name").toString().toStdString(),
                        fromMsSinceEpoch(object.value("paired").toInteger()),
                        fromMsSinceEpoch(object.value("last_seen").toInteger()),
                        QByteArray::fromBase64(object.value("secret").toString().toLatin1()),
                        object.value("sequence").toString().toULongLong(&isNumber)};
    if (device.id.empty() || device.secret.size() != PairedDevices::kSecretBytes || !isNumber) {
        return std::nullopt;
    }
    return device;
}

} // namespace

PairedDevices::PairedDevices(std::filesystem::path folder, const WallClock& wall,
                             NoticeBoard& notices)
    : m_folder(std::move(folder)), m_wall(wall), m_notices(notices) {
    load();
}

std::filesystem::path PairedDevices::file() const {
    return m_folder / "remote-devices.json";
}

void PairedDevices::load() {
    QFile stored(QString::fromStdString(file().string()));
    if (!stored.exists()) {
        return;
    }
    // A few devices fit in far less; anything larger is not this program's file.
    constexpr qint64 kLargest = 1 << 20;
    const QByteArray bytes =
        stored.open(QIODevice::ReadOnly) ? stored.read(kLargest) : QByteArray();
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    std::vector<PairedDevice> devices;
    bool readable = root.value("day").isString() && root.value("devices").isArray();
    for (const QJsonValue& each : root.value("devices").toArray()) {
        const auto device = deviceFrom(each);
        readable = readable && device.has_value();
        if (device) {
            devices.push_back(*device);
        }
    }
    if (!readable) {
        m_notices.post("The director's remote: the paired devices in " + file().string() +
                       " cannot be read; pair the phones again.");
        return;
    }
    if (root.value("day").toString() != dayOf(m_wall.now())) {
        if (!devices.empty()) {
            m_notices.post("The director's remote: the devices paired on " +
                           root.value("day").toString().toStdString() +
                           " are forgotten; pair the phones again for today.");
        }
        m_devices.clear();
        save();
        return;
    }
    m_devices = std::move(devices);
}

void PairedDevices::save() {
    QJsonArray devices;
    for (const PairedDevice& device : m_devices) {
        devices.append(toJson(device));
    }
    const QByteArray bytes =
        QJsonDocument(QJsonObject{{"day", dayOf(m_wall.now())}, {"devices", devices}}).toJson();
    QDir().mkpath(QString::fromStdString(m_folder.string()));
    if (const auto why = saveWholeFile(file().string(), bytes)) {
        m_notices.post("The director's remote: " + file().string() + " cannot be written (" + *why +
                       "); the paired devices are forgotten when the program ends.");
    }
}

PairedDevice* PairedDevices::find(const std::string& id) {
    const auto found = std::ranges::find(m_devices, id, &PairedDevice::id);
    return found == m_devices.end() ? nullptr : &*found;
}

const PairedDevice& PairedDevices::add(std::string name) {
    const auto now = m_wall.now();
    m_devices.push_back({randomBytes(kIdBytes).toHex().toStdString(), std::move(name), now, now,
                         randomBytes(kSecretBytes), 0});
    save();
    return m_devices.back();
}

void PairedDevices::acceptedFrom(PairedDevice& device, std::uint64_t sequence) {
    device.lastSequence = sequence;
    device.lastSeen = m_wall.now();
    save();
}

bool PairedDevices::revoke(const std::string& id) {
    const auto removed =
        std::erase_if(m_devices, [&id](const auto& each) { return each.id == id; });
    if (removed > 0) {
        save();
    }
    return removed > 0;
}

void PairedDevices::revokeAll() {
    m_devices.clear();
    save();
}

} // namespace aerolap
