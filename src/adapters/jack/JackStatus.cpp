#include "adapters/jack/JackStatus.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <jack/types.h>
#include <utility>

namespace tinkella {

std::string describeJackStatus(int status) {
    if (status < 0) {
        return std::strerror(-status);
    }
    static constexpr std::array<std::pair<int, const char*>, 13> names{{
        {JackFailure, "JackFailure"},
        {JackInvalidOption, "JackInvalidOption"},
        {JackNameNotUnique, "JackNameNotUnique"},
        {JackServerStarted, "JackServerStarted"},
        {JackServerFailed, "JackServerFailed"},
        {JackServerError, "JackServerError"},
        {JackNoSuchClient, "JackNoSuchClient"},
        {JackLoadFailure, "JackLoadFailure"},
        {JackInitFailure, "JackInitFailure"},
        {JackShmFailure, "JackShmFailure"},
        {JackVersionError, "JackVersionError"},
        {JackBackendError, "JackBackendError"},
        {JackClientZombie, "JackClientZombie"},
    }};
    std::string text;
    int rest = status;
    for (const auto& [bit, name] : names) {
        if ((status & bit) != 0) {
            text += (text.empty() ? "" : "|") + std::string(name);
            rest &= ~bit;
        }
    }
    if (rest != 0 || text.empty()) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(rest));
        text += (text.empty() ? "" : "|") + std::string(hex);
    }
    return text;
}

} // namespace tinkella
