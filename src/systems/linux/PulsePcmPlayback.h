#pragma once

#include "PulseSinkWatch.h"
#include "platform/PcmPlayback.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

struct pa_context;
struct pa_io_event;
struct pa_time_event;
struct pa_threaded_mainloop;

namespace aerolap {

/// Plays decoded sounds through the PulseAudio server, one playback stream per sound, opened when
/// the sound starts and closed when it has drained or a newer sound cuts it, so nothing runs while
/// the program is quiet. The server is handed each sound whole before it starts, so that a cue
/// plays to its end however late the program's threads run meanwhile. Without a server every
/// request is dropped at once; a server that appears later is found on a later request; one that
/// was lost is tried every second until it is back, so that the next cue is heard even when it is
/// minutes away. The caller only hands the sound over and wakes the sound thread: it never waits
/// for the server's lock, so a poll that asks for a cue is not held up. The server's default output
/// is watched while it answers.
class PulsePcmPlayback final : public PcmPlayback {
public:
    /// Told, on the sound thread, each time the server starts or stops answering.
    using ServerListener = std::function<void(bool answering)>;

    /// `soundThreadStarted` runs once on the sound thread, as soon as it runs, without the lock.
    explicit PulsePcmPlayback(ServerListener listener = {},
                              PulseSinkWatch::Listener sinkListener = {},
                              std::function<void()> soundThreadStarted = {});
    ~PulsePcmPlayback() override;

    void play(std::shared_ptr<const PcmSound> sound) override;

    /// Connects if need be and waits up to `limit` for the server to answer; true when it does.
    /// Blocks, so it is for a one-off check, never for the timing thread.
    bool waitForServer(std::chrono::milliseconds limit);

    /// Whether the server answers now.
    bool serverAnswers() const { return m_answering; }
    /// Asks the sound thread to try the server again, if the last try is long enough ago.
    void reconnectIfDue();

    /// The name of the thread that feeds the server, as the system lists it.
    static constexpr const char* kThreadName = "aerolap-sound";

private:
    class CueStream;

    // How long a failed connection to the server is left alone before a request tries again.
    static constexpr std::chrono::seconds kReconnectPause{2};
    // How often a server that was lost is tried again, sound or not.
    static constexpr std::chrono::seconds kRetryLostServer{1};

    void connect();
    void dropContext();
    void startPending();
    void startHandedOver();
    static void onContextState(pa_context* context, void* self);
    void setAnswering(bool answering);
    void retryLostServerSoon();

    pa_threaded_mainloop* m_mainloop = nullptr;
    pa_context* m_context = nullptr;
    std::unique_ptr<CueStream> m_playing;
    std::shared_ptr<const PcmSound> m_pending;
    std::chrono::steady_clock::time_point m_lastConnect{};
    ServerListener m_listener;
    std::atomic<bool> m_answering = false;
    bool m_told = false;
    PulseSinkWatch m_sinkWatch;
    pa_time_event* m_retryEvent = nullptr;
    std::function<void()> m_soundThreadStarted;

    // From the caller to the sound thread: the newest sound asked for, and the wake-up.
    std::mutex m_handOverMutex;
    std::shared_ptr<const PcmSound> m_handedOver;
    int m_wakeFd = -1;
    pa_io_event* m_wakeEvent = nullptr;
};

} // namespace aerolap
