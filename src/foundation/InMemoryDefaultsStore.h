#pragma once

#include "interfaces/DefaultsStore.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tinkella {

// A store that lives in memory only: the test double, and the fallback when the settings file
// cannot be used.
class InMemoryDefaultsStore : public DefaultsStore {
public:
    InMemoryDefaultsStore() = default;
    explicit InMemoryDefaultsStore(std::map<std::string, DefaultsValue, std::less<>> values)
        : values_(std::move(values)) {}

    DefaultsValue read(std::string_view key) const override;
    bool write(std::string_view key, const DefaultsValue& value) override;

    const std::map<std::string, DefaultsValue, std::less<>>& values() const { return values_; }
    std::size_t writeCount() const { return writeCount_; }

private:
    std::map<std::string, DefaultsValue, std::less<>> values_;
    std::size_t writeCount_ = 0;
};

} // namespace tinkella
