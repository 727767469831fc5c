#pragma once

#include <string>

namespace tinkella {

// A status of the JACK adapter in words: jack_status_t bits by JACK's own names, joined by '|'
// ("JackFailure|JackServerFailed"), bits JACK has not named as a hexadecimal rest; a negative
// errno as strerror(3) names it.
std::string describeJackStatus(int status);

} // namespace tinkella
