// PipeWire's client library is opened on first use rather than with the program, so that mapping
// and relocating it does not delay the first window: it loads on the thread that opens the
// PipeWire output, after the windows are up. The functions this program calls are defined below
// and forward to the library's own, all looked up at once by the first call of any of them. That
// call never comes from the stream's real-time callback: it runs only for a stream, which exists
// only once the library is open, so its calls (buffers dequeued and queued) go straight through
// pointers already found. Each is looked up in the process's global scope, so a library
// preloaded before PipeWire's still sees the calls. Without the library, every call that can
// come first fails as PipeWire's own do (no thread loop, no properties) and one line says why;
// the audio outputs then go on to the next. The spa_* functions and the pw_loop_* and
// pw_core_add_listener calls are inline in the headers, through the objects' own method tables.
#include "foundation/OpenedLibrary.h"

#include <cstdarg>
#include <pipewire/pipewire.h>

#ifndef TINKELLA_PIPEWIRE_SONAME
#define TINKELLA_PIPEWIRE_SONAME "libpipewire-0.3.so.0"
#endif

namespace {

using tinkella::OpenedLibrary;

struct Functions {
    decltype(&::pw_init) init = nullptr;
    decltype(&::pw_log_set_level) setLogLevel = nullptr;
    decltype(&::pw_properties_new) propertiesNew = nullptr;
    decltype(&::pw_properties_set) propertiesSet = nullptr;
    decltype(&::pw_properties_setva) propertiesSetVa = nullptr;
    // The thread loop, context and core
    decltype(&::pw_thread_loop_new) loopNew = nullptr;
    decltype(&::pw_thread_loop_get_loop) loopGetLoop = nullptr;
    decltype(&::pw_thread_loop_start) loopStart = nullptr;
    decltype(&::pw_thread_loop_stop) loopStop = nullptr;
    decltype(&::pw_thread_loop_destroy) loopDestroy = nullptr;
    decltype(&::pw_thread_loop_lock) loopLock = nullptr;
    decltype(&::pw_thread_loop_unlock) loopUnlock = nullptr;
    decltype(&::pw_context_new) contextNew = nullptr;
    decltype(&::pw_context_connect) contextConnect = nullptr;
    decltype(&::pw_context_destroy) contextDestroy = nullptr;
    decltype(&::pw_core_disconnect) coreDisconnect = nullptr;
    // The stream; dequeue and queue run on its real-time thread
    decltype(&::pw_stream_new) streamNew = nullptr;
    decltype(&::pw_stream_add_listener) streamAddListener = nullptr;
    decltype(&::pw_stream_connect) streamConnect = nullptr;
    decltype(&::pw_stream_set_active) streamSetActive = nullptr;
    decltype(&::pw_stream_destroy) streamDestroy = nullptr;
    decltype(&::pw_stream_dequeue_buffer) streamDequeue = nullptr;
    decltype(&::pw_stream_queue_buffer) streamQueue = nullptr;
    bool complete = false;
};

Functions open() {
    Functions f;
    OpenedLibrary library(TINKELLA_PIPEWIRE_SONAME, "PipeWire");
    auto find = [&library](auto& pointer, const char* name) {
        return library.find(pointer, name);
    };
    f.complete = library.complete(
        find(f.init, "pw_init") && find(f.setLogLevel, "pw_log_set_level") &&
        find(f.propertiesNew, "pw_properties_new") && find(f.propertiesSet, "pw_properties_set") &&
        find(f.propertiesSetVa, "pw_properties_setva") && find(f.loopNew, "pw_thread_loop_new") &&
        find(f.loopGetLoop, "pw_thread_loop_get_loop") &&
        find(f.loopStart, "pw_thread_loop_start") && find(f.loopStop, "pw_thread_loop_stop") &&
        find(f.loopDestroy, "pw_thread_loop_destroy") && find(f.loopLock, "pw_thread_loop_lock") &&
        find(f.loopUnlock, "pw_thread_loop_unlock") && find(f.contextNew, "pw_context_new") &&
        find(f.contextConnect, "pw_context_connect") &&
        find(f.contextDestroy, "pw_context_destroy") &&
        find(f.coreDisconnect, "pw_core_disconnect") && find(f.streamNew, "pw_stream_new") &&
        find(f.streamAddListener, "pw_stream_add_listener") &&
        find(f.streamConnect, "pw_stream_connect") &&
        find(f.streamSetActive, "pw_stream_set_active") &&
        find(f.streamDestroy, "pw_stream_destroy") &&
        find(f.streamDequeue, "pw_stream_dequeue_buffer") &&
        find(f.streamQueue, "pw_stream_queue_buffer"));
    return f.complete ? f : Functions{};
}

// Opened by the first call; later calls read the finished table only.
const Functions& pw() {
    static const Functions functions = open();
    return functions;
}

} // namespace

