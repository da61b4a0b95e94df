// Reading and editing the text of a profile (INI) file in memory: "[Section]" lines head sections,
// "Key=Value" lines inside them hold values. Names match without regard to letter case; every line
// that is not looked at is kept byte for byte (comments, blank lines, lines without "=", keys before
// the first section, duplicate sections and keys, CR LF line ends, a UTF-8 byte-order mark).
#pragma once

#include <optional>
#include <string>
#include <string_view>

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
