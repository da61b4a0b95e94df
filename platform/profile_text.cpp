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

using NamedLine = ProfileText::NamedLine;

// The section and key lines among those from `begin` to `stop` (a line end or the end of the text).
// A line ends with "\n" or "\r\n"; a "\r" that ends the text counts as the start of a line end.
std::vector<NamedLine> namedLinesIn(std::string_view text, size_t begin, size_t stop)
{
    std::vector<NamedLine> lines;
    while (begin < stop) {
        const size_t newline = std::min(text.find('\n', begin), stop);
        const size_t end = newline < text.size() ? newline + 1 : newline;
        const size_t contentEnd = newline > begin && text[newline - 1] == '\r' ? newline - 1 : newline;
        const std::string_view content = text.substr(begin, contentEnd - begin);
        const auto section = sectionName(content);
        if (const auto name = section ? section : keyName(content)) {
            lines.push_back({static_cast<uint32_t>(begin), static_cast<uint32_t>(contentEnd),
                             static_cast<uint32_t>(end), static_cast<uint32_t>(name->data() - text.data()),
                             static_cast<uint32_t>(name->size()), section.has_value()});
        }
        begin = end;
    }
    return lines;
}

// The file's own line end (that of its first line), "\n" for a file that has none yet.
std::string_view lineEndOf(std::string_view text)
{
    const size_t newline = text.find('\n');
    if (newline == std::string_view::npos) return "\n";
    return newline > 0 && text[newline - 1] == '\r' ? "\r\n" : "\n";
}

bool hasBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// What a last line without "\n" needs before another line can follow it without changing it: a
// text that ends in "\r" only lacks the "\n".
std::string_view endingAfter(std::string_view text, std::string_view lineEnd)
{
    return text.ends_with('\r') ? "\n" : lineEnd;
}

std::string encoded(std::string_view value)
{
    const bool changesOnReading = trimmed(value).size() != value.size() || unquoted(value).size() != value.size();
    return changesOnReading ? joined({"\"", value, "\""}) : std::string(value);
}

size_t firstLineBegin(std::string_view text)
{
    return text.starts_with(byteOrderMark) ? byteOrderMark.size() : 0;
}

} // namespace

struct ProfileText::Location {
    std::optional<size_t> header;  // the section's line
    size_t anchor = 0;             // the line after which a missing key goes: the last key or the header
    std::optional<size_t> key;     // the key's line
};

ProfileText::ProfileText(std::string text)
    : text_(std::move(text)), lines_(namedLinesIn(text_, firstLineBegin(text_), text_.size()))
{
}

ProfileText::Location ProfileText::locate(std::string_view section, std::string_view key) const
{
    section = trimmed(section);
    key = trimmed(key);
    const auto nameOf = [this](const NamedLine& line) {
        return std::string_view(text_).substr(line.nameBegin, line.nameLength);
    };
    Location where;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].isSection) {
            if (where.header) break;
            if (sameName(nameOf(lines_[i]), section)) where.header = where.anchor = i;
        } else if (where.header) {
            where.anchor = i;
            if (sameName(nameOf(lines_[i]), key)) {
                where.key = i;
                break;
            }
        }
    }
    return where;
}

void ProfileText::splice(size_t first, size_t stop, size_t at, size_t erase, std::string_view bytes)
{
    const auto byBegin = [](const NamedLine& line, size_t position) { return line.begin < position; };
    const auto from = std::lower_bound(lines_.begin(), lines_.end(), first, byBegin);
    const auto to = std::lower_bound(from, lines_.end(), stop, byBegin);
    text_.replace(at, erase, bytes);
    const size_t newStop = stop - erase + bytes.size();
    const auto delta = static_cast<uint32_t>(bytes.size() - erase);  // wraps for a shorter text, as intended
    for (auto line = to; line != lines_.end(); ++line) {
        for (uint32_t* offset : {&line->begin, &line->contentEnd, &line->end, &line->nameBegin}) *offset += delta;
    }
    const std::vector<NamedLine> parsed = namedLinesIn(text_, first, newStop);
    lines_.insert(lines_.erase(from, to), parsed.begin(), parsed.end());
}

std::optional<std::string> ProfileText::value(std::string_view section, std::string_view key) const
{
    const Location where = locate(section, key);
    if (!where.key) return std::nullopt;
    const NamedLine& line = lines_[*where.key];
    const size_t equals = text_.find('=', line.begin);
    return std::string(unquoted(trimmed(std::string_view(text_).substr(equals + 1, line.contentEnd - equals - 1))));
}

bool ProfileText::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    const Location where = locate(section, key);
    const std::string stored = encoded(value);
    if (where.key) {
        const NamedLine line = lines_[*where.key];
        const size_t valueBegin = text_.find('=', line.begin) + 1;
        const size_t length = line.contentEnd - valueBegin;
        if (text_.compare(valueBegin, length, stored) == 0) return false;
        splice(line.begin, line.end, valueBegin, length, stored);
        return true;
    }
    const std::string_view lineEnd = lineEndOf(text_);
    const std::string entry = joined({trimmed(key), "=", stored});
    if (where.header) {
        const NamedLine anchor = lines_[where.anchor];
        const std::string_view anchorEnd = std::string_view(text_).substr(anchor.contentEnd, anchor.end - anchor.contentEnd);
        const bool hasNewline = anchorEnd.ends_with('\n');
        const std::string_view before = std::string_view(text_).substr(0, anchor.end);
        splice(anchor.begin, anchor.end, anchor.end, 0,
               hasNewline ? joined({entry, anchorEnd}) : joined({endingAfter(before, lineEnd), entry}));
        return true;
    }
    const size_t size = text_.size();
    const bool openLastLine = size > firstLineBegin(text_) && !text_.ends_with('\n');
    const size_t lastNewline = text_.rfind('\n');
    const size_t lastLine = !openLastLine ? size : lastNewline == std::string::npos ? firstLineBegin(text_) : lastNewline + 1;
    const std::string_view ending = openLastLine ? endingAfter(text_, lineEnd) : "";
    splice(lastLine, size, size, 0, joined({ending, "[", trimmed(section), "]", lineEnd, entry, lineEnd}));
    return true;
}

std::optional<std::string> profileValue(std::string_view text, std::string_view section,
                                        std::string_view key)
{
    return ProfileText(std::string(text)).value(section, key);
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
    ProfileText edited{std::string(text)};
    edited.setValue(section, key, value);
    return edited.text();
}
