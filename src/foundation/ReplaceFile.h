#pragma once

#include <string>
#include <string_view>

namespace tinkella {

// Writes bytes to the file at path, an absolute path in the file system's own bytes, all or
// nothing: into a new hidden file beside it, flushed to the disk, then renamed over it, so that a
// failure at any step leaves path as it was and takes the new file away again. A symbolic link
// is followed to the file it names, which is replaced (or made, when the link dangles) while the
// link stays. Only a regular file is replaced, keeping its permission bits, and only one this
// process may write; a directory, a FIFO, a device or a socket is never touched. A new file gets
// the permissions of the umask. Returns why nothing was written ("No space left on device", as
// strerror words it in English, or our own words for a path refused); empty when path now holds
// bytes. Blocks until the disk has them.
std::string replaceFile(const std::string& path, std::string_view bytes);

} // namespace tinkella
