// TSettingsFile: the program's settings file, read once when made; values are read and written in
// memory and stored by Flush() in one replacement of the file. A write or a Flush() that fails raises
// "Unable to write to <file name>".
#pragma once

#include "platform/profile_file.h"

#include <cstdint>
#include <string>

class TSettingsFile {
public:
    explicit TSettingsFile(std::string fileName) : fileName_(fileName), file_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // The stored text (at most 2047 characters), or `defaultValue` when there is none.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    // Whether the key is in the file, with any value.
    bool ValueExists(const std::string& section, const std::string& key) const;
    // The stored integer, or `defaultValue` when the key is missing or holds no integer.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;
    // As ReadInteger, but a number past 32 bits, however many digits it has, reads as the largest or
    // smallest 32-bit value, so that bringing it into a range gives that range's top or bottom.
    int32_t ReadLevel(const std::string& section, const std::string& key, int32_t defaultValue) const;

    // An entry that cannot be written, or any entry of a file that could not be read, raises at once,
    // after storing the values written before it.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);  // in decimal
    // Stores the values written since the last Flush(); writes nothing when none changed.
    void Flush();

private:
    std::string fileName_;
    ProfileFile file_;
};

// The integer a stored text stands for: a leading "0x"/"0X" counts as "$", then leading blanks,
// decimal or hexadecimal as typed integers are read; `defaultValue` when the text is no integer. With
// `saturate`, a number past 32 bits is held at the 32-bit limit instead.
int32_t settingsInteger(const std::string& text, int32_t defaultValue, bool saturate = false);
