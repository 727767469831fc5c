// The real-time checker, preloaded (LD_PRELOAD) into a program under test. It marks the callbacks
// that run on real-time threads, without any change to the program, by handing JACK
// (jack_set_process_callback), PipeWire (pw_stream_add_listener's `process` event) and
// FluidSynth's callback audio driver (new_fluid_audio_driver2) a trampoline in their place, and
// counts the calls made inside a mark to functions that may allocate, wait, lock, or reach a file,
// socket or the system log; operator new and delete are libstdc++'s, which allocate and free
// through malloc and free. Writes to an eventfd are a non-blocking wake-up and are allowed. At
// exit, a process that ran a marked callback writes "$TINKELLA_RTCHECK_REPORT.<pid>": the
// callbacks, the offending calls, and per offending function its count and the backtrace of its
// first call. The marked path never allocates or locks: counts are static atomics, backtraces go
// to static buffers, backtrace() is primed at load.
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <execinfo.h>
#include <fluidsynth.h>
#include <jack/jack.h>
#include <pipewire/stream.h>
#include <poll.h>
#include <pthread.h>
#include <semaphore.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>
#include <utility>

namespace {

// Marked-callback depth, and "the checker itself is running", of this thread; initial-exec, so
// that reading them never allocates.
__thread int depth __attribute__((tls_model("initial-exec")));
__thread bool busy __attribute__((tls_model("initial-exec")));

struct Site {
    const char* name;
    std::atomic<unsigned long> count;
    std::atomic<bool> traced;
    int frames;
    void* stack[32];
};
Site sites[64];
std::atomic<int> siteCount{0};
std::atomic<unsigned long> callbacks{0}, offending{0};

// Counts a call to `name` made inside a mark; `site` is the caller's slot in `sites`, plus one.
void note(int& site, const char* name) {
    if (depth == 0 || busy) {
        return;
    }
    offending.fetch_add(1);
    int index = __atomic_load_n(&site, __ATOMIC_ACQUIRE);
    if (index == 0 && (index = siteCount.fetch_add(1) + 1) <= 64) {
        sites[index - 1].name = name;
        __atomic_store_n(&site, index, __ATOMIC_RELEASE);
    }
    if (index <= 64 &&
        (sites[index - 1].count.fetch_add(1), !sites[index - 1].traced.exchange(true))) {
        busy = true;
        sites[index - 1].frames = backtrace(sites[index - 1].stack, 32);
        busy = false;
    }
}

// What dlsym allocates while the real allocator is being looked up comes from here, never freed.
alignas(16) char arena[1 << 16];
std::atomic<std::size_t> arenaUsed{0};
bool inArena(const void* p) {
    return p >= arena && p < arena + sizeof arena;
}
void* arenaAlloc(std::size_t n) {
    const std::size_t at = arenaUsed.fetch_add((n + 15) & ~std::size_t{15});
    return at + n <= sizeof arena ? arena + at : nullptr;
}

// Null while the lookup of `name` would re-enter dlsym (dlsym frees while it looks up "free").
void* next(void*& slot, const char* name) {
    void* fn = __atomic_load_n(&slot, __ATOMIC_ACQUIRE);
    if (fn == nullptr && !busy) {
        const bool was = std::exchange(busy, true);
        __atomic_store_n(&slot, fn = dlsym(RTLD_NEXT, name), __ATOMIC_RELEASE);
        busy = was;
    }
    return fn;
}

struct Mark {
    Mark() { depth++ == 0 && callbacks.fetch_add(1); }
    ~Mark() { --depth; }
};

// Descriptors made by eventfd(): a write to one is a wake-up, not output.
std::atomic<bool> isEventFd[4096];
bool eventFd(int fd) {
    return fd >= 0 && fd < 4096 && isEventFd[fd].load();
}

} // namespace

