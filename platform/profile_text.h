// Reading and editing the text of a profile (INI) file in memory: "[Section]" lines head sections,
// "Key=Value" lines inside them hold values. Names match without regard to letter case; every line
// that is not looked at is kept byte for byte (comments, blank lines, lines without "=", keys before
// the first section, duplicate sections and keys, CR LF line ends, a UTF-8 byte-order mark).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A profile text parsed once: values are looked up and set in memory, each edit exactly as
// withProfileValue makes it, and the edited text is taken whole. Only section and key lines are
// remembered, so a large file of other lines costs no more than its bytes.
class ProfileText {
public:
    explicit ProfileText(std::string text);

    // As profileValue.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // As withProfileValue; the entry must be writable. Returns whether the text changed.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    const std::string& text() const { return text_; }

    struct NamedLine {
        uint32_t begin;       // first byte
        uint32_t contentEnd;  // just past the last byte before the line end
        uint32_t end;         // just past the line end, or the end of the text
        uint32_t nameBegin;   // the trimmed section or key name
        uint32_t nameLength;
        bool isSection;
    };

private:
    struct Location;
    Location locate(std::string_view section, std::string_view key) const;
    // Replaces `erase` bytes at `at` with `bytes`, all within the lines from `first` on that end at
    // `stop` (a line end or the text's end), and parses those lines anew.
    void splice(size_t first, size_t stop, size_t at, size_t erase, std::string_view bytes);

    std::string text_;
    std::vector<NamedLine> lines_;
};

// One-off forms of ProfileText's lookup and edit.
// The value of `key` in the first section named `section`, blanks around it removed and one pair of
// enclosing quotation marks (" or ') dropped; nothing when the section or the key is missing.
std::optional<std::string> profileValue(std::string_view text, std::string_view section,
                                        std::string_view key);

// Whether the entry can be written so that it reads back as it was: names that are not empty once
// trimmed, no line break anywhere, no "]" in the section name, no "=" in the key, and a key that
// does not begin like a section line or a comment.
bool isWritableProfileEntry(std::string_view section, std::string_view key, std::string_view value);

// `text` with `key` of `section` set to `value`, which must be writable: an existing key's value is
// replaced in place, a missing key is added after the last key of its section, a missing section is
// added at the end. Values that would not read back unchanged are written in double quotes.
std::string withProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);
