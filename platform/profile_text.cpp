// Line scanner and editor behind the profile file services.
#include "platform/profile_text.h"

#include "platform/joined.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

std::string_view unquoted(std::string_view s)
{
    const bool quoted = s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
    return quoted ? s.substr(1, s.size() - 2) : s;
}

struct Line {
    size_t begin;       // first byte
    size_t contentEnd;  // just past the last byte before the line end
    size_t end;         // just past the line end, or the end of the text
    bool hasNewline;    // false for a last line that ends without "\n"
};

// The lines after a leading byte-order mark; an empty rest after the last line end is no line.
// A line ends with "\n" or "\r\n"; a "\r" that ends the text counts as the start of a line end.
std::vector<Line> linesOf(std::string_view text)
{
    std::vector<Line> lines;
    size_t begin = text.starts_with(byteOrderMark) ? byteOrderMark.size() : 0;
    while (begin < text.size()) {
        const size_t newline = std::min(text.find('\n', begin), text.size());
        const size_t end = newline < text.size() ? newline + 1 : newline;
        const bool cr = newline > begin && text[newline - 1] == '\r';
        lines.push_back({begin, cr ? newline - 1 : newline, end, newline < text.size()});
        begin = end;
    }
    return lines;
}

std::optional<std::string_view> sectionName(std::string_view content)
{
    content = trimmed(content);
    if (!content.starts_with('[')) return std::nullopt;
    const size_t close = content.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trimmed(content.substr(1, close - 1));
}

bool beginsLikeKey(std::string_view name)
{
    return !name.empty() && !name.starts_with('[') && !name.starts_with(';') && !name.starts_with('#');
}

std::optional<std::string_view> keyName(std::string_view content)
{
    const size_t equals = content.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view name = trimmed(content.substr(0, equals));
    if (!beginsLikeKey(name)) return std::nullopt;
    return name;
}

struct Location {
    std::optional<size_t> header;  // the section's line
    size_t anchor = 0;             // the line after which a missing key goes: the last key or the header
    std::optional<size_t> key;     // the key's line
};

Location locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key)
{
    section = trimmed(section);
    key = trimmed(key);
    Location where;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view content = text.substr(lines[i].begin, lines[i].contentEnd - lines[i].begin);
        if (const auto name = sectionName(content)) {
            if (where.header) break;
            if (sameName(*name, section)) where.header = where.anchor = i;
        } else if (const auto name = where.header ? keyName(content) : std::nullopt) {
            where.anchor = i;
            if (sameName(*name, key)) {
                where.key = i;
                break;
            }
        }
    }
    return where;
}

// The file's own line end (that of its first line), "\n" for a file that has none yet.
std::string_view lineEndOf(std::string_view text)
{
    const size_t newline = text.find('\n');
    if (newline == std::string_view::npos) return "\n";
    return newline > 0 && text[newline - 1] == '\r' ? "\r\n" : "\n";
}

bool hasBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// What a last line without "\n" needs before another line can follow it without changing it.
std::string_view endingFor(const Line& last, std::string_view lineEnd)
{
    return last.end > last.contentEnd ? "\n" : lineEnd;
}

std::string encoded(std::string_view value)
{
    const bool changesOnReading = trimmed(value).size() != value.size() || unquoted(value).size() != value.size();
    return changesOnReading ? joined({"\"", value, "\""}) : std::string(value);
}

} // namespace

std::optional<std::string> profileValue(std::string_view text, std::string_view section,
                                        std::string_view key)
{
    const auto lines = linesOf(text);
    const Location where = locate(text, lines, section, key);
    if (!where.key) return std::nullopt;
    const Line& line = lines[*where.key];
    const size_t equals = text.find('=', line.begin);
    return std::string(unquoted(trimmed(text.substr(equals + 1, line.contentEnd - equals - 1))));
}

bool isWritableProfileEntry(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view name = trimmed(section);
    return !name.empty() && name.find(']') == std::string_view::npos && beginsLikeKey(trimmed(key)) &&
           key.find('=') == std::string_view::npos && !hasBreak(section) && !hasBreak(key) && !hasBreak(value);
}

std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value)
{
    const auto lines = linesOf(text);
    const Location where = locate(text, lines, section, key);
    const std::string_view lineEnd = lineEndOf(text);
    const std::string entry = joined({trimmed(key), "=", encoded(value)});
    std::string result(text);
    if (where.key) {
        const Line& line = lines[*where.key];
        const size_t valueBegin = text.find('=', line.begin) + 1;
        result.replace(valueBegin, line.contentEnd - valueBegin, encoded(value));
    } else if (where.header) {
        const Line& anchor = lines[where.anchor];
        const std::string_view anchorEnd = text.substr(anchor.contentEnd, anchor.end - anchor.contentEnd);
        result.insert(anchor.end, anchor.hasNewline ? joined({entry, anchorEnd}) : joined({endingFor(anchor, lineEnd), entry}));
    } else {
        if (!lines.empty() && !lines.back().hasNewline) result += endingFor(lines.back(), lineEnd);
        result += joined({"[", trimmed(section), "]", lineEnd, entry, lineEnd});
    }
    return result;
}
