#include "adapters/qt/IniText.h"

#include <set>
#include <vector>

namespace tinkella::ini {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r' || s.back() == '\n')) {
        s.remove_suffix(1);
    }
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void appendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        code = code > 0xFFFF ? 0xFFFD : code;
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// "%XX" and "%UXXXX" are characters, a backslash is the section separator '/'.
std::string unescapeKey(std::string_view key) {
    std::string out;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char c = key[i];
        if (c == '\\') {
            out += '/';
            continue;
        }
        const std::size_t digits = i + 1 < key.size() && key[i + 1] == 'U' ? 4 : 2;
        const std::size_t first = i + 1 + (digits == 4 ? 1 : 0);
        unsigned long code = 0;
        bool valid = c == '%' && first + digits <= key.size();
        for (std::size_t d = 0; valid && d < digits; ++d) {
            const int v = hexDigit(key[first + d]);
            valid = v >= 0;
            code = code * 16 + static_cast<unsigned long>(v);
        }
        if (valid) {
            appendUtf8(out, code);
            i = first + digits - 1;
        } else {
            out += c;
        }
    }
    return out;
}

std::string escapeKey(std::string_view key) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : key) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.' || u >= 0x80) {
            out += c;
        } else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 0xF];
        }
    }
    return out;
}

// The value after '=': quotes group, backslashes escape, an unquoted ';' starts a comment and
// unquoted blanks at either end do not count.
std::string unescapeValue(std::string_view raw) {
    std::string out;
    std::size_t significant = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            significant = out.size();
            continue;
        }
        if (!quoted && c == ';') {
            break;
        }
        if (c == '\\' && i + 1 < raw.size()) {
            const char e = raw[++i];
            unsigned long code = 0;
            switch (e) {
            case 'a':
                out += '\a';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'v':
                out += '\v';
                break;
            case 'x':
                while (i + 1 < raw.size() && hexDigit(raw[i + 1]) >= 0 && code <= 0xFFFF) {
                    code = code * 16 + static_cast<unsigned long>(hexDigit(raw[++i]));
                }
                appendUtf8(out, code);
                break;
            default:
                if (e >= '0' && e <= '7') {
                    code = static_cast<unsigned long>(e - '0');
                    while (i + 1 < raw.size() && raw[i + 1] >= '0' && raw[i + 1] <= '7' &&
                           code <= 0xFFFF) {
                        code = code * 8 + static_cast<unsigned long>(raw[++i] - '0');
                    }
                    appendUtf8(out, code);
                } else {
                    out += e; // \" \' \\ \? and any other character stand for themselves
                }
            }
            significant = out.size();
            continue;
        }
        out += c;
        if (quoted || !isBlank(c)) {
            significant = out.size();
        }
    }
    out.resize(significant);
    if (out.starts_with("@@")) {
        out.erase(0, 1);
    }
    return out;
}

std::string escapeValue(std::string_view value) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string out = value.starts_with('@') ? "@" : "";
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (escapeNextIfHex && hexDigit(c) >= 0) {
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 0xF];
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case '\a':
            out += "\\a";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\v':
            out += "\\v";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (u < 0x20 || u == 0x7F) {
                out += "\\x";
                out += hex[u >> 4];
                out += hex[u & 0xF];
                escapeNextIfHex = true;
            } else {
                out += c;
            }
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) {
        return '"' + out + '"';
    }
    return out;
}

enum class LineKind { blank, comment, section, entry, invalid };

struct Line {
    LineKind kind = LineKind::blank;
    std::string name; // the section, or the entry's key, unescaped
    std::string_view value;
};

Line classify(std::string_view text) {
    const std::string_view t = trim(text);
    if (t.empty()) {
        return {};
    }
    if (t.front() == ';' || t.front() == '#') {
        return {LineKind::comment, {}, {}};
    }
    if (t.front() == '[') {
        if (t.back() != ']') {
            return {LineKind::invalid, {}, {}};
        }
        std::string section = unescapeKey(trim(t.substr(1, t.size() - 2)));
        std::string lower = section;
        for (char& c : lower) {
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return {LineKind::section, lower == "general" ? std::string() : section, {}};
    }
    const std::size_t equals = t.find('=');
    const std::string_view key = equals == std::string_view::npos ? t : trim(t.substr(0, equals));
    if (equals == std::string_view::npos || key.empty()) {
        return {LineKind::invalid, {}, {}};
    }
    return {LineKind::entry, unescapeKey(key), trim(t.substr(equals + 1))};
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

} // namespace

std::optional<Values> parse(std::string_view text) {
    Values values;
    std::string section;
    for (const std::string_view line : splitLines(text)) {
        Line l = classify(line);
        switch (l.kind) {
        case LineKind::invalid:
            return std::nullopt;
        case LineKind::section:
            section = std::move(l.name);
            break;
        case LineKind::entry:
            values.insert_or_assign(section.empty() ? l.name : section + "/" + l.name,
                                    unescapeValue(l.value));
            break;
        case LineKind::blank:
        case LineKind::comment:
            break;
        }
    }
    return values;
}

std::string update(std::string_view text,
                   const std::map<std::string, std::optional<std::string>, std::less<>>& changes) {
    std::vector<std::string> out;
    std::set<std::string, std::less<>> written;
    std::optional<std::size_t> generalEnd; // where a new top-level key goes
    std::optional<std::size_t> firstSection;
    bool inGeneral = true;
    for (const std::string_view line : splitLines(text)) {
        const Line l = classify(line);
        if (l.kind == LineKind::section) {
            firstSection = firstSection.value_or(out.size());
            inGeneral = l.name.empty();
            out.emplace_back(line);
            if (inGeneral) {
                generalEnd = out.size();
            }
            continue;
        }
        const auto change =
            l.kind == LineKind::entry && inGeneral ? changes.find(l.name) : changes.end();
        if (change != changes.end()) {
            if (change->second) {
                const std::string_view ending = line.ends_with("\r\n") ? "\r\n" : "\n";
                out.push_back(escapeKey(change->first) + "=" + escapeValue(*change->second) +
                              std::string(ending));
                written.insert(change->first);
                generalEnd = out.size();
            }
            continue;
        }
        out.emplace_back(line);
        if (l.kind == LineKind::entry && inGeneral) {
            generalEnd = out.size();
        }
    }
    std::string added;
    for (const auto& [key, value] : changes) {
        if (value && written.count(key) == 0) {
            added += escapeKey(key) + "=" + escapeValue(*value) + "\n";
        }
    }
    if (!added.empty()) {
        if (generalEnd) {
            if (*generalEnd > 0 && !out[*generalEnd - 1].ends_with('\n')) {
                out[*generalEnd - 1] += '\n';
            }
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(*generalEnd), added);
        } else if (firstSection) {
            out.insert(out.begin() + static_cast<std::ptrdiff_t>(*firstSection),
                       "[General]\n" + added + "\n");
        } else {
            if (!out.empty() && !out.back().ends_with('\n')) {
                out.back() += '\n';
            }
            out.push_back("[General]\n" + added);
        }
    }
    std::string result;
    for (const std::string& line : out) {
        result += line;
    }
    return result;
}

} // namespace tinkella::ini
