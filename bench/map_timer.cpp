// map_timer CAPTION PROGRAM [ARGS...]: starts PROGRAM and waits, on the X server of $DISPLAY, for
// a top-level window of its whose caption holds CAPTION to be mapped. Prints the milliseconds
// from the start to that map and the program's process id, and leaves the program running.
// Waits on the server's events (MapNotify, and PropertyNotify for a caption set after the map).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

extern char** environ;

namespace {

Display* display = nullptr;
Atom netWmName, netWmPid, utf8;

std::string caption(Window w) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, w, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success && data) {
        text.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (text.empty()) {
        char* name = nullptr;
        if (XFetchName(display, w, &name) && name) {
            text = name;
            XFree(name);
        }
    }
    return text;
}

long windowPid(Window w) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, w, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success && data) {
        if (count == 1) pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
    }
    return pid;
}

double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: map_timer CAPTION PROGRAM [ARGS...]\n");
        return 2;
    }
    display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_timer: no X server at DISPLAY\n");
        return 2;
    }
    netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now();
    pid_t pid = 0;
    // The program's output goes nowhere: whoever reads this one's waits for its end alone.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid, argv[2], &actions, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "map_timer: cannot start %s\n", argv[2]);
        return 2;
    }
    const char* wanted = argv[1];
    std::set<Window> mapped;
    auto matches = [&](Window w) { return windowPid(w) == pid && caption(w).find(wanted) != std::string::npos; };
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            Window w = 0;
            if (e.type == MapNotify && e.xmap.event == root) {
                w = e.xmap.window;
                mapped.insert(w);
                XSelectInput(display, w, PropertyChangeMask);
            } else if (e.type == PropertyNotify && mapped.count(e.xproperty.window)) {
                w = e.xproperty.window;
            } else if (e.type == UnmapNotify && e.xunmap.event == root) {
                mapped.erase(e.xunmap.window);
            }
            if (w && matches(w)) {
                std::printf("%.1f %d\n", now() - start, static_cast<int>(pid));
                return 0;
            }
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "map_timer: %s ended before its window showed\n", argv[2]);
            return 1;
        }
        fd_set in;
        FD_ZERO(&in);
        FD_SET(fd, &in);
        timeval limit{0, 100000};  // also looks in on the program now and then
        select(fd + 1, &in, nullptr, nullptr, &limit);
    }
}
