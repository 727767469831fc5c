#pragma once

#include <string_view>

namespace tinkella {

// The process's standard error as a sink of whole lines.
class StandardErrorWriter {
public:
    virtual ~StandardErrorWriter() = default;
    // Writes bytes with a single write so concurrent writers never split it; errors are
    // ignored.
    virtual void write(std::string_view bytes) = 0;
};

// Writes to file descriptor 2.
class PosixStandardErrorWriter final : public StandardErrorWriter {
public:
    void write(std::string_view bytes) override;
};

} // namespace tinkella
