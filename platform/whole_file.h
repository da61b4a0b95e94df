// Reading a file whole, and replacing a file whole without ever leaving it half-written.
#pragma once

#include <string>
#include <string_view>

struct WholeFile {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string bytes;  // the content when Read, else empty
};

// The file's bytes; Missing when no file has that name, Unreadable for a folder or a refused read.
WholeFile readWholeFile(const std::string& path);

// Makes `bytes` the file's content: writes them to a new file in the same folder, flushes it to disk
// and renames it over `path` (through a symbolic link to its target), keeping the old file's
// permissions. Returns false when any step fails; the old file is then untouched and no new one is left.
bool replaceWholeFile(const std::string& path, std::string_view bytes);
