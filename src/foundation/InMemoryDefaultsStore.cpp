#include "foundation/InMemoryDefaultsStore.h"

namespace tinkella {

DefaultsValue InMemoryDefaultsStore::read(std::string_view key) const {
    const auto it = values_.find(key);
    return it == values_.end() ? DefaultsValue() : it->second;
}

bool InMemoryDefaultsStore::write(std::string_view key, const DefaultsValue& value) {
    ++writeCount_;
    if (value.isAbsent()) {
        if (const auto it = values_.find(key); it != values_.end()) {
            values_.erase(it);
        }
        return true;
    }
    values_.insert_or_assign(std::string(key), value);
    return true;
}

} // namespace tinkella
