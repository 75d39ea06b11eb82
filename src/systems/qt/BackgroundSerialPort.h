#pragma once

#include "notices/NoticeBoard.h"
#include "platform/SerialPortControl.h"

#include <QThread>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QTimer;

namespace aerolap {

/// The LED display's serial port on a thread of its own ("LED display"), so that no write and no
/// open ever holds up the thread that runs the timer's handlers: frames are handed over in order
/// and written there. Opening and closing wait for that thread, as the director's own port choice
/// may, but the caller's timers and queued work run on meanwhile (clicks wait until it is done).
///
/// A port that was open and is lost (a cable pulled out, a write refused) is named once, and tried
/// again about once a second, silently, until it is back or closed on purpose; a retry that takes
/// long (a Bluetooth port connecting) delays nothing but the next retry. Once back, the port is
/// given the last frame asked for, so the display shows the running time without waiting for the
/// next second.
class BackgroundSerialPort final : public SerialPortControl {
public:
    using Notice = std::function<void(const Message& line)>;
    /// Makes the port itself, on the port's thread. What it has to tell goes to `notice`, which
    /// passes it on except during the quiet retries.
    using MakePort = std::function<std::unique_ptr<SerialPortControl>(Notice notice)>;

    static constexpr std::chrono::milliseconds kRetryInterval{1000};

    /// `onThreadStart` runs first on the port's thread: for the scheduling the frames' thread
    /// asks for.
    BackgroundSerialPort(MakePort makePort, NoticeBoard& notices,
                         std::chrono::milliseconds retryInterval = kRetryInterval,
                         std::function<void()> onThreadStart = {});
    ~BackgroundSerialPort() override;

    void setCommPort(std::int16_t port) override;
    void setSettings(const std::string& settings) override;
    bool setPortOpen(bool open) override;
    /// Open as the director asked, even while the device is away and being tried again: frames
    /// go on being asked for, so that the newest is at hand when it is back.
    bool portOpen() const override { return m_open; }
    /// Says whether the port was open, and its device there, when the bytes were handed over.
    bool output(const std::string& bytes) override;

private:
    /// Runs `task` on the port's thread without waiting.
    void post(std::function<void()> task);
    /// Runs `task` on the port's thread and waits for its answer, running the caller's timers and
    /// queued work meanwhile.
    bool runAndWait(std::function<bool()> task);

    // On the port's thread only.
    void write(const std::string& bytes);
    /// Closes the port and tries it again from time to time.
    void lose();
    void retry();
    /// The director opens or closes the port.
    void stopRetrying();

    NoticeBoard& m_notices;
    std::chrono::milliseconds m_retryInterval;
    QThread m_thread;
    QObject* m_onThread;
    QTimer* m_retryTimer = nullptr;
    std::unique_ptr<SerialPortControl> m_port;
    std::atomic<bool> m_open = false;
    std::atomic<bool> m_lost = false;
    std::int16_t m_commPort = 1;
    /// Counts the director's opens and closes, which end whatever a retry had begun.
    int m_directorsChoices = 0;
    std::optional<std::string> m_lastFrame;
};

} // namespace aerolap
