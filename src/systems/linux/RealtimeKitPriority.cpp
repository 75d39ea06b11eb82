#include "RealtimeKitPriority.h"

#include "RealTimeSafetyNet.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <algorithm>
#include <sys/resource.h>
#include <unistd.h>

namespace aerolap {

namespace {

const QString kRealtimeKit = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString kRealtimeKitPath = QStringLiteral("/org/freedesktop/RealtimeKit1");

QDBusMessage realtimeKitCall(const QString& method) {
    return QDBusMessage::createMethodCall(kRealtimeKit, kRealtimeKitPath, kRealtimeKit, method);
}

/// Brings the process's real-time CPU limit within `most` microseconds, the hard one at it and the
/// soft one, whose signal the safety net answers, at half of it; a lower limit already set is
/// kept, as only a privileged process may raise its hard limit.
bool limitRealTimeCpu(qlonglong most) {
    rlimit limit{};
    if (most <= 1 || ::getrlimit(RLIMIT_RTTIME, &limit) != 0) {
        return false; // a zero limit would stop the thread at its first slice
    }
    const auto allowed = static_cast<rlim_t>(most);
    limit.rlim_max = std::min(limit.rlim_max, allowed);
    limit.rlim_cur = std::min(limit.rlim_cur, limit.rlim_max / 2);
    return ::setrlimit(RLIMIT_RTTIME, &limit) == 0;
}

} // namespace

RealtimeKitPriority::RealtimeKitPriority(BusOpener openSystemBus, NoticeBoard& notices)
    : m_openSystemBus(std::move(openSystemBus)), m_notices(notices) {}

void RealtimeKitPriority::raiseTimingThread() {
    QMetaObject::invokeMethod(
        &m_callbacks, [this, thread = ::gettid()] { askHighPriority(thread); },
        Qt::QueuedConnection);
}

void RealtimeKitPriority::raiseSoundThread() {
    QMetaObject::invokeMethod(
        &m_callbacks, [this, thread = ::gettid()] { askRealTime(thread); }, Qt::QueuedConnection);
}

void RealtimeKitPriority::askHighPriority(pid_t thread) {
    readProperty("MinNiceLevel", [this, thread](const QVariant& leastNice) {
        QDBusMessage request = realtimeKitCall(QStringLiteral("MakeThreadHighPriority"));
        request << static_cast<quint64>(thread) << std::max(kHandlerNiceLevel, leastNice.toInt());
        call(request, {});
    });
}

void RealtimeKitPriority::askRealTime(pid_t thread) {
    readProperty("RTTimeUSecMax", [this, thread](const QVariant& most) {
        if (!limitRealTimeCpu(most.toLongLong())) {
            refused(QStringLiteral("the real-time CPU limit of %1 microseconds could not be set")
                        .arg(most.toLongLong()));
            return;
        }
        catchRunawayRealTime(thread);
        QDBusMessage request = realtimeKitCall(QStringLiteral("MakeThreadRealtime"));
        request << static_cast<quint64>(thread) << static_cast<quint32>(kSoundPriority);
        call(request, {});
    });
}

void RealtimeKitPriority::readProperty(const char* name,
                                       std::function<void(const QVariant&)> answered) {
    QDBusMessage request = QDBusMessage::createMethodCall(
        kRealtimeKit, kRealtimeKitPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    request << kRealtimeKit << QString::fromLatin1(name);
    call(request, [answered = std::move(answered)](const QDBusMessage& reply) {
        answered(reply.arguments().value(0).value<QDBusVariant>().variant());
    });
}

void RealtimeKitPriority::call(const QDBusMessage& request,
                               std::function<void(const QDBusMessage&)> answered) {
    if (!m_systemBus) {
        m_systemBus = m_openSystemBus();
    }
    if (!m_systemBus->isConnected()) {
        const QString error = m_systemBus->lastError().message();
        refused(error.isEmpty() ? QStringLiteral("no system bus") : error);
        return;
    }
    auto* pending = new QDBusPendingCallWatcher(
        m_systemBus->asyncCall(request, static_cast<int>(kCallLimit.count())), &m_callbacks);
    QObject::connect(pending, &QDBusPendingCallWatcher::finished, &m_callbacks,
                     [this, answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         const QDBusMessage reply = finished->reply();
                         if (reply.type() == QDBusMessage::ErrorMessage) {
                             refused(reply.errorMessage());
                         } else if (answered) {
                             answered(reply);
                         }
                     });
}

void RealtimeKitPriority::refused(const QString& why) {
    if (std::exchange(m_told, true)) {
        return;
    }
    // The system's reason, named by the service that gave it.
    const std::string reason = "RealtimeKit: " + why.toStdString();
    m_notices.post(timingThreadsRefused(reason));
}

} // namespace aerolap
