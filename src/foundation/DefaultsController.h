#pragma once

#include "foundation/InMemoryDefaultsStore.h"
#include "interfaces/DefaultsValue.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace tinkella {

class DefaultsController;

struct BindingOptions {
    // A bound control writes its value on every step of a drag, not only when it is let go.
    bool continuouslyUpdates = false;
};

// Keeps one binding alive; destroying it (or reset()) stops the deliveries. Safe to destroy
// after the controller is gone.
class DefaultsBinding {
public:
    DefaultsBinding() = default;
    DefaultsBinding(DefaultsBinding&& other) noexcept;
    DefaultsBinding& operator=(DefaultsBinding&& other) noexcept;
    DefaultsBinding(const DefaultsBinding&) = delete;
    DefaultsBinding& operator=(const DefaultsBinding&) = delete;
    ~DefaultsBinding();

    bool isBound() const { return id_ != 0; }
    const std::string& keyPath() const { return keyPath_; }
    const BindingOptions& options() const { return options_; }
    void reset();

private:
    friend class DefaultsController;
    struct Link;
    DefaultsBinding(std::weak_ptr<Link> link, std::uint64_t id, std::string keyPath,
                    BindingOptions options);

    std::weak_ptr<Link> link_;
    std::uint64_t id_ = 0;
    std::string keyPath_;
    BindingOptions options_;
};

// The program's settings as its windows see them: the settings file's store (in tests, one in
// memory) under the registered defaults, direct reads and writes by key, and bindings by key
// path "values.<key>" through which every change reaches every control and view bound to the
// key. Main thread only; every delivery is synchronous, in the order of binding.
//
// Registered defaults live for the process only and are never written to the store. A value
// read through a key path is the stored value, else the registered default, exactly as stored:
// the application's readers decode it through the preferences table (Preferences.h).
class DefaultsController {
public:
    using Defaults = std::map<std::string, DefaultsValue, std::less<>>;
    using Receiver = std::function<void(const DefaultsValue&)>;
    using StoreFactory = std::function<std::unique_ptr<DefaultsStore>()>;

    // The controller of the process, made on first use from the shared store factory (an
    // in-memory store when none was set).
    static DefaultsController& shared();
    // Chooses the store shared() uses; call before its first use.
    static void setSharedStoreFactory(StoreFactory factory);

    explicit DefaultsController(std::unique_ptr<DefaultsStore> store);
    ~DefaultsController();
    DefaultsController(const DefaultsController&) = delete;
    DefaultsController& operator=(const DefaultsController&) = delete;

    DefaultsStore& store() { return *store_; }
    // Puts another store in place (a reloaded settings file, a fresh store between test
    // scenarios) and delivers every bound key's value from it. A null store is an empty one.
    void replaceStore(std::unique_ptr<DefaultsStore> store);

    // Adds to (and replaces entries of) the registered defaults. Writes nothing.
    void registerDefaults(const Defaults& defaults);
    DefaultsValue registeredDefault(std::string_view key) const;

    // Direct access by key: the stored value, else the registered default, else absent.
    DefaultsValue objectForKey(std::string_view key) const;
    // Writes the key at once; readers bound to it get the new value before this returns.
    void setObject(const DefaultsValue& value, std::string_view key);

    // Access through "values.<key>"; any other key path reads as absent and writes nothing.
    DefaultsValue value(std::string_view keyPath) const;
    void setValue(const DefaultsValue& value, std::string_view keyPath);

    // Delivers value(keyPath) to the receiver at once and after every later write of the key.
    // The receiver may read, write or unbind from inside a delivery.
    [[nodiscard]] DefaultsBinding bind(std::string_view keyPath, Receiver receiver,
                                       BindingOptions options = {});

    // "values.keyWidth" -> "keyWidth"; empty when the path has another form.
    static std::string_view keyOf(std::string_view keyPath);

private:
    void deliver(std::string_view key);

    std::unique_ptr<DefaultsStore> store_;
    Defaults registered_;
    std::shared_ptr<DefaultsBinding::Link> link_;
};

} // namespace tinkella
