// TSettingsFile: the program's settings file, read and written one value at a time through the
// profile file services. A write that fails raises "Unable to write to <file name>".
#pragma once

#include <cstdint>
#include <string>

class TSettingsFile {
public:
    explicit TSettingsFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // The stored text (at most 2047 characters), or `defaultValue` when there is none.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    // Whether the key is in the file, with any value.
    bool ValueExists(const std::string& section, const std::string& key) const;
    // The stored integer, or `defaultValue` when the key is missing or holds no integer.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);  // in decimal

private:
    std::string fileName_;
};

// The integer a stored text stands for: a leading "0x"/"0X" counts as "$", then leading blanks,
// decimal or hexadecimal as typed integers are read; `defaultValue` when the text is no integer.
int32_t settingsInteger(const std::string& text, int32_t defaultValue);
