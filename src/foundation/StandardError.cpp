#include "interfaces/StandardError.h"

#include <cerrno>
#include <unistd.h>

namespace tinkella {

void PosixStandardErrorWriter::write(std::string_view bytes) {
    // A write interrupted before it moved anything is repeated; a short write is not, because
    // finishing it with a second write could interleave with other writers.
    while (::write(STDERR_FILENO, bytes.data(), bytes.size()) < 0 && errno == EINTR) {
    }
}

} // namespace tinkella
