// Start-up time: runs a program and reports the milliseconds from its exec to the first
// top-level window of the given size being mapped on the X display.
//
//   bytelora_mapwait <width> <height> <timeout-seconds> <program> [args...]
//
// Prints the milliseconds on stdout, then ends the program. Exits 1 on timeout.

#include <xcb/xcb.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct ConnectionCloser {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

bool HasSize(xcb_connection_t* c, xcb_window_t window, int width, int height) {
    std::unique_ptr<xcb_get_geometry_reply_t, FreeDeleter> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    return geometry && geometry->width == width && geometry->height == height;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s width height timeout-seconds program [args...]\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    const auto timeout = std::chrono::seconds(std::atoi(argv[3]));

    std::unique_ptr<xcb_connection_t, ConnectionCloser> c(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(c.get())) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c.get())).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c.get(), root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c.get());
    // A round trip, so the event mask is in place before the program starts.
    std::free(xcb_get_input_focus_reply(c.get(), xcb_get_input_focus(c.get()), nullptr));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    int result = 1;
    const int fd = xcb_get_file_descriptor(c.get());
    while (std::chrono::steady_clock::now() - start < timeout) {
        std::unique_ptr<xcb_generic_event_t, FreeDeleter> event(xcb_poll_for_event(c.get()));
        if (!event) {
            if (xcb_connection_has_error(c.get())) break;
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) continue;
        const auto elapsed = std::chrono::steady_clock::now() - start;
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
        if (HasSize(c.get(), map->window, width, height)) {
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
            result = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    return result;
}
