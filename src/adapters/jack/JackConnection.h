#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <jack/ringbuffer.h>
#include <jack/types.h>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace tinkella {

// What the owner of a JackConnection hears, on three threads.
class JackConnectionListener {
public:
    virtual ~JackConnectionListener() = default;

    // JACK's real-time thread, once per cycle of frames: reads and writes this cycle's port
    // buffers (JackConnection::Port::buffer()). Never waits, locks, allocates, logs or touches a
    // file. From the new server's first cycle on, which may come shortly before serverBack().
    virtual void process(jack_nframes_t frames) = 0;

    // JACK's notification thread: a port of the graph (ours too) appeared or went, a client
    // joined or left, two ports were connected or disconnected, a port was renamed. The ports
    // are those of the server that reports them. No server calls, locks or logging here: queue
    // what matters and call JackConnection::wake().
    virtual void portRegistered(jack_port_t* /*port*/, bool /*registered*/) {}
    virtual void clientRegistered(const char* /*name*/, bool /*registered*/) {}
    virtual void portConnected(jack_port_t* /*a*/, jack_port_t* /*b*/, bool /*connected*/) {}
    virtual void portRenamed(jack_port_t* /*port*/) {}

    // The owner's thread, from JackConnection::dispatchPending(), once per loss: the server went
    // away, and with it our ports and their connections. What was started at a peer (a note)
    // is lost with the server; the owner forgets it here, so nothing waits for its end. No
    // process() runs during this call (reconnecting starts after it), so the owner may reset
    // what process() reads.
    virtual void serverGone() = 0;
    // The owner's thread, once after each serverGone(): a server accepted the client again; our
    // ports are registered again under their names, process() runs, and the remembered
    // connections are restored wherever both ends exist.
    virtual void serverBack() = 0;
    // The owner's thread, after each serverBack() and whenever the server says its sample rate
    // or period is about to change: it may now run at another jack_get_sample_rate() or
    // jack_get_buffer_size() than before.
    virtual void formatChanged() {}
};

// One JACK client under a fixed name, kept alive across server restarts: it registers the
// owner's ports and remembers them, remembers the connections of those ports (made by us or by
// the user in a patchbay) by full port names, and runs the owner's process callback and
// notification hooks.
//
// When the server goes (JACK's shutdown callback sets an atomic and writes the eventfd), the
// next dispatchPending() reports serverGone() and starts a thread that closes the dead client
// and tries, every 250 ms and never starting a server, to join a server again under the same
// name: then it registers the same ports, sets the callbacks, activates and restores the
// remembered connections whose both ends exist. The dispatchPending() after that reports
// serverBack(). A remembered peer that appears later is connected again when its port
// registers. A connection broken while the server runs (by the user, or by its peer leaving)
// is forgotten; one lost with the server is not.
//
// Threads: every public call but wake() and Port::buffer() comes from one thread at a time,
// "the owner's thread" (the main thread once it watches pollDescriptor()). The listener must
// outlive the connection.
class JackConnection {
public:
    enum class PortKind { midiIn, midiOut, audioIn, audioOut };

    // A port the connection keeps registered on every server it joins. Owned by the connection;
    // its address stays valid for the connection's whole life.
    class Port {
    public:
        // Real-time thread, within process(): the port's buffer for this cycle, null while no
        // server holds the port.
        void* buffer(jack_nframes_t frames) const;
        // The port on the current server, null while none holds it. Compare against the ports
        // that notification hooks receive.
        jack_port_t* handle() const { return port_.load(std::memory_order_acquire); }
        const std::string& name() const { return name_; }

    private:
        friend class JackConnection;
        Port(std::string name, PortKind kind) : name_(std::move(name)), kind_(kind) {}
        const std::string name_; // short name, without "client:"
        const PortKind kind_;
        std::atomic<jack_port_t*> port_{nullptr};
    };

    // Joins the running server named by JACK_DEFAULT_SERVER (or the default one) as clientName,
    // never starting one, and activates. Null when no server accepts, with status holding the
    // jack_status_t bits (or a negative errno). Any one thread, which becomes the owner's.
    static std::unique_ptr<JackConnection> open(std::string_view clientName,
                                                JackConnectionListener& listener, int& status);
    // Leaves the server, or stops the reconnecting thread and waits for it (at most one open
    // attempt). Safe in every state; the owner's thread.
    ~JackConnection();
    JackConnection(const JackConnection&) = delete;
    JackConnection& operator=(const JackConnection&) = delete;

    // Registers a port now (or, while the server is gone, on the next server) and keeps it on
    // every later server. Null, with status a negative errno, when the server refuses the port
    // or one of that name exists already.
    Port* registerPort(std::string_view name, PortKind kind, int& status);
    // Unregisters the port and forgets it and its connections; port is invalid afterwards, and
    // the owner's process() must no longer reach it.
    void unregisterPort(Port* port);

