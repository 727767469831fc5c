// ALSA's library is opened on first use rather than with the program, so that mapping and
// relocating it does not delay the first window: it loads on the thread that first opens the
// sequencer, tries an audio driver or asks for the library's version, after the windows are up.
// The functions this program calls are defined below and forward to the library's own, all
// looked up at once by the first call of any of them. Each is looked up in the process's global
// scope, so a library preloaded before ALSA's still sees the calls. Without the library, every
// call that can come first fails as ALSA's own do, with -ELIBACC (no shared library), and one
// line says why; the MIDI backends then go on to the next, as without a sequencer. The snd_seq_ev_*
// helpers and the *_alloca allocations are macros of the headers (the latter calling the *_sizeof
// functions).
#include "foundation/OpenedLibrary.h"

#include <alsa/asoundlib.h>
#include <cerrno>
#include <cstring>

#ifndef TINKELLA_ALSA_SONAME
#define TINKELLA_ALSA_SONAME "libasound.so.2"
#endif

namespace {

using tinkella::OpenedLibrary;

struct Functions {
    decltype(&::snd_asoundlib_version) versionText = nullptr;
    decltype(&::snd_strerror) errorText = nullptr;
    decltype(&::snd_lib_error_set_handler) setErrorHandler = nullptr;
    // The sequencer and its client
    decltype(&::snd_seq_open) open = nullptr;
    decltype(&::snd_seq_close) close = nullptr;
    decltype(&::snd_seq_client_id) clientId = nullptr;
    decltype(&::snd_seq_set_client_name) setClientName = nullptr;
    decltype(&::snd_seq_poll_descriptors) pollDescriptors = nullptr;
    decltype(&::snd_seq_create_simple_port) createSimplePort = nullptr;
    decltype(&::snd_seq_connect_from) connectFrom = nullptr;
    decltype(&::snd_seq_event_input) eventInput = nullptr;
    decltype(&::snd_seq_event_output_direct) eventOutputDirect = nullptr;
    // Other clients and their ports
    decltype(&::snd_seq_client_info_sizeof) clientInfoSize = nullptr;
    decltype(&::snd_seq_client_info_get_card) clientInfoCard = nullptr;
    decltype(&::snd_seq_client_info_get_client) clientInfoClient = nullptr;
    decltype(&::snd_seq_client_info_get_name) clientInfoName = nullptr;
    decltype(&::snd_seq_client_info_set_client) clientInfoSetClient = nullptr;
    decltype(&::snd_seq_query_next_client) nextClient = nullptr;
    decltype(&::snd_seq_port_info_sizeof) portInfoSize = nullptr;
    decltype(&::snd_seq_port_info_get_capability) portInfoCapability = nullptr;
    decltype(&::snd_seq_port_info_get_name) portInfoName = nullptr;
    decltype(&::snd_seq_port_info_get_port) portInfoPort = nullptr;
    decltype(&::snd_seq_port_info_set_client) portInfoSetClient = nullptr;
    decltype(&::snd_seq_port_info_set_port) portInfoSetPort = nullptr;
    decltype(&::snd_seq_query_next_port) nextPort = nullptr;
    // MIDI bytes to and from sequencer events
    decltype(&::snd_midi_event_new) midiEventNew = nullptr;
    decltype(&::snd_midi_event_free) midiEventFree = nullptr;
    decltype(&::snd_midi_event_no_status) midiEventNoStatus = nullptr;
    decltype(&::snd_midi_event_encode) midiEventEncode = nullptr;
    decltype(&::snd_midi_event_decode) midiEventDecode = nullptr;
    decltype(&::snd_midi_event_reset_encode) midiEventResetEncode = nullptr;
    decltype(&::snd_midi_event_reset_decode) midiEventResetDecode = nullptr;
    bool complete = false;
};

Functions open() {
    Functions f;
    OpenedLibrary library(TINKELLA_ALSA_SONAME, "ALSA");
    auto find = [&library](auto& pointer, const char* name) {
        return library.find(pointer, name);
    };
    f.complete = library.complete(
        find(f.versionText, "snd_asoundlib_version") && find(f.errorText, "snd_strerror") &&
        find(f.setErrorHandler, "snd_lib_error_set_handler") && find(f.open, "snd_seq_open") &&
        find(f.close, "snd_seq_close") && find(f.clientId, "snd_seq_client_id") &&
        find(f.setClientName, "snd_seq_set_client_name") &&
        find(f.pollDescriptors, "snd_seq_poll_descriptors") &&
        find(f.createSimplePort, "snd_seq_create_simple_port") &&
        find(f.connectFrom, "snd_seq_connect_from") && find(f.eventInput, "snd_seq_event_input") &&
        find(f.eventOutputDirect, "snd_seq_event_output_direct") &&
        find(f.clientInfoSize, "snd_seq_client_info_sizeof") &&
        find(f.clientInfoCard, "snd_seq_client_info_get_card") &&
        find(f.clientInfoClient, "snd_seq_client_info_get_client") &&
        find(f.clientInfoName, "snd_seq_client_info_get_name") &&
        find(f.clientInfoSetClient, "snd_seq_client_info_set_client") &&
        find(f.nextClient, "snd_seq_query_next_client") &&
        find(f.portInfoSize, "snd_seq_port_info_sizeof") &&
        find(f.portInfoCapability, "snd_seq_port_info_get_capability") &&
        find(f.portInfoName, "snd_seq_port_info_get_name") &&
        find(f.portInfoPort, "snd_seq_port_info_get_port") &&
        find(f.portInfoSetClient, "snd_seq_port_info_set_client") &&
        find(f.portInfoSetPort, "snd_seq_port_info_set_port") &&
        find(f.nextPort, "snd_seq_query_next_port") && find(f.midiEventNew, "snd_midi_event_new") &&
        find(f.midiEventFree, "snd_midi_event_free") &&
        find(f.midiEventNoStatus, "snd_midi_event_no_status") &&
        find(f.midiEventEncode, "snd_midi_event_encode") &&
        find(f.midiEventDecode, "snd_midi_event_decode") &&
        find(f.midiEventResetEncode, "snd_midi_event_reset_encode") &&
        find(f.midiEventResetDecode, "snd_midi_event_reset_decode"));
    return f.complete ? f : Functions{};
}

// Opened by the first call; later calls read the finished table only.
const Functions& alsa() {
    static const Functions functions = open();
    return functions;
}

} // namespace

