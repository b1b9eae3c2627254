#include "X11WindowManager.h"

#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace x11wm {
namespace {

// _NET_WM_STATE's actions and the source that says "an application asks".
constexpr quint32 StateRemove = 0;
constexpr quint32 StateAdd = 1;
constexpr quint32 FromApplication = 1;
constexpr quint8 LongFormat = 32;
// _NET_WM_MOVERESIZE's direction for a move by the pointer
constexpr quint32 MoveByPointer = 8;
constexpr quint32 MostHints = 1024;
constexpr quint32 LongestName = 256;
// The X window manager of the wlroots compositors (sway and others), which place every X
// window themselves, wherever it asked to be.
const QString WlrootsManager = QStringLiteral("wlroots wm");

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&free)>;

xcb_connection_t* connection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, quint16(strlen(name)), name), nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window) {
    const Owned<xcb_get_geometry_reply_t> reply(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &free);
    return reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
}

// A shown window on an X server that answers: its connection, its id and its root.
struct Target {
    xcb_connection_t* c;
    xcb_window_t window;
    xcb_window_t root;
};

std::optional<Target> targetOf(const QWidget* window) {
    xcb_connection_t* c = connection();
    if (!c)
        return std::nullopt;
    const auto id = xcb_window_t(window->winId());
    const xcb_window_t root = rootOf(c, id);
    if (root == XCB_WINDOW_NONE)
        return std::nullopt;
    return Target{c, id, root};
}

Owned<xcb_get_property_reply_t> property(xcb_connection_t* c, xcb_window_t window, const char* name,
                                         xcb_atom_t type, quint32 longs) {
    return {xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom(c, name), type, 0, longs),
                                   nullptr),
            &free};
}

bool supports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t hint) {
    const auto reply = property(c, root, "_NET_SUPPORTED", XCB_ATOM_ATOM, MostHints);
    if (!reply || reply->format != LongFormat)
        return false;
    const auto* hints = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    return std::find(hints, hints + count, hint) != hints + count;
}

// Where a point of the window is on the root window, in the server's pixels.
std::optional<QPoint> onRoot(const Target& t, const QWidget* window, const QPoint& point) {
    const QPoint scaled = (QPointF(point) * window->devicePixelRatioF()).toPoint();
    const Owned<xcb_translate_coordinates_reply_t> reply(
        xcb_translate_coordinates_reply(t.c,
                                        xcb_translate_coordinates(t.c, t.window, t.root,
                                                                  qint16(scaled.x()),
                                                                  qint16(scaled.y())),
                                        nullptr),
        &free);
    if (!reply)
        return std::nullopt;
    return QPoint(reply->dst_x, reply->dst_y);
}

// Sends one of the hints' requests about the window to the window manager, at once.
void ask(const Target& t, xcb_atom_t request, const std::array<quint32, 5>& data) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = LongFormat;
    message.window = t.window;
    message.type = request;
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(t.c, 0, t.root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(t.c);
}

// The window that a running window manager names on the root and on itself; the root's
// alone may be left over from one that has gone.
std::optional<xcb_window_t> checkWindow(xcb_connection_t* c, xcb_window_t window) {
    const auto reply = property(c, window, "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW, 1);
    if (!reply || reply->format != LongFormat || xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

QString nameOf(xcb_connection_t* c, xcb_window_t window) {
    const auto name = property(c, window, "_NET_WM_NAME", atom(c, "UTF8_STRING"), LongestName / 4);
    if (!name)
        return {};
    return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                             xcb_get_property_value_length(name.get()));
}

} // namespace

bool available() {
    return connection() != nullptr;
}

Abilities abilities() {
    xcb_connection_t* c = connection();
    if (!c)
        return {true, true};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::optional<xcb_window_t> check = checkWindow(c, root);
    // Without a window manager the program's own requests order and place the windows.
    if (!check || checkWindow(c, *check) != check)
        return {true, true};
    return {nameOf(c, *check) != WlrootsManager, supports(c, root, atom(c, "_NET_WM_STATE_ABOVE"))};
}

void setAbove(QWidget* window, bool above) {
    const std::optional<Target> t = targetOf(window);
    if (!t)
        return;
    ask(*t, atom(t->c, "_NET_WM_STATE"),
        {above ? StateAdd : StateRemove, atom(t->c, "_NET_WM_STATE_ABOVE"), 0, FromApplication, 0});
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

std::optional<QPoint> placeOf(const QWidget* window) {
    const std::optional<Target> t = targetOf(window);
    const std::optional<QPoint> corner = t ? onRoot(*t, window, {}) : std::nullopt;
    if (!corner)
        return std::nullopt;
    return (QPointF(*corner) / window->devicePixelRatioF()).toPoint();
}

bool startMove(QWidget* window, const QPoint& grip) {
    const std::optional<Target> t = targetOf(window);
    if (!t)
        return false;
    const xcb_atom_t moveResize = atom(t->c, "_NET_WM_MOVERESIZE");
    if (!supports(t->c, t->root, moveResize))
        return false;
    // The press's place, as the hint asks: the window then keeps its grip on the pointer
    // however far the mouse went before the first move reached the program.
    const std::optional<QPoint> press = onRoot(*t, window, grip);
    if (!press)
        return false;
    // The window manager cannot take the pointer while the press's own grab holds it.
    xcb_ungrab_pointer(t->c, XCB_CURRENT_TIME);
    ask(*t, moveResize,
        {quint32(press->x()), quint32(press->y()), MoveByPointer, XCB_BUTTON_INDEX_1,
         FromApplication});
    return true;
}

} // namespace x11wm
