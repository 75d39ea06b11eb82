#include "PulseSinkWatch.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/subscribe.h>
#include <pulse/volume.h>

namespace aerolap {

namespace {

/// The operation runs on; only the caller's reference to it is dropped.
void letRun(pa_operation* operation) {
    if (operation != nullptr) {
        pa_operation_unref(operation);
    }
}

} // namespace

void PulseSinkWatch::watch(pa_context* context) {
    m_context = context;
    m_looking = false;
    m_lookAgain = false;
    pa_context_set_subscribe_callback(
        context,
        [](pa_context* /*context*/, pa_subscription_event_type_t event, std::uint32_t index,
           void* self) {
            auto& watch = *static_cast<PulseSinkWatch*>(self);
            const auto facility = event & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
            const auto type = event & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
            // Other sinks only matter when they come or go: one may become the default.
            if (facility == PA_SUBSCRIPTION_EVENT_SINK && type == PA_SUBSCRIPTION_EVENT_CHANGE &&
                index != watch.m_sinkIndex) {
                return;
            }
            watch.look();
        },
        this);
    letRun(pa_context_subscribe(context,
                                static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SINK |
                                                                    PA_SUBSCRIPTION_MASK_SERVER),
                                nullptr, nullptr));
    look();
}

void PulseSinkWatch::forget() {
    if (m_context != nullptr) {
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
    }
    m_context = nullptr;
}

void PulseSinkWatch::look() {
    if (m_context == nullptr) {
        return;
    }
    // One look at a time; changes during it are seen by one more look after it.
    if (m_looking) {
        m_lookAgain = true;
        return;
    }
    m_looking = true;
    m_lookAgain = false;
    letRun(pa_context_get_server_info(
        m_context,
        [](pa_context* /*context*/, const pa_server_info* server, void* self) {
            static_cast<PulseSinkWatch*>(self)->lookedAtServer(server);
        },
        this));
}

void PulseSinkWatch::lookedAtServer(const pa_server_info* server) {
    m_condition = SinkCondition::NoSink;
    m_sinkName.clear();
    m_sinkIndex = UINT32_MAX;
    if (server == nullptr || server->default_sink_name == nullptr ||
        *server->default_sink_name == '\0') {
        lookDone();
        return;
    }
    letRun(pa_context_get_sink_info_by_name(
        m_context, server->default_sink_name,
        [](pa_context* /*context*/, const pa_sink_info* sink, int end, void* self) {
            static_cast<PulseSinkWatch*>(self)->lookedAtSink(sink, end);
        },
        this));
}

void PulseSinkWatch::lookedAtSink(const pa_sink_info* sink, int end) {
    if (sink != nullptr) {
        m_sinkIndex = sink->index;
        m_sinkName = sink->description != nullptr ? sink->description : sink->name;
        m_condition = sink->mute                                         ? SinkCondition::Muted
                      : pa_cvolume_max(&sink->volume) == PA_VOLUME_MUTED ? SinkCondition::ZeroVolume
                                                                         : SinkCondition::Heard;
    }
    if (end != 0) {
        lookDone();
    }
}

void PulseSinkWatch::lookDone() {
    m_looking = false;
    if (m_listener) {
        m_listener(m_condition, m_sinkName);
    }
    if (m_lookAgain) {
        look();
    }
}

} // namespace aerolap
