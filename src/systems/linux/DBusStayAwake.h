#pragma once

#include "notices/NoticeBoard.h"
#include "platform/StayAwake.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <chrono>
#include <functional>
#include <optional>

class QDBusMessage;

namespace aerolap {

/// Keeps a Linux laptop awake through its D-Bus services: the login manager's inhibitor lock on
/// sleep, idle and the lid switch, held on the system bus from the moment this is made until it
/// goes (the lock is a file descriptor: closing it lets the laptop sleep again), and the session's
/// screen saver inhibited while the display is held (a screen saver lets go of what a program
/// held once the program leaves the bus, so the exit needs no call). Making it waits a bounded
/// moment for the lock; every later call is asynchronous. A bus that is absent, refuses or loses
/// the service is posted once for each of the two holds, and the timer runs on. Lives on the thread
/// of the Qt event loop.
class DBusStayAwake final : public StayAwake {
public:
    static constexpr const char* kWhat = "sleep:idle:handle-lid-switch";
    static constexpr const char* kWho = "Aerolap";
    static constexpr const char* kWhy = "A contest round is timed";

    /// The buses are those of the machine in the program, a private one in tests.
    DBusStayAwake(QDBusConnection systemBus, QDBusConnection sessionBus, NoticeBoard& notices);

    void holdDisplay(bool held) override;

    /// How long making it may wait for the lock on sleep.
    static constexpr std::chrono::milliseconds kStartWait{1000};
    /// How long an asynchronous call may take.
    static constexpr std::chrono::milliseconds kCallLimit{2000};

private:
    void takeSleepLock();
    void adoptSleepLock(const QDBusMessage& reply);
    void sleepLockRefused(const QString& why);
    /// Brings the screen saver in line with the display hold, one call at a time.
    void settleScreenSaver();
    void callScreenSaver(const QDBusMessage& request,
                         std::function<void(const QDBusMessage&)> answered);
    void screenSaverRefused(const QString& why);

    QDBusConnection m_systemBus;
    QDBusConnection m_sessionBus;
    NoticeBoard& m_notices;
    QObject m_callbacks;
    QDBusServiceWatcher m_loginManagerWatch;
    QDBusServiceWatcher m_screenSaverWatch;
    QDBusUnixFileDescriptor m_sleepLock;
    bool m_sleepLockToldLost = false;
    bool m_displayWanted = false;
    /// Whether the screen saver was asked since the display hold last began: one refusal is
    /// enough for one hold.
    bool m_screenSaverTried = false;
    std::optional<uint> m_screenSaverCookie;
    bool m_screenSaverCallPending = false;
    bool m_screenSaverToldLost = false;
};

} // namespace aerolap
