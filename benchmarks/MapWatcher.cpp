// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports the milliseconds from its start to the mapping of its window
// titled TITLE, and the peak memory of the program up to then (after a short settling time):
//   vorn_map_watcher TITLE PROGRAM [ARGS...]   prints "MILLISECONDS KIB"
// Needs an X server without a window manager (Xvfb), where top-level windows map on the root.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

std::string windowName(xcb_connection_t* connection, xcb_window_t window) {
    const auto cookie =
        xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::string name;
    if (reply) {
        name.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return name;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: vorn_map_watcher TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "vorn_map_watcher: no X server\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    long milliseconds = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        std::free(event);
        if (mapped && windowName(connection, window).find(argv[1]) != std::string::npos) {
            milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count();
            break;
        }
    }
    usleep(300000); // the first paint
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);
    std::printf("%ld %ld\n", milliseconds, usage.ru_maxrss);
    return milliseconds < 0 ? 1 : 0;
}