// clang-format off
// The function `name` of the next object after this one, as type F; NOTE counts a call to `name`.
#define REAL(F, name) ([] { static void* slot; return reinterpret_cast<F>(next(slot, name)); }())
#define NOTE(name) do { static int site; note(site, name); } while (0)
// A checked function that passes its arguments on unchanged.
#define CHECKED(ret, fn, params, args) \
    extern "C" ret fn params { NOTE(#fn); return REAL(ret(*) params, #fn) args; }
extern "C" void* malloc(std::size_t n) {
    if (busy) return arenaAlloc(n);
    NOTE("malloc");
    return REAL(void* (*)(std::size_t), "malloc")(n);
}
extern "C" void* calloc(std::size_t count, std::size_t n) {
    if (busy) return arenaAlloc(count * n); // static storage starts zeroed
    NOTE("calloc");
    return REAL(void* (*)(std::size_t, std::size_t), "calloc")(count, n);
}
extern "C" void free(void* p) {
    if (p == nullptr || inArena(p)) return;
    NOTE("free");
    // Kept when dlsym frees something while "free" itself is being looked up.
    if (auto real = REAL(void (*)(void*), "free")) real(p);
}
extern "C" void* realloc(void* p, std::size_t n) {
    NOTE("realloc");
    if (!inArena(p)) return REAL(void* (*)(void*, std::size_t), "realloc")(p, n);
    return std::memcpy(malloc(n), p, std::min<std::size_t>(n, arena + sizeof arena - static_cast<char*>(p)));
}
CHECKED(int, posix_memalign, (void** p, std::size_t align, std::size_t n), (p, align, n))
CHECKED(void*, aligned_alloc, (std::size_t align, std::size_t n), (align, n))
CHECKED(void*, memalign, (std::size_t align, std::size_t n), (align, n))
CHECKED(void*, valloc, (std::size_t n), (n))

CHECKED(int, pthread_mutex_lock, (pthread_mutex_t* m), (m))
CHECKED(int, pthread_mutex_trylock, (pthread_mutex_t* m), (m))
CHECKED(int, pthread_rwlock_rdlock, (pthread_rwlock_t* l), (l))
CHECKED(int, pthread_rwlock_wrlock, (pthread_rwlock_t* l), (l))
CHECKED(int, pthread_cond_wait, (pthread_cond_t* c, pthread_mutex_t* m), (c, m))
CHECKED(int, pthread_cond_timedwait, (pthread_cond_t* c, pthread_mutex_t* m, const timespec* t), (c, m, t))
CHECKED(int, pthread_join, (pthread_t t, void** result), (t, result))
CHECKED(int, sem_wait, (sem_t* s), (s))
CHECKED(int, sem_timedwait, (sem_t* s, const timespec* t), (s, t))
CHECKED(int, poll, (pollfd* fds, nfds_t n, int timeout), (fds, n, timeout))
CHECKED(int, ppoll, (pollfd* fds, nfds_t n, const timespec* t, const sigset_t* s), (fds, n, t, s))
CHECKED(int, select, (int n, fd_set* r, fd_set* w, fd_set* e, timeval* t), (n, r, w, e, t))
CHECKED(int, usleep, (useconds_t us), (us))
CHECKED(unsigned, sleep, (unsigned s), (s))
CHECKED(int, nanosleep, (const timespec* t, timespec* left), (t, left))
CHECKED(int, clock_nanosleep, (clockid_t c, int f, const timespec* t, timespec* left), (c, f, t, left))
// A parallel region starts or wakes a team of threads, and libgomp allocates the team.
CHECKED(void, GOMP_parallel, (void (*fn)(void*), void* data, unsigned n, unsigned flags), (fn, data, n, flags))

// The mode of open and openat is passed on whether or not the caller gave one: the x86-64 and
// AArch64 calling conventions pass variadic integers as they pass fixed ones.
CHECKED(int, open, (const char* path, int flags, mode_t mode), (path, flags, mode))
CHECKED(int, openat, (int dir, const char* path, int flags, mode_t mode), (dir, path, flags, mode))
CHECKED(int, __open_2, (const char* path, int flags), (path, flags))
CHECKED(FILE*, fopen, (const char* path, const char* mode), (path, mode))
CHECKED(FILE*, fopen64, (const char* path, const char* mode), (path, mode))
CHECKED(ssize_t, read, (int fd, void* buffer, size_t n), (fd, buffer, n))
CHECKED(size_t, fread, (void* buffer, size_t size, size_t n, FILE* f), (buffer, size, n, f))
CHECKED(size_t, fwrite, (const void* buffer, size_t size, size_t n, FILE* f), (buffer, size, n, f))
CHECKED(int, fputs, (const char* text, FILE* f), (text, f))
CHECKED(int, vfprintf, (FILE* f, const char* format, va_list args), (f, format, args))
CHECKED(int, __vfprintf_chk, (FILE* f, int flag, const char* format, va_list args), (f, flag, format, args))
CHECKED(int, stat, (const char* path, struct stat* s), (path, s))
CHECKED(int, lstat, (const char* path, struct stat* s), (path, s))
CHECKED(int, fstat, (int fd, struct stat* s), (fd, s))
CHECKED(int, socket, (int domain, int type, int protocol), (domain, type, protocol))
CHECKED(int, connect, (int fd, const sockaddr* a, socklen_t n), (fd, a, n))
CHECKED(ssize_t, send, (int fd, const void* b, size_t n, int f), (fd, b, n, f))
CHECKED(ssize_t, sendto, (int fd, const void* b, size_t n, int f, const sockaddr* a, socklen_t l), (fd, b, n, f, a, l))
CHECKED(ssize_t, sendmsg, (int fd, const msghdr* m, int f), (fd, m, f))
CHECKED(ssize_t, recv, (int fd, void* b, size_t n, int f), (fd, b, n, f))
CHECKED(ssize_t, recvfrom, (int fd, void* b, size_t n, int f, sockaddr* a, socklen_t* l), (fd, b, n, f, a, l))
CHECKED(ssize_t, recvmsg, (int fd, msghdr* m, int f), (fd, m, f))
CHECKED(void, vsyslog, (int priority, const char* format, va_list args), (priority, format, args))

// The variadic ones pass their arguments on through their va_list forms.
extern "C" void syslog(int priority, const char* format, ...) {
    va_list args; va_start(args, format); vsyslog(priority, format, args); va_end(args);
}
extern "C" int fprintf(FILE* f, const char* format, ...) {
    va_list args; va_start(args, format); const int n = vfprintf(f, format, args); va_end(args); return n;
}
extern "C" int __fprintf_chk(FILE* f, int flag, const char* format, ...) {
    va_list args; va_start(args, format); const int n = __vfprintf_chk(f, flag, format, args); va_end(args); return n;
}

extern "C" ssize_t write(int fd, const void* buffer, size_t n) {
    if (!eventFd(fd)) NOTE("write");
    return REAL(ssize_t(*)(int, const void*, size_t), "write")(fd, buffer, n);
}
extern "C" int close(int fd) {
    NOTE("close");
    if (fd >= 0 && fd < 4096) isEventFd[fd] = false;
    return REAL(int (*)(int), "close")(fd);
}
extern "C" int eventfd(unsigned count, int flags) {
    NOTE("eventfd");
    const int fd = REAL(int (*)(unsigned, int), "eventfd")(count, flags);
    if (fd >= 0 && fd < 4096) isEventFd[fd] = true;
    return fd;
}
// clang-format on

// --- the real-time callbacks, marked --------------------------------------------------------
namespace {

// A callback and its argument, kept where the trampoline's argument points. Registrations are
// few (one per client, stream or driver, and per reconnection); past the table's end a callback
// is registered unmarked.
template <typename F> struct Slot {
    F callback;
    void* data;
    pw_stream_events events; // PipeWire's table of events, with `process` replaced
};
template <typename F> Slot<F>* addSlot(F callback, void* data) {
    static Slot<F> slots[256];
    static std::atomic<int> used{0};
    const int i = callback ? used.fetch_add(1) : 256;
    return i < 256 ? &(slots[i] = Slot<F>{callback, data, {}}) : nullptr;
}

int markedJack(jack_nframes_t frames, void* arg) {
    Mark mark;
    auto* slot = static_cast<Slot<JackProcessCallback>*>(arg);
    return slot->callback(frames, slot->data);
}

int markedFluid(void* arg, int len, int nfx, float* fx[], int nout, float* out[]) {
    Mark mark;
    auto* slot = static_cast<Slot<fluid_audio_func_t>*>(arg);
    return slot->callback(slot->data, len, nfx, fx, nout, out);
}

// PipeWire hands `process` the listener's own data, which the trampoline finds its slot by.
using PipeWireProcess = void (*)(void*);
std::atomic<Slot<PipeWireProcess>*> pipeWireSlots[256];
void markedPipeWire(void* data) {
    for (int i = 255; i >= 0; --i) {
        if (Slot<PipeWireProcess>* slot = pipeWireSlots[i].load(); slot && slot->data == data) {
            Mark mark;
            return slot->callback(data);
        }
    }
}
const pw_stream_events* markedEvents(const pw_stream_events* events, void* data) {
    Slot<PipeWireProcess>* slot = addSlot(events ? events->process : nullptr, data);
    if (slot == nullptr) {
        return events;
    }
    slot->events = *events;
    slot->events.process = markedPipeWire;
    for (auto& entry : pipeWireSlots) {
        Slot<PipeWireProcess>* empty = nullptr;
        if (entry.compare_exchange_strong(empty, slot)) {
            break;
        }
    }
    return &slot->events;
}

} // namespace

extern "C" int jack_set_process_callback(jack_client_t* client, JackProcessCallback process,
                                         void* arg) {
    auto real =
        REAL(int (*)(jack_client_t*, JackProcessCallback, void*), "jack_set_process_callback");
    auto* slot = addSlot(process, arg);
    return slot ? real(client, markedJack, slot) : real(client, process, arg);
}

extern "C" fluid_audio_driver_t* new_fluid_audio_driver2(fluid_settings_t* settings,
                                                         fluid_audio_func_t func, void* data) {
    auto real = REAL(fluid_audio_driver_t * (*)(fluid_settings_t*, fluid_audio_func_t, void*),
                     "new_fluid_audio_driver2");
    auto* slot = addSlot(func, data);
    return slot ? real(settings, markedFluid, slot) : real(settings, func, data);
}

extern "C" void pw_stream_add_listener(pw_stream* stream, spa_hook* listener,
                                       const pw_stream_events* events, void* data) {
    REAL(void (*)(pw_stream*, spa_hook*, const pw_stream_events*, void*), "pw_stream_add_listener")
    (stream, listener, markedEvents(events, data), data);
}

// --- the report -----------------------------------------------------------------------------
namespace {

const char* reportPrefix;
std::atomic<bool> reported{false};

void writeReport() {
    if (reportPrefix == nullptr || callbacks == 0 || reported.exchange(true)) {
        return;
    }
    char text[4096];
    std::snprintf(text, sizeof text, "%s.%d", reportPrefix, getpid());
    FILE* file = std::fopen(text, "w");
    if (file == nullptr) {
        return;
    }
    std::fprintf(file, "rtcheck: %s (pid %d)\nmarked callbacks: %lu\noffending calls: %lu\n",
                 program_invocation_short_name, getpid(), callbacks.load(), offending.load());
    for (int i = 0; i < std::min(siteCount.load(), 64); ++i) {
        std::fprintf(file, "%s: %lu, first from:\n", sites[i].name, sites[i].count.load());
        std::fflush(file);
        backtrace_symbols_fd(sites[i].stack + 1, sites[i].frames - 1, fileno(file)); // skips note()
    }
    std::fclose(file);
}

__attribute__((constructor)) void start() {
    void* frames[4];
    backtrace(frames, 4); // loads the unwinder now, not on a real-time thread
    reportPrefix = std::getenv("TINKELLA_RTCHECK_REPORT");
}
__attribute__((destructor)) void finish() {
    writeReport();
}

} // namespace

// A program that ends without running the destructors (after a deadline, say) reports too.
extern "C" [[noreturn]] void _exit(int status) {
    writeReport();
    REAL(void (*)(int), "_exit")(status);
    __builtin_unreachable();
}
extern "C" [[noreturn]] void _Exit(int status) {
    _exit(status);
}
