// Starts a program and times it from exec to the mapping of its window:
//   startup_probe TITLE SETTLE_MS PROGRAM [ARGS...]
// prints "MICROSECONDS CPU_MICROSECONDS RSS_KB SETTLED_RSS_KB" and ends the
// program. The clock starts just before fork; the window is seen through a
// MapNotify on the root window (Xvfb runs no window manager, so top-level
// windows are its children), so no polling delay is added. CPU_MICROSECONDS
// is the processor time all the program's threads had used by then, which a
// busy machine disturbs far less than the elapsed time. RSS_KB is VmRSS when
// the window is mapped, SETTLED_RSS_KB the same SETTLE_MS later.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

namespace {

long long NowMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000LL + t.tv_nsec / 1000;
}

long RssKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

[[noreturn]] void Die(const char* what, pid_t child = 0) {
    std::fprintf(stderr, "startup_probe: %s\n", what);
    if (child > 0) kill(child, SIGKILL);
    std::exit(2);
}

// Time on the processor of every thread of the process, from the scheduler's
// nanosecond counters.
long long CpuMicroseconds(pid_t pid) {
    long long ns = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        long long onCpu = 0;
        if (stat >> onCpu) ns += onCpu;
    }
    return ns / 1000;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The window's title: _NET_WM_NAME (UTF-8) if set, else WM_NAME.
std::string Title(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netWmName, xcb_atom_t utf8) {
    const std::pair<xcb_atom_t, xcb_atom_t> kinds[] = {{netWmName, utf8},
                                                       {XCB_ATOM_WM_NAME, XCB_ATOM_STRING}};
    for (auto [property, type] : kinds) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 256), nullptr),
            &std::free);
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe TITLE SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string title = argv[1];
    const int settleMs = std::atoi(argv[2]);

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) Die("cannot connect to the X server");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = Atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(c, "UTF8_STRING");
    xcb_flush(c);

    const long long start = NowMicroseconds();
    const pid_t child = fork();
    if (child < 0) Die("fork failed");
    if (child == 0) {
        execv(argv[3], argv + 3);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    long long mapped = -1;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (mapped < 0) {
        if (NowMicroseconds() - start > 30'000'000) Die("no window within 30 s", child);
        if (waitpid(child, nullptr, WNOHANG) == child) Die("the program ended before its window");
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const bool isMap = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            std::free(event);
            // The time is taken at the event; reading the title comes after.
            const long long at = NowMicroseconds();
            if (isMap && Title(c, window, netWmName, utf8) == title) {
                mapped = at;
                break;
            }
        }
        if (xcb_connection_has_error(c)) Die("lost the X server", child);
        if (mapped < 0) poll(&fd, 1, 100);
    }

    const long long cpu = CpuMicroseconds(child);
    const long rss = RssKb(child);
    usleep(settleMs * 1000);
    const long settled = RssKb(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(c);
    std::printf("%lld %lld %ld %ld\n", mapped - start, cpu, rss, settled);
    return 0;
}