    // The client on the current server, null while the server is gone. Only for calls on the
    // owner's thread that need no lasting state (port lists, metadata); never kept across
    // dispatchPending().
    jack_client_t* client() const { return client_; }
    bool isConnected() const { return client_ != nullptr; }
    // The name the server gave us ("client"), empty while gone.
    std::string clientName() const;
    // "client:port" of one of our ports, empty while gone.
    std::string fullName(const Port& port) const;
    // Connects our port with another port, given by its full name, in the direction of our
    // port's kind, and remembers it even when the other port is not there yet. 0 or JACK's
    // non-zero result; EEXIST when they are connected already.
    int connect(const Port& port, const std::string& peer);
    // The peers of one of our ports that the connection would restore, by full name.
    std::set<std::string> rememberedPeers(const Port& port) const;

    // Readable while something waits for dispatchPending(); the owner's threads may use it for
    // their own events too, through wake().
    int pollDescriptor() const { return wakeFd_; }
    // Any thread, real-time ones included: makes pollDescriptor() readable (one non-blocking
    // eventfd write).
    void wake();
    // Drains pollDescriptor() first, then does what came in: reports the server gone or back,
    // records connection changes, restores remembered connections whose peer appeared. An owner
    // sharing the descriptor calls this first and then takes its own events.
    void dispatchPending();

private:
    JackConnection(std::string name, JackConnectionListener& listener, int wakeFd,
                   jack_ringbuffer_t* changes);

    // Closes client (null: none) and uncounts a loss it was counted for; the thread that holds
    // it, with no other client of ours open.
    void close(jack_client_t* client);
    // Sets every callback on client and activates it; 0 or JACK's non-zero result.
    int wire(jack_client_t* client);
    int registerOn(jack_client_t* client, Port& port);
    // Connects what awaits both its ends on client; the thread that holds client.
    void connectAwaiting(jack_client_t* client);
    // Notification thread: one change of a connection of ours onto changes_.
    void queueChange(jack_port_t* ours, jack_port_t* peer, bool connected);
    // The owner's thread: the queued changes into connected_ and awaiting_.
    void takeChanges();
    void reconnectLoop();
    void adoptReconnected();
    void startReconnecting();
    void stopReconnecting();

    static int process(jack_nframes_t frames, void* arg);
    static void shutdown(jack_status_t code, const char* reason, void* arg);
    static void portRegistered(jack_port_id_t id, int registered, void* arg);
    static void clientRegistered(const char* name, int registered, void* arg);
    static void portConnected(jack_port_id_t a, jack_port_id_t b, int connected, void* arg);
    static void portRenamed(jack_port_id_t id, const char* oldName, const char* newName, void* arg);
    // The sample-rate and buffer-size callbacks, on whichever JACK thread calls them.
    static int formatChanging(jack_nframes_t frames, void* arg);

    // Between a server's death and the first new open, every client of the process must be
    // closed: libjack's next open otherwise deletes the dead clients under their owners.
    // Counted from the shutdown callback, uncounted once the client is closed.
    static std::atomic<int> unclosedDeadClients_;

    const std::string name_;
    JackConnectionListener& listener_;
    const int wakeFd_;
    // Notification thread -> owner's thread: connections of our ports made and broken, as
    // they happen (the server's graph itself shows them only from a later cycle on).
    jack_ringbuffer_t* const changes_;

    // The owner's thread.
    jack_client_t* client_ = nullptr;
    bool reconnecting_ = false;

    // The client whose threads call back (read there to resolve port ids); set before it is
    // activated.
    std::atomic<jack_client_t*> callbackClient_{nullptr};
    // Set by JACK's shutdown callback, which counts the loss in unclosedDeadClients_; cleared,
    // and uncounted, once the dead client is closed.
    std::atomic<bool> shutDown_{false};
    std::atomic<bool> portAppeared_{false};
    std::atomic<bool> formatChanged_{false};

    // Shared by the owner's thread and the reconnecting thread.
    mutable std::mutex mutex_;
    std::condition_variable stopRequested_;
    bool stop_ = false;
    // Shared with the thread, which registers them on a new server.
    std::vector<std::shared_ptr<Port>> ports_;
    // Our port's short name -> its peers' full names, while the server runs.
    std::map<std::string, std::set<std::string>> connected_;
    // (our port's short name, peer's full name): to connect once both ends exist; those lost
    // with a server, and those asked for before the peer appeared.
    std::set<std::pair<std::string, std::string>> awaiting_;
    jack_client_t* deadClient_ = nullptr;   // the closed server's client, until closed
    jack_client_t* joinedClient_ = nullptr; // a new server's client, until adopted
    std::thread thread_;
};

} // namespace tinkella
