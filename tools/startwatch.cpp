// Starts a program and times it from exec to the first map of its top-level window on X.
//
// usage: startwatch [--settle MS] [--idle MS] [--threads] -- program [arguments...]
// Prints one line: map_ms=<exec to MapNotify> hwm_kib=<peak RSS> threads=<count after settling>
// [wakeups_per_s=<context switches of all its threads per second over the idle span>].
// The window is the first one mapped on the root that is not override-redirect; with no window
// manager running, that is the program's own top-level window. The program is then asked to
// leave with SIGTERM. Exit status: 0 measured, 2 the run went wrong.
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <dirent.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

void sleepMs(int ms)
{
    timespec ts{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

// A "Name:   value" field of a /proc status file; -1 when absent.
long statusField(const std::string &file, const std::string &name)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, name.size() + 1, name + ":") == 0)
            return std::strtol(line.c_str() + name.size() + 1, nullptr, 10);
    }
    return -1;
}

std::vector<std::string> taskFolders(pid_t pid)
{
    std::vector<std::string> tasks;
    const std::string base = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *d = opendir(base.c_str())) {
        while (const dirent *e = readdir(d)) {
            if (e->d_name[0] != '.') tasks.push_back(base + "/" + e->d_name);
        }
        closedir(d);
    }
    return tasks;
}

// Every thread's switches away from the processor: each wake-up of a sleeping thread ends in one.
long contextSwitches(pid_t pid)
{
    long sum = 0;
    for (const std::string &task : taskFolders(pid)) {
        sum += std::max(0L, statusField(task + "/status", "voluntary_ctxt_switches"));
        sum += std::max(0L, statusField(task + "/status", "nonvoluntary_ctxt_switches"));
    }
    return sum;
}

std::string threadNames(pid_t pid)
{
    std::string names;
    for (const std::string &task : taskFolders(pid)) {
        std::ifstream in(task + "/comm");
        std::string name;
        std::getline(in, name);
        names += (names.empty() ? "" : ",") + name;
    }
    return names;
}

int usage()
{
    std::fputs("usage: startwatch [--settle MS] [--idle MS] [--threads] -- program [args...]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 500;
    int idleMs = 0;
    bool listThreads = false;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string a = argv[first];
        if (a == "--") {
            ++first;
            break;
        }
        if (a == "--settle" && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
        else if (a == "--idle" && first + 1 < argc)
            idleMs = std::atoi(argv[++first]);
        else if (a == "--threads")
            listThreads = true;
        else
            return usage();
    }
    if (first >= argc) return usage();

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fputs("startwatch: no X display\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the selection is in force before the program can map anything.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        close(xcb_get_file_descriptor(x));
        execvp(argv[first], argv + first);
        std::perror("startwatch: exec");
        _exit(127);
    }

    double mapped = -1;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (mapped < 0 && nowMs() - start < 30000) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fputs("startwatch: the program ended before its window was mapped\n", stderr);
            return 2;
        }
        poll(&fd, 1, 50);
        while (xcb_generic_event_t *e = xcb_poll_for_event(x)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(e, &std::free);
            if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(e);
            if (map->event == root && !map->override_redirect && mapped < 0) mapped = nowMs();
        }
        if (xcb_connection_has_error(x)) break;
    }
    if (mapped < 0) {
        std::fputs("startwatch: no window mapped within 30 s\n", stderr);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 2;
    }

    sleepMs(settleMs);
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    const long threads = statusField(status, "Threads");
    const std::string names = listThreads ? threadNames(pid) : std::string();
    double wakeups = -1;
    if (idleMs > 0) {
        const long before = contextSwitches(pid);
        sleepMs(idleMs);
        wakeups = static_cast<double>(contextSwitches(pid) - before) * 1000.0 / idleMs;
    }
    const long hwm = statusField(status, "VmHWM");

    kill(pid, SIGTERM);
    int waited = 0;
    while (waitpid(pid, nullptr, WNOHANG) == 0) {
        if (++waited == 100) kill(pid, SIGKILL);
        sleepMs(50);
    }
    xcb_disconnect(x);

    std::printf("map_ms=%.1f hwm_kib=%ld threads=%ld", mapped - start, hwm, threads);
    if (idleMs > 0) std::printf(" wakeups_per_s=%.1f", wakeups);
    if (listThreads) std::printf(" names=%s", names.c_str());
    std::printf("\n");
    return 0;
}
