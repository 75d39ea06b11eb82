#pragma once

#include "notices/NoticeBoard.h"
#include "platform/TimingThreadPriority.h"

#include <QDBusConnection>
#include <QObject>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <sys/types.h>

class QDBusMessage;

namespace aerolap {

/// The timing threads' scheduling on Linux, from RealtimeKit on the system bus, as sound programs
/// get theirs: real time for each sound thread, once the process's RLIMIT_RTTIME is within what
/// RealtimeKit requires (a real-time thread that hogs the processor past half of it is put back to
/// ordinary scheduling, see `catchRunawayRealTime`, before the kernel would kill the program at
/// the whole), and only a raised nice level for the handlers' and the LED display's threads. Every
/// call is asynchronous and bounded; a sound thread only names itself and returns. The first
/// refusal, of whatever was asked, is posted and no later one. Lives on the thread of the Qt event
/// loop, and may be made before the Qt application: the bus is opened, and the sound threads'
/// requests sent, once that loop runs.
class RealtimeKitPriority final : public TimingThreadPriority {
public:
    /// Opens the bus, on the thread of the event loop: the machine's system bus in the program, a
    /// private one in tests.
    using BusOpener = std::function<QDBusConnection()>;

    RealtimeKitPriority(BusOpener openSystemBus, NoticeBoard& notices);

    void raiseTimingThread() override;
    void raiseSoundThread() override;
    void lowerSoundThread() override {} // the kernel drops a thread's scheduling with the thread

    /// The nice level asked for the handlers' thread, unless RealtimeKit allows less: ahead of
    /// the desktop's programs, a step behind the sound server (PulseAudio asks for -11).
    static constexpr int kHandlerNiceLevel = -10;
    /// The real-time priority asked for a sound thread: the lowest is enough to run ahead of every
    /// ordinary thread, and leaves ahead of it the sound server that plays what it hands over.
    static constexpr std::uint32_t kSoundPriority = 1;
    /// How long one call may take.
    static constexpr std::chrono::milliseconds kCallLimit{2000};

private:
    void askHighPriority(pid_t thread);
    void askRealTime(pid_t thread);
    /// Reads one of RealtimeKit's properties, then hands its value on.
    void readProperty(const char* name, std::function<void(const QVariant&)> answered);
    void call(const QDBusMessage& request, std::function<void(const QDBusMessage&)> answered);
    void refused(const QString& why);

    BusOpener m_openSystemBus;
    std::optional<QDBusConnection> m_systemBus;
    NoticeBoard& m_notices;
    QObject m_callbacks;
    bool m_told = false;
};

} // namespace aerolap
