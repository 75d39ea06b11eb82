#include "DBusStayAwake.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace aerolap {

namespace {

const QString kLoginManager = QStringLiteral("org.freedesktop.login1");
const QString kLoginManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kLoginManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");

int milliseconds(std::chrono::milliseconds limit) {
    return static_cast<int>(limit.count());
}

QDBusMessage sleepLockRequest() {
    QDBusMessage request = QDBusMessage::createMethodCall(
        kLoginManager, kLoginManagerPath, kLoginManagerInterface, QStringLiteral("Inhibit"));
    request << QString::fromLatin1(DBusStayAwake::kWhat) << QString::fromLatin1(DBusStayAwake::kWho)
            << QString::fromLatin1(DBusStayAwake::kWhy) << QStringLiteral("block");
    return request;
}

QDBusMessage screenSaverRequest(const QString& method) {
    return QDBusMessage::createMethodCall(kScreenSaver, kScreenSaverPath, kScreenSaver, method);
}

/// Why a bus cannot be asked at all, or an empty text when it can.
QString whyNotConnected(const QDBusConnection& bus) {
    if (bus.isConnected()) {
        return {};
    }
    const QString error = bus.lastError().message();
    return error.isEmpty() ? QStringLiteral("no bus") : error;
}

} // namespace

DBusStayAwake::DBusStayAwake(QDBusConnection systemBus, QDBusConnection sessionBus,
                             NoticeBoard& notices)
    : m_systemBus(std::move(systemBus)), m_sessionBus(std::move(sessionBus)), m_notices(notices),
      m_loginManagerWatch(kLoginManager, m_systemBus, QDBusServiceWatcher::WatchForOwnerChange),
      m_screenSaverWatch(kScreenSaver, m_sessionBus, QDBusServiceWatcher::WatchForOwnerChange) {
    // A login manager or screen saver that restarts has forgotten what it held for us.
    QObject::connect(&m_loginManagerWatch, &QDBusServiceWatcher::serviceUnregistered, &m_callbacks,
                     [this] {
                         m_sleepLock = {};
                         sleepLockRefused(QStringLiteral("it went away"));
                     });
    QObject::connect(&m_loginManagerWatch, &QDBusServiceWatcher::serviceRegistered, &m_callbacks,
                     [this] { takeSleepLock(); });
    QObject::connect(&m_screenSaverWatch, &QDBusServiceWatcher::serviceUnregistered, &m_callbacks,
                     [this] {
                         if (m_screenSaverCookie) {
                             m_screenSaverCookie.reset();
                             screenSaverRefused(QStringLiteral("it went away"));
                         }
                     });
    QObject::connect(&m_screenSaverWatch, &QDBusServiceWatcher::serviceRegistered, &m_callbacks,
                     [this] {
                         m_screenSaverTried = false;
                         settleScreenSaver();
                     });

    if (const QString why = whyNotConnected(m_systemBus); !why.isEmpty()) {
        sleepLockRefused(why);
        return;
    }
    adoptSleepLock(m_systemBus.call(sleepLockRequest(), QDBus::Block, milliseconds(kStartWait)));
}

void DBusStayAwake::holdDisplay(bool held) {
    if (held == m_displayWanted) {
        return;
    }
    m_displayWanted = held;
    m_screenSaverTried = false;
    settleScreenSaver();
}

void DBusStayAwake::takeSleepLock() {
    auto* call = new QDBusPendingCallWatcher(
        m_systemBus.asyncCall(sleepLockRequest(), milliseconds(kCallLimit)), &m_callbacks);
    QObject::connect(call, &QDBusPendingCallWatcher::finished, &m_callbacks,
                     [this](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         adoptSleepLock(finished->reply());
                     });
}

void DBusStayAwake::adoptSleepLock(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage) {
        sleepLockRefused(reply.errorMessage());
        return;
    }
    const auto lock = reply.arguments().value(0).value<QDBusUnixFileDescriptor>();
    if (!lock.isValid()) {
        sleepLockRefused(QStringLiteral("its answer held no lock"));
        return;
    }
    m_sleepLock = lock;
    m_sleepLockToldLost = false;
}

void DBusStayAwake::sleepLockRefused(const QString& why) {
    if (std::exchange(m_sleepLockToldLost, true)) {
        return;
    }
    m_notices.post(
        {QT_TRANSLATE_NOOP("Message", "The laptop may go to sleep during a round: the login "
                                      "manager does not keep it awake (%1). Switch power saving "
                                      "off and keep the lid open."),
         {why.toStdString()}});
}

void DBusStayAwake::settleScreenSaver() {
    if (m_screenSaverCallPending) {
        return; // settled again when the call returns
    }
    if (m_displayWanted && !m_screenSaverCookie && !m_screenSaverTried) {
        m_screenSaverTried = true;
        if (const QString why = whyNotConnected(m_sessionBus); !why.isEmpty()) {
            screenSaverRefused(why);
            return;
        }
        QDBusMessage inhibit = screenSaverRequest(QStringLiteral("Inhibit"));
        inhibit << QString::fromLatin1(kWho) << QString::fromLatin1(kWhy);
        callScreenSaver(inhibit, [this](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ErrorMessage) {
                screenSaverRefused(reply.errorMessage());
            } else {
                m_screenSaverCookie = reply.arguments().value(0).toUInt();
                m_screenSaverToldLost = false;
            }
        });
    } else if (!m_displayWanted && m_screenSaverCookie) {
        QDBusMessage release = screenSaverRequest(QStringLiteral("UnInhibit"));
        release << *std::exchange(m_screenSaverCookie, std::nullopt);
        callScreenSaver(release, [](const QDBusMessage&) {});
    }
}

void DBusStayAwake::callScreenSaver(const QDBusMessage& request,
                                    std::function<void(const QDBusMessage&)> answered) {
    m_screenSaverCallPending = true;
    auto* call = new QDBusPendingCallWatcher(
        m_sessionBus.asyncCall(request, milliseconds(kCallLimit)), &m_callbacks);
    QObject::connect(call, &QDBusPendingCallWatcher::finished, &m_callbacks,
                     [this, answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         m_screenSaverCallPending = false;
                         answered(finished->reply());
                         // The director may have started or ended a cycle meanwhile.
                         settleScreenSaver();
                     });
}

void DBusStayAwake::screenSaverRefused(const QString& why) {
    if (std::exchange(m_screenSaverToldLost, true)) {
        return;
    }
    m_notices.post({QT_TRANSLATE_NOOP("Message", "The screen may blank during a round: the screen "
                                                 "saver is not held off (%1). Switch the screen "
                                                 "saver off."),
                    {why.toStdString()}});
}

} // namespace aerolap
