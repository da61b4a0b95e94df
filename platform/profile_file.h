// Profile (INI) file services: read one value, write one value, or read a file once, look up and set
// its values in memory and store them in one go. Section and key names match without regard to letter
// case; the rest of the file is left byte for byte as it was, and a write either replaces the whole
// file or leaves it untouched.
#pragma once

#include "platform/profile_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Longest value that is read back; longer stored values are cut.
constexpr size_t kMaxProfileValueLength = 2047;

// A profile file read whole at construction (anything but a regular file of at most 16 MB counts as
// unreadable and has no values), its changes kept in memory until commit().
class ProfileFile {
public:
    explicit ProfileFile(std::string fileName);

    // The stored value (blanks around it removed, one pair of enclosing quotation marks dropped), or
    // `defaultValue` when the section or key is missing; at most kMaxProfileValueLength characters.
    std::string read(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    bool contains(std::string_view section, std::string_view key) const;
    // Sets the value in memory, as WritePrivateProfileStringA would in the file. Returns false, and
    // changes nothing, when the entry cannot be written or the file could not be read.
    bool write(std::string_view section, std::string_view key, std::string_view value);
    // Stores the changes made since the last commit in one replacement of the file; nothing is
    // written when nothing changed. Returns false when the file cannot be stored, which keeps it as it was.
    bool commit();

private:
    std::string fileName_;
    bool readable_ = true;
    bool missing_ = false;
    bool changed_ = false;
    ProfileText text_;
};

// Copies the value of `key` in `section` of the file (as ProfileFile::read gives it, `defaultValue`
// too when the file cannot be read) into `buffer`: at most size - 1 characters and a closing NUL.
// Returns the number of characters copied.
uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* fileName);

// Sets `key` in `section` of the file to `value`, replacing the key's value in place, or adding the
// key to its section, or the section (and file) where missing. Returns 0 when the entry cannot be
// written (a line break, an "=" in the key, a "]" in the section, an empty name), the existing file
// cannot be read, or the new content cannot be stored; the file is then left as it was.
int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                   const char* fileName);
