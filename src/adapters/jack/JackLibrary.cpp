// JACK is opened on first use rather than with the program. libjack and what it needs (the
// Berkeley database among them) would otherwise be mapped and relocated before the first window
// shows; opened here, they load on the thread that first asks for a JACK client or a ring
// buffer, after the windows are up. The functions this program calls are defined below and
// forward to the library's own, all looked up at once by the first call of any of them. That
// call never comes from a real-time callback: JACK runs one only for a client, and a client
// exists only once the library is open, so the process callback's calls (port buffers, MIDI
// events, ring buffers) go straight through pointers already found. Each is looked up in the
// process's global scope, so a library preloaded before JACK still sees the calls. Without the
// library, every call that can come first fails as JACK's own do (no client, a JackFailure
// status; no ring buffer, ELIBACC) and one line says why; the callers then go on as without a
// server.
#include "foundation/OpenedLibrary.h"

#include <cerrno>
#include <cstdarg>
#include <jack/jack.h>
#include <jack/metadata.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>
#include <jack/uuid.h>

#ifndef TINKELLA_JACK_SONAME
#define TINKELLA_JACK_SONAME "libjack.so.0"
#endif

namespace {

using tinkella::OpenedLibrary;

struct Functions {
    // Servers and clients
    decltype(&::jack_get_version_string) versionText = nullptr;
    decltype(&::jack_set_error_function) setErrorFunction = nullptr;
    decltype(&::jack_set_info_function) setInfoFunction = nullptr;
    decltype(&::jack_client_open) clientOpen = nullptr;
    decltype(&::jack_client_close) clientClose = nullptr;
    decltype(&::jack_get_client_name) clientName = nullptr;
    decltype(&::jack_activate) activate = nullptr;
    decltype(&::jack_deactivate) deactivate = nullptr;
    decltype(&::jack_get_buffer_size) bufferSize = nullptr;
    decltype(&::jack_get_sample_rate) sampleRate = nullptr;
    decltype(&::jack_free) free = nullptr;
    // Callbacks
    decltype(&::jack_set_process_callback) setProcess = nullptr;
    decltype(&::jack_set_port_registration_callback) setPortRegistration = nullptr;
    decltype(&::jack_set_client_registration_callback) setClientRegistration = nullptr;
    decltype(&::jack_set_port_connect_callback) setPortConnect = nullptr;
    decltype(&::jack_set_port_rename_callback) setPortRename = nullptr;
    decltype(&::jack_set_sample_rate_callback) setSampleRate = nullptr;
    decltype(&::jack_set_buffer_size_callback) setBufferSize = nullptr;
    decltype(&::jack_on_info_shutdown) onShutdown = nullptr;
    // Ports and connections
    decltype(&::jack_port_register) portRegister = nullptr;
    decltype(&::jack_port_unregister) portUnregister = nullptr;
    decltype(&::jack_port_by_id) portById = nullptr;
    decltype(&::jack_port_by_name) portByName = nullptr;
    decltype(&::jack_port_name) portName = nullptr;
    decltype(&::jack_port_short_name) portShortName = nullptr;
    decltype(&::jack_port_type) portType = nullptr;
    decltype(&::jack_port_uuid) portUuid = nullptr;
    decltype(&::jack_port_is_mine) portIsMine = nullptr;
    decltype(&::jack_port_connected_to) portConnectedTo = nullptr;
    decltype(&::jack_get_ports) ports = nullptr;
    decltype(&::jack_connect) connect = nullptr;
    // Metadata
    decltype(&::jack_get_uuid_for_client_name) clientUuid = nullptr;
    decltype(&::jack_uuid_parse) uuidParse = nullptr;
    decltype(&::jack_get_property) getProperty = nullptr;
    decltype(&::jack_set_property) setProperty = nullptr;
    decltype(&::jack_remove_properties) removeProperties = nullptr;
    // Real-time: port buffers, MIDI events, ring buffers
    decltype(&::jack_port_get_buffer) portBuffer = nullptr;
    decltype(&::jack_midi_get_event_count) midiEventCount = nullptr;
    decltype(&::jack_midi_event_get) midiEventGet = nullptr;
    decltype(&::jack_midi_clear_buffer) midiClearBuffer = nullptr;
    decltype(&::jack_midi_event_write) midiEventWrite = nullptr;
    decltype(&::jack_ringbuffer_create) ringCreate = nullptr;
    decltype(&::jack_ringbuffer_free) ringFree = nullptr;
    decltype(&::jack_ringbuffer_read) ringRead = nullptr;
    decltype(&::jack_ringbuffer_write) ringWrite = nullptr;
    decltype(&::jack_ringbuffer_read_space) ringReadSpace = nullptr;
    decltype(&::jack_ringbuffer_write_space) ringWriteSpace = nullptr;
    bool complete = false;
};

Functions open() {
    Functions f;
    OpenedLibrary library(TINKELLA_JACK_SONAME, "JACK");
    auto find = [&library](auto& pointer, const char* name) {
        return library.find(pointer, name);
    };
    f.complete = library.complete(
        find(f.versionText, "jack_get_version_string") &&
        find(f.setErrorFunction, "jack_set_error_function") &&
        find(f.setInfoFunction, "jack_set_info_function") &&
        find(f.clientOpen, "jack_client_open") && find(f.clientClose, "jack_client_close") &&
        find(f.clientName, "jack_get_client_name") && find(f.activate, "jack_activate") &&
        find(f.deactivate, "jack_deactivate") && find(f.bufferSize, "jack_get_buffer_size") &&
        find(f.sampleRate, "jack_get_sample_rate") && find(f.free, "jack_free") &&
        find(f.setProcess, "jack_set_process_callback") &&
        find(f.setPortRegistration, "jack_set_port_registration_callback") &&
        find(f.setClientRegistration, "jack_set_client_registration_callback") &&
        find(f.setPortConnect, "jack_set_port_connect_callback") &&
        find(f.setPortRename, "jack_set_port_rename_callback") &&
        find(f.setSampleRate, "jack_set_sample_rate_callback") &&
        find(f.setBufferSize, "jack_set_buffer_size_callback") &&
        find(f.onShutdown, "jack_on_info_shutdown") && find(f.portRegister, "jack_port_register") &&
        find(f.portUnregister, "jack_port_unregister") && find(f.portById, "jack_port_by_id") &&
        find(f.portByName, "jack_port_by_name") && find(f.portName, "jack_port_name") &&
        find(f.portShortName, "jack_port_short_name") && find(f.portType, "jack_port_type") &&
        find(f.portUuid, "jack_port_uuid") && find(f.portIsMine, "jack_port_is_mine") &&
        find(f.portConnectedTo, "jack_port_connected_to") && find(f.ports, "jack_get_ports") &&
        find(f.connect, "jack_connect") && find(f.clientUuid, "jack_get_uuid_for_client_name") &&
        find(f.uuidParse, "jack_uuid_parse") && find(f.getProperty, "jack_get_property") &&
        find(f.setProperty, "jack_set_property") &&
        find(f.removeProperties, "jack_remove_properties") &&
        find(f.portBuffer, "jack_port_get_buffer") &&
        find(f.midiEventCount, "jack_midi_get_event_count") &&
        find(f.midiEventGet, "jack_midi_event_get") &&
        find(f.midiClearBuffer, "jack_midi_clear_buffer") &&
        find(f.midiEventWrite, "jack_midi_event_write") &&
        find(f.ringCreate, "jack_ringbuffer_create") && find(f.ringFree, "jack_ringbuffer_free") &&
        find(f.ringRead, "jack_ringbuffer_read") && find(f.ringWrite, "jack_ringbuffer_write") &&
        find(f.ringReadSpace, "jack_ringbuffer_read_space") &&
        find(f.ringWriteSpace, "jack_ringbuffer_write_space"));
    return f.complete ? f : Functions{};
}

// Opened by the first call; later calls read the finished table only.
const Functions& jack() {
    static const Functions functions = open();
    return functions;
}

} // namespace

