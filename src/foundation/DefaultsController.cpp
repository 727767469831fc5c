#include "foundation/DefaultsController.h"

#include <algorithm>
#include <vector>

namespace tinkella {

// The bindings of one controller; shared with the registrations so that one outliving the
// controller finds it gone instead of dangling.
struct DefaultsBinding::Link {
    struct Entry {
        std::uint64_t id;
        std::string key;
        std::shared_ptr<DefaultsController::Receiver> receiver;
    };
    std::vector<Entry> entries;
    std::uint64_t nextId = 1;

    void remove(std::uint64_t id) {
        std::erase_if(entries, [id](const Entry& e) { return e.id == id; });
    }
    bool contains(std::uint64_t id) const {
        return std::any_of(entries.begin(), entries.end(),
                           [id](const Entry& e) { return e.id == id; });
    }
};

namespace {

constexpr std::string_view valuesPrefix = "values.";

DefaultsController::StoreFactory& sharedStoreFactory() {
    static DefaultsController::StoreFactory factory;
    return factory;
}

} // namespace

DefaultsBinding::DefaultsBinding(std::weak_ptr<Link> link, std::uint64_t id, std::string keyPath,
                                 BindingOptions options)
    : link_(std::move(link)), id_(id), keyPath_(std::move(keyPath)), options_(options) {}

DefaultsBinding::DefaultsBinding(DefaultsBinding&& other) noexcept
    : link_(std::move(other.link_)), id_(other.id_), keyPath_(std::move(other.keyPath_)),
      options_(other.options_) {
    other.id_ = 0;
}

DefaultsBinding& DefaultsBinding::operator=(DefaultsBinding&& other) noexcept {
    if (this != &other) {
        reset();
        link_ = std::move(other.link_);
        id_ = other.id_;
        keyPath_ = std::move(other.keyPath_);
        options_ = other.options_;
        other.id_ = 0;
    }
    return *this;
}

DefaultsBinding::~DefaultsBinding() {
    reset();
}

void DefaultsBinding::reset() {
    if (id_ != 0) {
        if (const auto link = link_.lock()) {
            link->remove(id_);
        }
        id_ = 0;
    }
    link_.reset();
}

void DefaultsController::setSharedStoreFactory(StoreFactory factory) {
    sharedStoreFactory() = std::move(factory);
}

DefaultsController& DefaultsController::shared() {
    static DefaultsController controller(
        sharedStoreFactory() ? sharedStoreFactory()() : std::make_unique<InMemoryDefaultsStore>());
    return controller;
}

DefaultsController::DefaultsController(std::unique_ptr<DefaultsStore> store)
    : store_(store ? std::move(store) : std::make_unique<InMemoryDefaultsStore>()),
      link_(std::make_shared<DefaultsBinding::Link>()) {}

DefaultsController::~DefaultsController() = default;

std::string_view DefaultsController::keyOf(std::string_view keyPath) {
    if (keyPath.size() <= valuesPrefix.size() || !keyPath.starts_with(valuesPrefix)) {
        return {};
    }
    return keyPath.substr(valuesPrefix.size());
}

void DefaultsController::replaceStore(std::unique_ptr<DefaultsStore> store) {
    store_ = store ? std::move(store) : std::make_unique<InMemoryDefaultsStore>();
    std::vector<std::string> keys;
    for (const auto& entry : link_->entries) {
        if (std::find(keys.begin(), keys.end(), entry.key) == keys.end()) {
            keys.push_back(entry.key);
        }
    }
    for (const std::string& key : keys) {
        deliver(key);
    }
}

void DefaultsController::registerDefaults(const Defaults& defaults) {
    for (const auto& [key, value] : defaults) {
        registered_.insert_or_assign(key, value);
    }
}

DefaultsValue DefaultsController::registeredDefault(std::string_view key) const {
    const auto it = registered_.find(key);
    return it == registered_.end() ? DefaultsValue() : it->second;
}

DefaultsValue DefaultsController::objectForKey(std::string_view key) const {
    DefaultsValue stored = store_->read(key);
    return stored.isAbsent() ? registeredDefault(key) : stored;
}

void DefaultsController::setObject(const DefaultsValue& value, std::string_view key) {
    store_->write(key, value);
    deliver(key);
}

DefaultsValue DefaultsController::value(std::string_view keyPath) const {
    const std::string_view key = keyOf(keyPath);
    return key.empty() ? DefaultsValue() : objectForKey(key);
}

void DefaultsController::setValue(const DefaultsValue& value, std::string_view keyPath) {
    const std::string_view key = keyOf(keyPath);
    if (!key.empty()) {
        setObject(value, key);
    }
}

DefaultsBinding DefaultsController::bind(std::string_view keyPath, Receiver receiver,
                                         BindingOptions options) {
    const std::string_view key = keyOf(keyPath);
    if (key.empty() || !receiver) {
        return {};
    }
    const std::uint64_t id = link_->nextId++;
    auto shared = std::make_shared<Receiver>(std::move(receiver));
    link_->entries.push_back({id, std::string(key), shared});
    DefaultsBinding binding(link_, id, std::string(keyPath), options);
    (*shared)(objectForKey(key));
    return binding;
}

void DefaultsController::deliver(std::string_view key) {
    // Deliver to the readers bound when the write began, skipping any unbound meanwhile; each
    // gets the value current at its turn, so a reader that writes again is never overtaken by
    // an older value.
    std::vector<std::pair<std::uint64_t, std::shared_ptr<Receiver>>> targets;
    for (const auto& entry : link_->entries) {
        if (entry.key == key) {
            targets.emplace_back(entry.id, entry.receiver);
        }
    }
    const std::shared_ptr<DefaultsBinding::Link> link = link_;
    for (const auto& [id, receiver] : targets) {
        if (link->contains(id)) {
            (*receiver)(objectForKey(key));
        }
    }
}

} // namespace tinkella
