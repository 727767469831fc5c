#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tinkella::ini {

// The text of an INI settings file in the form QSettings reads and writes: "[section]" headers,
// "key=value" lines, values optionally in double quotes with backslash escapes, keys with
// "%XX" escapes. Keys of the "[General]" section (and keys before any header) are top-level;
// others are "section/key". Lines starting with ';' or '#' are comments.
using Values = std::map<std::string, std::string, std::less<>>;

// Every key with its unescaped value (the last one wins for a key written twice); none when
// the text has a line that is neither blank, comment, header nor "key=value".
std::optional<Values> parse(std::string_view text);

// The text with the given top-level keys set (a value) or removed (none). Every other line
// stays byte for byte, comments and the user's spelling of other values included; a changed
// key keeps its place, a new one joins the "[General]" section.
std::string update(std::string_view text,
                   const std::map<std::string, std::optional<std::string>, std::less<>>& changes);

} // namespace tinkella::ini