extern "C" {

// The calls that can come first: each opens the library, and fails as ALSA's own do without it.

const char* snd_asoundlib_version() {
    return alsa().complete ? alsa().versionText() : "(not loaded)";
}

// A negative error code's text, as ALSA gives it for the system's codes.
const char* snd_strerror(int code) {
    return alsa().complete ? alsa().errorText(code) : std::strerror(code < 0 ? -code : code);
}

int snd_lib_error_set_handler(snd_lib_error_handler_t handler) {
    return alsa().complete ? alsa().setErrorHandler(handler) : 0;
}

int snd_seq_open(snd_seq_t** seq, const char* name, int streams, int mode) {
    return alsa().complete ? alsa().open(seq, name, streams, mode) : -ELIBACC;
}

int snd_midi_event_new(size_t bytes, snd_midi_event_t** coder) {
    return alsa().complete ? alsa().midiEventNew(bytes, coder) : -ELIBACC;
}

// The calls below take a sequencer, an event coder or their records, which exist only once the
// library is open.

int snd_seq_close(snd_seq_t* seq) {
    return alsa().close(seq);
}

int snd_seq_client_id(snd_seq_t* seq) {
    return alsa().clientId(seq);
}

int snd_seq_set_client_name(snd_seq_t* seq, const char* name) {
    return alsa().setClientName(seq, name);
}

int snd_seq_poll_descriptors(snd_seq_t* seq, struct pollfd* descriptors, unsigned int space,
                             short events) {
    return alsa().pollDescriptors(seq, descriptors, space, events);
}

int snd_seq_create_simple_port(snd_seq_t* seq, const char* name, unsigned int caps,
                               unsigned int type) {
    return alsa().createSimplePort(seq, name, caps, type);
}

int snd_seq_connect_from(snd_seq_t* seq, int port, int sourceClient, int sourcePort) {
    return alsa().connectFrom(seq, port, sourceClient, sourcePort);
}

int snd_seq_event_input(snd_seq_t* seq, snd_seq_event_t** event) {
    return alsa().eventInput(seq, event);
}

int snd_seq_event_output_direct(snd_seq_t* seq, snd_seq_event_t* event) {
    return alsa().eventOutputDirect(seq, event);
}

size_t snd_seq_client_info_sizeof() {
    return alsa().clientInfoSize();
}

int snd_seq_client_info_get_card(const snd_seq_client_info_t* info) {
    return alsa().clientInfoCard(info);
}

int snd_seq_client_info_get_client(const snd_seq_client_info_t* info) {
    return alsa().clientInfoClient(info);
}

const char* snd_seq_client_info_get_name(snd_seq_client_info_t* info) {
    return alsa().clientInfoName(info);
}

void snd_seq_client_info_set_client(snd_seq_client_info_t* info, int client) {
    alsa().clientInfoSetClient(info, client);
}

int snd_seq_query_next_client(snd_seq_t* seq, snd_seq_client_info_t* info) {
    return alsa().nextClient(seq, info);
}

size_t snd_seq_port_info_sizeof() {
    return alsa().portInfoSize();
}

unsigned int snd_seq_port_info_get_capability(const snd_seq_port_info_t* info) {
    return alsa().portInfoCapability(info);
}

const char* snd_seq_port_info_get_name(const snd_seq_port_info_t* info) {
    return alsa().portInfoName(info);
}

int snd_seq_port_info_get_port(const snd_seq_port_info_t* info) {
    return alsa().portInfoPort(info);
}

void snd_seq_port_info_set_client(snd_seq_port_info_t* info, int client) {
    alsa().portInfoSetClient(info, client);
}

void snd_seq_port_info_set_port(snd_seq_port_info_t* info, int port) {
    alsa().portInfoSetPort(info, port);
}

int snd_seq_query_next_port(snd_seq_t* seq, snd_seq_port_info_t* info) {
    return alsa().nextPort(seq, info);
}

void snd_midi_event_free(snd_midi_event_t* coder) {
    alsa().midiEventFree(coder);
}

void snd_midi_event_no_status(snd_midi_event_t* coder, int on) {
    alsa().midiEventNoStatus(coder, on);
}

long snd_midi_event_encode(snd_midi_event_t* coder, const unsigned char* bytes, long count,
                           snd_seq_event_t* event) {
    return alsa().midiEventEncode(coder, bytes, count, event);
}

long snd_midi_event_decode(snd_midi_event_t* coder, unsigned char* bytes, long count,
                           const snd_seq_event_t* event) {
    return alsa().midiEventDecode(coder, bytes, count, event);
}

void snd_midi_event_reset_encode(snd_midi_event_t* coder) {
    alsa().midiEventResetEncode(coder);
}

void snd_midi_event_reset_decode(snd_midi_event_t* coder) {
    alsa().midiEventResetDecode(coder);
}

} // extern "C"
