// Reading a file whole, and replacing a file whole without ever leaving it half-written.
#pragma once

#include <string>
#include <string_view>

struct WholeFile {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;  // the content when Read, else empty
};

// The file's bytes; Missing when no file has that name; Unreadable for anything but a regular file
// (a folder, a named pipe, a device), for a file of more than `maxBytes` and for a refused read.
// Never waits: a named pipe with no writer is refused at once.
WholeFile readWholeFile(const std::string& path, size_t maxBytes);

// Makes `bytes` the file's content: writes them to a new file in the same folder, flushes it to disk
// and renames it over `path` (through a symbolic link to its target), keeping the old file's
// permissions. Returns false when any step fails; the old file is then untouched and no new one is left.
bool replaceWholeFile(const std::string& path, std::string_view bytes);