extern "C" {

// The calls that can come first: each opens the library, and fails as PipeWire's own do without
// it.

void pw_init(int* argc, char** argv[]) {
    if (pw().complete) {
        pw().init(argc, argv);
    }
}

void pw_log_set_level(enum spa_log_level level) {
    if (pw().complete) {
        pw().setLogLevel(level);
    }
}

struct pw_thread_loop* pw_thread_loop_new(const char* name, const struct spa_dict* properties) {
    return pw().complete ? pw().loopNew(name, properties) : nullptr;
}

// Keys and values alternate up to a null key; each pair is set in turn, as the library does, on
// properties made empty (a null key, and the null its declaration asks for among the rest).
struct pw_properties* pw_properties_new(const char* key, ...) {
    pw_properties* properties = pw().complete ? pw().propertiesNew(nullptr, nullptr) : nullptr;
    va_list arguments;
    va_start(arguments, key);
    for (const char* name = key; name != nullptr && properties != nullptr;
         name = va_arg(arguments, const char*)) {
        pw().propertiesSet(properties, name, va_arg(arguments, const char*));
    }
    va_end(arguments);
    return properties;
}

// The calls below take properties, a loop, context, core or stream, which exist only once the
// library is open.

int pw_properties_set(struct pw_properties* properties, const char* key, const char* value) {
    return pw().propertiesSet(properties, key, value);
}

int pw_properties_setf(struct pw_properties* properties, const char* key, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int changed = pw().propertiesSetVa(properties, key, format, arguments);
    va_end(arguments);
    return changed;
}

struct pw_loop* pw_thread_loop_get_loop(struct pw_thread_loop* loop) {
    return pw().loopGetLoop(loop);
}

int pw_thread_loop_start(struct pw_thread_loop* loop) {
    return pw().loopStart(loop);
}

void pw_thread_loop_stop(struct pw_thread_loop* loop) {
    pw().loopStop(loop);
}

void pw_thread_loop_destroy(struct pw_thread_loop* loop) {
    pw().loopDestroy(loop);
}

void pw_thread_loop_lock(struct pw_thread_loop* loop) {
    pw().loopLock(loop);
}

void pw_thread_loop_unlock(struct pw_thread_loop* loop) {
    pw().loopUnlock(loop);
}

struct pw_context* pw_context_new(struct pw_loop* loop, struct pw_properties* properties,
                                  size_t userDataSize) {
    return pw().contextNew(loop, properties, userDataSize);
}

struct pw_core* pw_context_connect(struct pw_context* context, struct pw_properties* properties,
                                   size_t userDataSize) {
    return pw().contextConnect(context, properties, userDataSize);
}

void pw_context_destroy(struct pw_context* context) {
    pw().contextDestroy(context);
}

int pw_core_disconnect(struct pw_core* core) {
    return pw().coreDisconnect(core);
}

struct pw_stream* pw_stream_new(struct pw_core* core, const char* name,
                                struct pw_properties* properties) {
    return pw().streamNew(core, name, properties);
}

void pw_stream_add_listener(struct pw_stream* stream, struct spa_hook* listener,
                            const struct pw_stream_events* events, void* data) {
    pw().streamAddListener(stream, listener, events, data);
}

int pw_stream_connect(struct pw_stream* stream, enum spa_direction direction, uint32_t target,
                      enum pw_stream_flags flags, const struct spa_pod** params,
                      uint32_t paramCount) {
    return pw().streamConnect(stream, direction, target, flags, params, paramCount);
}

int pw_stream_set_active(struct pw_stream* stream, bool active) {
    return pw().streamSetActive(stream, active);
}

void pw_stream_destroy(struct pw_stream* stream) {
    pw().streamDestroy(stream);
}

// Real-time: the stream's process callback, which runs only for a stream.

struct pw_buffer* pw_stream_dequeue_buffer(struct pw_stream* stream) {
    return pw().streamDequeue(stream);
}

int pw_stream_queue_buffer(struct pw_stream* stream, struct pw_buffer* buffer) {
    return pw().streamQueue(stream, buffer);
}

} // extern "C"
