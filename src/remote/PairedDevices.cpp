#include "PairedDevices.h"

#include "files/SmallFileRead.h"

#include <QDateTime>
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
    QJsonObject written{{"id", QString::fromStdString(device.id)},
                        {"name", QString::fromStdString(device.name)},
                        {"paired", msSinceEpoch(device.pairedAt)},
                        {"last_seen", msSinceEpoch(device.lastSeen)},
                        {"secret", QString::fromLatin1(device.secret.toBase64())},
                        {"sequence", QString::number(device.lastSequence)}};
    // Written only for a timekeeper's, so that a file of the remote alone reads as before.
    if (device.role == DeviceRole::Timekeeper) {
        written.insert("role", "timekeeper");
    }
    return written;
}

std::optional<PairedDevice> deviceFrom(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    bool isNumber = false;
    const QString role = object.value("role").toString(QStringLiteral("director"));
    PairedDevice device{object.value("id").toString().toStdString(),
                        object.value("name").toString().toStdString(),
                        role == "timekeeper" ? DeviceRole::Timekeeper : DeviceRole::Director,
                        fromMsSinceEpoch(object.value("paired").toInteger()),
                        fromMsSinceEpoch(object.value("last_seen").toInteger()),
                        QByteArray::fromBase64(object.value("secret").toString().toLatin1()),
                        object.value("sequence").toString().toULongLong(&isNumber)};
    if (device.id.empty() || device.secret.size() != PairedDevices::kSecretBytes || !isNumber ||
        (role != "director" && role != "timekeeper")) {
        return std::nullopt;
    }
    return device;
}

} // namespace

PairedDevices::PairedDevices(std::filesystem::path folder, const WallClock& wall,
                             NoticeBoard& notices, FileWriter& files)
    : m_folder(std::move(folder)), m_wall(wall), m_notices(notices), m_files(files) {
    load();
}

std::filesystem::path PairedDevices::file() const {
    return m_folder / "remote-devices.json";
}

void PairedDevices::load() {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file(), error))) {
        return;
    }
    // A few devices fit in far less; anything larger is not this program's file.
    const auto read = readSmallFile(file().string(), 1 << 20);
    const auto* bytes = std::get_if<QByteArray>(&read);
    const QJsonObject root = QJsonDocument::fromJson(bytes ? *bytes : QByteArray()).object();
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
        m_notices.post({QT_TRANSLATE_NOOP("Message", "The director's remote: the paired devices in "
                                                     "%1 cannot be read; pair the phones again."),
                        {file().string()}});
        return;
    }
    if (root.value("day").toString() != dayOf(m_wall.now())) {
        if (!devices.empty()) {
            m_notices.post(
                {QT_TRANSLATE_NOOP("Message", "The director's remote: the devices paired on %1 "
                                              "are forgotten; pair the phones again for today."),
                 {root.value("day").toString().toStdString()}});
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
    static constexpr KeptFile kDevicesFile{
        QT_TRANSLATE_NOOP("Message", "The director's remote's list of paired devices"),
        QT_TRANSLATE_NOOP("Message",
                          "the devices paired since are forgotten when the program ends")};
    m_files.replace(kDevicesFile, file(), bytes);
}

PairedDevice* PairedDevices::find(const std::string& id) {
    const auto found = std::ranges::find(m_devices, id, &PairedDevice::id);
    return found == m_devices.end() ? nullptr : &*found;
}

const PairedDevice& PairedDevices::add(std::string name, DeviceRole role) {
    const auto now = m_wall.now();
    m_devices.push_back({randomBytes(kIdBytes).toHex().toStdString(), std::move(name), role, now,
                         now, randomBytes(kSecretBytes), 0});
    save();
    return m_devices.back();
}

void PairedDevices::acceptedFrom(PairedDevice& device, std::uint64_t sequence) {
    device.lastSequence = sequence;
    heardFrom(device);
    save();
}

void PairedDevices::heardFrom(PairedDevice& device) {
    device.lastSeen = m_wall.now();
}

void PairedDevices::revoke(const std::string& id) {
    if (std::erase_if(m_devices, [&id](const auto& each) { return each.id == id; }) > 0) {
        save();
    }
}

void PairedDevices::revokeAll(DeviceRole role) {
    std::erase_if(m_devices, [role](const auto& each) { return each.role == role; });
    save();
}

} // namespace aerolap
