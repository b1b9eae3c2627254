// Usage: map_watcher TITLE
// Prints "ready" once it listens on $DISPLAY, then the CLOCK_MONOTONIC time in seconds at
// which a top-level window named TITLE is first mapped, and ends. The caller starts the
// program only after "ready", so no map is missed and every program is timed alike.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <xcb/xcb.h>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name) {
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr),
        &std::free);
    if (!reply)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       xcb_get_property_value_length(reply.get()));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s TITLE\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "map_watcher: no display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");

    // Maps of the root's children are the top-level windows being shown.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (Reply<xcb_generic_error_t> error(
            xcb_request_check(connection, xcb_change_window_attributes_checked(
                                              connection, root, XCB_CW_EVENT_MASK, &mask)),
            &std::free);
        error) {
        std::fprintf(stderr, "map_watcher: cannot listen on the root window\n");
        return 2;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    while (xcb_generic_event_t* raw = xcb_wait_for_event(connection)) {
        Reply<xcb_generic_event_t> event(raw, &std::free);
        // The time is taken on arrival, before the name is asked for.
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        if (map->event != root)
            continue;
        if (property(connection, map->window, netWmName) == title ||
            property(connection, map->window, XCB_ATOM_WM_NAME) == title) {
            std::printf("%lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
            xcb_disconnect(connection);
            return 0;
        }
    }
    std::fprintf(stderr, "map_watcher: display closed\n");
    return 1;
}
