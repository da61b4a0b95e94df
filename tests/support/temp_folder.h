// A fresh folder under the system's temporary folder, removed with everything in it at the end of a test.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, with a trailing "/".
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
    pid_t owner_ = getpid();
};

// The file's whole content; an empty text when it cannot be read.
std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);
