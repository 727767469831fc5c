#pragma once

#include <string>
#include <string_view>

namespace tinkella {

// Text from outside the program (a path, a port or client name another program chose, a
// library's message), made safe to stand inside one log line: line feed, carriage return and
// tab become \n, \r and \t; other control bytes and bytes that are not UTF-8 become \xHH; the
// C1 controls and the line and paragraph separators, U+0085, U+2028 and U+2029, which some
// readers take for line breaks, become \uHHHH. Everything else, a backslash included, is kept
// as it is, so text without such characters comes back unchanged. Pure.
std::string escapedForLog(std::string_view text);

} // namespace tinkella
