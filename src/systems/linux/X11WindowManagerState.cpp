#include "X11WindowManagerState.h"

#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace aerolap {
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

xcb_connection_t* x11Connection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atomNamed(xcb_connection_t* connection, std::string_view name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool isMapped(xcb_connection_t* connection, xcb_window_t window) {
    const Reply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

// While a window is mapped its state belongs to the window manager, which changes it on request.
void askWindowManager(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t wmState,
                      xcb_atom_t flag, bool on) {
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry) {
        return;
    }
    constexpr std::uint32_t kRemove = 0;
    constexpr std::uint32_t kAdd = 1;
    constexpr std::uint32_t kFromApplication = 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = wmState;
    message.data.data32[0] = on ? kAdd : kRemove;
    message.data.data32[1] = flag;
    message.data.data32[3] = kFromApplication;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

// Before the window is mapped the property itself is the request; the window manager reads it
// when the window appears.
void editProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t wmState,
                  xcb_atom_t flag, bool on) {
    constexpr std::uint32_t kMaxFlags = 64;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, wmState, XCB_ATOM_ATOM, 0, kMaxFlags),
        nullptr));
    std::vector<xcb_atom_t> flags;
    if (reply && reply->format == 32) {
        const auto* first = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        flags.assign(first, first + xcb_get_property_value_length(reply.get()) / 4);
    }
    flags.erase(std::remove(flags.begin(), flags.end(), flag), flags.end());
    if (on) {
        flags.push_back(flag);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, wmState, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(flags.size()), flags.data());
}

} // namespace

void X11WindowManagerState::setTopmost(bool topmost) {
    setStateFlag("_NET_WM_STATE_ABOVE", topmost);
}

void X11WindowManagerState::keepOutOfTaskbar() {
    setStateFlag("_NET_WM_STATE_SKIP_TASKBAR", true);
}

void X11WindowManagerState::setStateFlag(std::string_view flag, bool on) {
    xcb_connection_t* connection = x11Connection();
    if (!connection || !m_window) {
        return;
    }
    const auto window = static_cast<xcb_window_t>(m_window->winId());
    const xcb_atom_t wmState = atomNamed(connection, "_NET_WM_STATE");
    const xcb_atom_t flagAtom = atomNamed(connection, flag);
    if (wmState == XCB_ATOM_NONE || flagAtom == XCB_ATOM_NONE) {
        return;
    }
    if (isMapped(connection, window)) {
        askWindowManager(connection, window, wmState, flagAtom, on);
    } else {
        editProperty(connection, window, wmState, flagAtom, on);
    }
    xcb_flush(connection);
}

} // namespace aerolap
