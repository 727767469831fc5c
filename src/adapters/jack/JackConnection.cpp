#include "adapters/jack/JackConnection.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <jack/jack.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace tinkella {

namespace {

constexpr auto retryPeriod = std::chrono::milliseconds(250);
// Room for some fifty changes of connections not yet taken by the owner's thread.
constexpr std::size_t changeBytes = 16384;

// libjack's complaints (no server at every attempt, a lost connection) would bypass the
// program's own one-line reports.
void ignoreJackMessage(const char*) {}

bool isOutput(JackConnection::PortKind kind) {
    return kind == JackConnection::PortKind::midiOut || kind == JackConnection::PortKind::audioOut;
}

} // namespace

std::atomic<int> JackConnection::unclosedDeadClients_{0};

std::unique_ptr<JackConnection>
JackConnection::open(std::string_view clientName, JackConnectionListener& listener, int& status) {
    jack_set_error_function(&ignoreJackMessage);
    jack_set_info_function(&ignoreJackMessage);
    if (unclosedDeadClients_.load() != 0) {
        status = -EAGAIN;
        return nullptr;
    }
    const int wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd < 0) {
        status = -errno;
        return nullptr;
    }
    errno = 0;
    jack_ringbuffer_t* changes = jack_ringbuffer_create(changeBytes);
    if (!changes) {
        status = errno != 0 ? -errno : -ENOMEM; // ELIBACC without libjack
        ::close(wakeFd);
        return nullptr;
    }
    std::unique_ptr<JackConnection> connection(
        new JackConnection(std::string(clientName), listener, wakeFd, changes));
    jack_status_t jackStatus{};
    jack_client_t* client =
        jack_client_open(connection->name_.c_str(), JackNoStartServer, &jackStatus);
    if (!client) {
        status = jackStatus != 0 ? static_cast<int>(jackStatus) : -ECONNREFUSED;
        return nullptr;
    }
    if (connection->wire(client) != 0) {
        connection->close(client);
        // JACK's calls answer -1, no errno; its status bit for a failed operation says so.
        status = JackFailure;
        return nullptr;
    }
    connection->client_ = client;
    status = 0;
    return connection;
}

JackConnection::JackConnection(std::string name, JackConnectionListener& listener, int wakeFd,
                               jack_ringbuffer_t* changes)
    : name_(std::move(name)), listener_(listener), wakeFd_(wakeFd), changes_(changes) {}

JackConnection::~JackConnection() {
    stopReconnecting();
    // At most one of them: client_ is null while reconnecting.
    for (jack_client_t* client : {joinedClient_, client_}) {
        if (client && !shutDown_.load()) {
            jack_deactivate(client);
        }
        close(client);
    }
    ::close(wakeFd_);
    jack_ringbuffer_free(changes_);
}

void JackConnection::close(jack_client_t* client) {
    if (client) {
        jack_client_close(client);
    }
    // No callback comes once it is closed: a loss counted by now is uncounted here.
    if (shutDown_.exchange(false)) {
        unclosedDeadClients_.fetch_sub(1);
    }
}

int JackConnection::wire(jack_client_t* client) {
    callbackClient_.store(client, std::memory_order_release);
    if (const int result = jack_set_process_callback(client, &JackConnection::process, this);
        result != 0) {
        return result;
    }
    jack_set_port_registration_callback(client, &JackConnection::portRegistered, this);
    jack_set_client_registration_callback(client, &JackConnection::clientRegistered, this);
    jack_set_port_connect_callback(client, &JackConnection::portConnected, this);
    jack_set_port_rename_callback(client, &JackConnection::portRenamed, this);
    jack_set_sample_rate_callback(client, &JackConnection::formatChanging, this);
    jack_set_buffer_size_callback(client, &JackConnection::formatChanging, this);
    jack_on_info_shutdown(client, &JackConnection::shutdown, this);
    return jack_activate(client);
}

int JackConnection::registerOn(jack_client_t* client, Port& port) {
    const bool midi = port.kind_ == PortKind::midiIn || port.kind_ == PortKind::midiOut;
    const unsigned long flags =
        (isOutput(port.kind_) ? JackPortIsOutput : JackPortIsInput) | JackPortIsTerminal;
    jack_port_t* registered =
        jack_port_register(client, port.name_.c_str(),
                           midi ? JACK_DEFAULT_MIDI_TYPE : JACK_DEFAULT_AUDIO_TYPE, flags, 0);
    port.port_.store(registered, std::memory_order_release);
    return registered ? 0 : -EEXIST;
}

JackConnection::Port* JackConnection::registerPort(std::string_view name, PortKind kind,
                                                   int& status) {
    std::shared_ptr<Port> port(new Port(std::string(name), kind));
    {
        const std::lock_guard lock(mutex_);
        if (std::any_of(ports_.begin(), ports_.end(),
                        [&](const auto& p) { return p->name_ == port->name_; })) {
            status = -EEXIST;
            return nullptr;
        }
    }
    if (client_) {
        if (const int result = registerOn(client_, *port); result != 0) {
            status = result;
            return nullptr;
        }
    }
    const std::lock_guard lock(mutex_);
    ports_.push_back(port);
    status = 0;
    return port.get();
}

void JackConnection::unregisterPort(Port* port) {
    if (jack_port_t* registered = port->port_.exchange(nullptr); registered && client_) {
        jack_port_unregister(client_, registered);
    }
    const std::lock_guard lock(mutex_);
    connected_.erase(port->name_);
    std::erase_if(awaiting_, [&](const auto& pair) { return pair.first == port->name_; });
    std::erase_if(ports_, [&](const auto& p) { return p.get() == port; });
}

