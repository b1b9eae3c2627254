#include "X11Stacking.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace x11stacking {
namespace {

// _NET_WM_STATE's actions and the source that says "an application asks".
constexpr quint32 StateRemove = 0;
constexpr quint32 StateAdd = 1;
constexpr quint32 FromApplication = 1;
constexpr quint8 LongFormat = 32;

xcb_connection_t* connection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, quint16(strlen(name)), name), nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window) {
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&free)> reply(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &free);
    return reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
}

} // namespace

bool available() {
    return connection() != nullptr;
}

void setAbove(QWidget* window, bool above) {
    xcb_connection_t* c = connection();
    if (!c)
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_window_t root = rootOf(c, id);
    if (root == XCB_WINDOW_NONE)
        return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = LongFormat;
    message.window = id;
    message.type = atom(c, "_NET_WM_STATE");
    message.data.data32[0] = above ? StateAdd : StateRemove;
    message.data.data32[1] = atom(c, "_NET_WM_STATE_ABOVE");
    message.data.data32[3] = FromApplication;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

void raise(QWidget* window) {
    xcb_connection_t* c = connection();
    if (!c)
        return;
    const quint32 above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(c, xcb_window_t(window->winId()), XCB_CONFIG_WINDOW_STACK_MODE, &above);
    // Sent now: Qt flushes only when its event loop next turns.
    xcb_flush(c);
}

} // namespace x11stacking
