// Profile (INI) file services: read one value, write one value. Section and key names match without
// regard to letter case; the rest of the file is left byte for byte as it was, and a write either
// replaces the whole file or leaves it untouched.
#pragma once

#include <cstdint>

// Copies the value of `key` in `section` of the file (blanks around it removed, one pair of enclosing
// quotation marks dropped), or `defaultValue` when the file, section or key is missing or the file
// cannot be read (anything but a regular file of at most 16 MB counts as unreadable), into `buffer`: at most min(size - 1, 2047) characters and a closing NUL.
// Returns the number of characters copied.
uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* fileName);

// Sets `key` in `section` of the file to `value`, replacing the key's value in place, or adding the
// key to its section, or the section (and file) where missing. Returns 0 when the entry cannot be
// written (a line break, an "=" in the key, a "]" in the section, an empty name), the existing file
// cannot be read, or the new content cannot be stored; the file is then left as it was.
int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                   const char* fileName);