std::string JackConnection::clientName() const {
    return client_ ? jack_get_client_name(client_) : std::string();
}

std::string JackConnection::fullName(const Port& port) const {
    jack_port_t* registered = port.handle();
    return client_ && registered ? jack_port_name(registered) : std::string();
}

int JackConnection::connect(const Port& port, const std::string& peer) {
    jack_port_t* ours = port.handle();
    if (!client_ || !ours || !jack_port_by_name(client_, peer.c_str())) {
        const std::lock_guard lock(mutex_);
        awaiting_.emplace(port.name_, peer);
        return client_ ? -ENOENT : -ENOTCONN;
    }
    const std::string name = jack_port_name(ours);
    return isOutput(port.kind_) ? jack_connect(client_, name.c_str(), peer.c_str())
                                : jack_connect(client_, peer.c_str(), name.c_str());
}

std::set<std::string> JackConnection::rememberedPeers(const Port& port) const {
    const std::lock_guard lock(mutex_);
    std::set<std::string> peers;
    if (const auto found = connected_.find(port.name_); found != connected_.end()) {
        peers = found->second;
    }
    for (const auto& [ours, peer] : awaiting_) {
        if (ours == port.name_) {
            peers.insert(peer);
        }
    }
    return peers;
}

void JackConnection::connectAwaiting(jack_client_t* client) {
    std::vector<std::pair<std::shared_ptr<Port>, std::string>> wanted;
    {
        const std::lock_guard lock(mutex_);
        for (const auto& [ours, peer] : awaiting_) {
            for (const auto& port : ports_) {
                if (port->name_ == ours) {
                    wanted.emplace_back(port, peer);
                }
            }
        }
    }
    // Outside the lock: each connection is a call into the server.
    for (const auto& [port, peer] : wanted) {
        jack_port_t* registered = port->handle();
        if (!registered || !jack_port_by_name(client, peer.c_str()) ||
            jack_port_connected_to(registered, peer.c_str())) {
            continue;
        }
        const std::string name = jack_port_name(registered);
        if (isOutput(port->kind_)) {
            jack_connect(client, name.c_str(), peer.c_str());
        } else {
            jack_connect(client, peer.c_str(), name.c_str());
        }
    }
}

void JackConnection::dispatchPending() {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t drained = ::read(wakeFd_, &count, sizeof count);
    // Before a loss is handled: what changed while the server ran is remembered first.
    takeChanges();
    if (reconnecting_) {
        bool joined = false;
        {
            const std::lock_guard lock(mutex_);
            joined = joinedClient_ != nullptr;
        }
        if (!joined) {
            return;
        }
        adoptReconnected();
    }
    if (!client_) {
        return;
    }
    if (shutDown_.load(std::memory_order_acquire)) {
        std::vector<std::shared_ptr<Port>> ports;
        {
            const std::lock_guard lock(mutex_);
            deadClient_ = std::exchange(client_, nullptr);
            for (const auto& [ours, peers] : connected_) {
                for (const std::string& peer : peers) {
                    awaiting_.emplace(ours, peer);
                }
            }
            ports = ports_;
        }
        for (const auto& port : ports) {
            port->port_.store(nullptr, std::memory_order_release);
        }
        listener_.serverGone();
        startReconnecting();
        return;
    }
    if (portAppeared_.exchange(false)) {
        connectAwaiting(client_);
    }
    if (formatChanged_.exchange(false)) {
        listener_.formatChanged();
    }
}

void JackConnection::adoptReconnected() {
    thread_.join();
    reconnecting_ = false;
    std::vector<std::shared_ptr<Port>> ports;
    {
        const std::lock_guard lock(mutex_);
        client_ = std::exchange(joinedClient_, nullptr);
        ports = ports_;
    }
    // Ports asked for while the thread was registering the others.
    for (const auto& port : ports) {
        if (!port->handle()) {
            registerOn(client_, *port);
        }
    }
    connectAwaiting(client_);
    listener_.serverBack();
    // A new server may run at other settings, whether or not it said so.
    formatChanged_.store(true);
}

void JackConnection::startReconnecting() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = false;
    }
    reconnecting_ = true;
    thread_ = std::thread(&JackConnection::reconnectLoop, this);
}

void JackConnection::stopReconnecting() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    stopRequested_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void JackConnection::reconnectLoop() {
    jack_client_t* dead = nullptr;
    {
        const std::lock_guard lock(mutex_);
        dead = std::exchange(deadClient_, nullptr);
    }
    // The server is gone, so nothing here waits for it.
    close(dead);
    for (;;) {
        std::vector<std::shared_ptr<Port>> ports;
        {
            std::unique_lock lock(mutex_);
            if (stopRequested_.wait_for(lock, retryPeriod, [this] { return stop_; })) {
                return;
            }
            ports = ports_;
        }
        if (unclosedDeadClients_.load() != 0) {
            continue;
        }
        jack_status_t status{};
        jack_client_t* client = jack_client_open(name_.c_str(), JackNoStartServer, &status);
        if (!client) {
            continue;
        }
        const bool registered = std::all_of(ports.begin(), ports.end(), [&](const auto& port) {
            return registerOn(client, *port) == 0;
        });
        if (!registered || wire(client) != 0) {
            close(client);
            for (const auto& port : ports) {
                port->port_.store(nullptr, std::memory_order_release);
            }
            continue;
        }
        connectAwaiting(client);
        {
            const std::lock_guard lock(mutex_);
            joinedClient_ = client;
        }
        wake();
        return;
    }
}

} // namespace tinkella
