#pragma once

#include "interfaces/DefaultsValue.h"

#include <string_view>

namespace tinkella {

// The per-user persistent key-value store of the application: read and write of one key by
// name. Main thread only.
class DefaultsStore {
public:
    virtual ~DefaultsStore() = default;
    // The stored value, or absent when the store holds none for the key.
    virtual DefaultsValue read(std::string_view key) const = 0;
    // Stores the value at once: every later read answers it. False when it is known that it
    // cannot be made persistent; the store then keeps it for the rest of the process.
    virtual bool write(std::string_view key, const DefaultsValue& value) = 0;
    // Makes every value written so far persistent now (a store may do so a little later on its
    // own). False when that failed.
    virtual bool flush() { return true; }
};

} // namespace tinkella