extern "C" {

// The calls that can come first: each opens the library, and fails as JACK's own do without it.

const char* jack_get_version_string() {
    return jack().complete ? jack().versionText() : "(not loaded)";
}

void jack_set_error_function(void (*function)(const char*)) {
    if (jack().complete) {
        jack().setErrorFunction(function);
    }
}

void jack_set_info_function(void (*function)(const char*)) {
    if (jack().complete) {
        jack().setInfoFunction(function);
    }
}

// The one optional argument: the server's name, passed when options asks for it.
jack_client_t* jack_client_open(const char* name, jack_options_t options, jack_status_t* status,
                                ...) {
    if (!jack().complete) {
        if (status != nullptr) {
            *status = JackFailure;
        }
        return nullptr;
    }
    if ((options & JackServerName) == 0) {
        return jack().clientOpen(name, options, status);
    }
    va_list arguments;
    va_start(arguments, status);
    const char* server = va_arg(arguments, const char*);
    va_end(arguments);
    return jack().clientOpen(name, options, status, server);
}

// Fails with errno set, as the library's does when it cannot allocate.
jack_ringbuffer_t* jack_ringbuffer_create(size_t bytes) {
    if (!jack().complete) {
        errno = ELIBACC;
        return nullptr;
    }
    return jack().ringCreate(bytes);
}

void jack_free(void* pointer) {
    if (jack().complete) {
        jack().free(pointer);
    }
}

int jack_get_property(jack_uuid_t subject, const char* key, char** value, char** type) {
    return jack().complete ? jack().getProperty(subject, key, value, type) : -1;
}

// The calls below take a client, port or ring buffer, which exist only once the library is open.

int jack_client_close(jack_client_t* client) {
    return jack().clientClose(client);
}

char* jack_get_client_name(jack_client_t* client) {
    return jack().clientName(client);
}

int jack_activate(jack_client_t* client) {
    return jack().activate(client);
}

int jack_deactivate(jack_client_t* client) {
    return jack().deactivate(client);
}

jack_nframes_t jack_get_buffer_size(jack_client_t* client) {
    return jack().bufferSize(client);
}

jack_nframes_t jack_get_sample_rate(jack_client_t* client) {
    return jack().sampleRate(client);
}

int jack_set_process_callback(jack_client_t* client, JackProcessCallback callback, void* arg) {
    return jack().setProcess(client, callback, arg);
}

int jack_set_port_registration_callback(jack_client_t* client,
                                        JackPortRegistrationCallback callback, void* arg) {
    return jack().setPortRegistration(client, callback, arg);
}

int jack_set_client_registration_callback(jack_client_t* client,
                                          JackClientRegistrationCallback callback, void* arg) {
    return jack().setClientRegistration(client, callback, arg);
}

int jack_set_port_connect_callback(jack_client_t* client, JackPortConnectCallback callback,
                                   void* arg) {
    return jack().setPortConnect(client, callback, arg);
}

int jack_set_port_rename_callback(jack_client_t* client, JackPortRenameCallback callback,
                                  void* arg) {
    return jack().setPortRename(client, callback, arg);
}

int jack_set_sample_rate_callback(jack_client_t* client, JackSampleRateCallback callback,
                                  void* arg) {
    return jack().setSampleRate(client, callback, arg);
}

int jack_set_buffer_size_callback(jack_client_t* client, JackBufferSizeCallback callback,
                                  void* arg) {
    return jack().setBufferSize(client, callback, arg);
}

void jack_on_info_shutdown(jack_client_t* client, JackInfoShutdownCallback callback, void* arg) {
    jack().onShutdown(client, callback, arg);
}

jack_port_t* jack_port_register(jack_client_t* client, const char* name, const char* type,
                                unsigned long flags, unsigned long bufferSize) {
    return jack().portRegister(client, name, type, flags, bufferSize);
}

int jack_port_unregister(jack_client_t* client, jack_port_t* port) {
    return jack().portUnregister(client, port);
}

jack_port_t* jack_port_by_id(jack_client_t* client, jack_port_id_t id) {
    return jack().portById(client, id);
}

jack_port_t* jack_port_by_name(jack_client_t* client, const char* name) {
    return jack().portByName(client, name);
}

const char* jack_port_name(const jack_port_t* port) {
    return jack().portName(port);
}

const char* jack_port_short_name(const jack_port_t* port) {
    return jack().portShortName(port);
}

const char* jack_port_type(const jack_port_t* port) {
    return jack().portType(port);
}

jack_uuid_t jack_port_uuid(const jack_port_t* port) {
    return jack().portUuid(port);
}

int jack_port_is_mine(const jack_client_t* client, const jack_port_t* port) {
    return jack().portIsMine(client, port);
}

int jack_port_connected_to(const jack_port_t* port, const char* name) {
    return jack().portConnectedTo(port, name);
}

const char** jack_get_ports(jack_client_t* client, const char* namePattern, const char* typePattern,
                            unsigned long flags) {
    return jack().ports(client, namePattern, typePattern, flags);
}

int jack_connect(jack_client_t* client, const char* source, const char* destination) {
    return jack().connect(client, source, destination);
}

char* jack_get_uuid_for_client_name(jack_client_t* client, const char* name) {
    return jack().clientUuid(client, name);
}

int jack_uuid_parse(const char* text, jack_uuid_t* uuid) {
    return jack().uuidParse(text, uuid);
}

int jack_set_property(jack_client_t* client, jack_uuid_t subject, const char* key,
                      const char* value, const char* type) {
    return jack().setProperty(client, subject, key, value, type);
}

int jack_remove_properties(jack_client_t* client, jack_uuid_t subject) {
    return jack().removeProperties(client, subject);
}

// Real-time: a process callback runs only for a client, so the table is complete here; each is
// one call through a pointer found when the library opened.

void* jack_port_get_buffer(jack_port_t* port, jack_nframes_t frames) {
    return jack().portBuffer(port, frames);
}

uint32_t jack_midi_get_event_count(void* buffer) {
    return jack().midiEventCount(buffer);
}

int jack_midi_event_get(jack_midi_event_t* event, void* buffer, uint32_t index) {
    return jack().midiEventGet(event, buffer, index);
}

void jack_midi_clear_buffer(void* buffer) {
    jack().midiClearBuffer(buffer);
}

int jack_midi_event_write(void* buffer, jack_nframes_t time, const jack_midi_data_t* data,
                          size_t size) {
    return jack().midiEventWrite(buffer, time, data, size);
}

void jack_ringbuffer_free(jack_ringbuffer_t* ring) {
    jack().ringFree(ring);
}

size_t jack_ringbuffer_read(jack_ringbuffer_t* ring, char* destination, size_t bytes) {
    return jack().ringRead(ring, destination, bytes);
}

size_t jack_ringbuffer_write(jack_ringbuffer_t* ring, const char* source, size_t bytes) {
    return jack().ringWrite(ring, source, bytes);
}

size_t jack_ringbuffer_read_space(const jack_ringbuffer_t* ring) {
    return jack().ringReadSpace(ring);
}

size_t jack_ringbuffer_write_space(const jack_ringbuffer_t* ring) {
    return jack().ringWriteSpace(ring);
}

} // extern "C"
