#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct pa_context;
struct pa_server_info;
struct pa_sink_info;

namespace aerolap {

/// What the sound server's default output does with the cues it is given.
enum class SinkCondition { Heard, Muted, ZeroVolume, NoSink };

/// Watches the default sink of a sound server the cues are played through: whether there is one,
/// and whether it is muted or at zero volume. It looks when the connection is made and again
/// whenever the server says a sink or its choice of default changed; nothing runs otherwise.
/// Every call and every report is on the sound thread, with the mainloop lock held.
class PulseSinkWatch {
public:
    /// Told the condition and the sink's description after every look.
    using Listener = std::function<void(SinkCondition condition, const std::string& sink)>;

    explicit PulseSinkWatch(Listener listener) : m_listener(std::move(listener)) {}
    PulseSinkWatch(const PulseSinkWatch&) = delete;
    PulseSinkWatch& operator=(const PulseSinkWatch&) = delete;

    /// Starts watching through a connection that has just become ready.
    void watch(pa_context* context);
    /// Stops before the connection goes.
    void forget();

private:
    void look();
    void lookedAtServer(const pa_server_info* server);
    void lookedAtSink(const pa_sink_info* sink, int end);
    void lookDone();

    Listener m_listener;
    pa_context* m_context = nullptr;
    bool m_looking = false;
    bool m_lookAgain = false;
    std::uint32_t m_sinkIndex = UINT32_MAX;
    SinkCondition m_condition = SinkCondition::NoSink;
    std::string m_sinkName;
};

} // namespace aerolap
