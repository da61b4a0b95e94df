// Whole-file reads and crash-safe replacement: temporary file, fsync, rename.
#include "platform/whole_file.h"

#include "platform/joined.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

struct TemporaryFile {
    std::string path;
    int fd = -1;
};

// A new file beside `target` under a name of its own, created with the target's permissions
// (subject to the umask) or the usual 0666 for a new file.
TemporaryFile createBeside(const std::filesystem::path& target, mode_t mode)
{
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = joined({".", target.filename().string(), ".", std::to_string(::getpid()), ".",
                                         std::to_string(counter.fetch_add(1)), ".tmp"});
        TemporaryFile file{(folder / name).string()};
        file.fd = ::open(file.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (file.fd >= 0 || errno != EEXIST) return file;
    }
    return {};
}

// Makes the rename itself durable; a folder that refuses fsync still holds the new file.
void syncFolder(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.parent_path();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

WholeFile readWholeFile(const std::string& path, size_t maxBytes)
{
    const WholeFile unreadable{WholeFile::Status::Unreadable, {}};
    // Non-blocking, so that opening a named pipe cannot wait for a writer; checked again once open,
    // in case the name was replaced in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? WholeFile{} : unreadable;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || uintmax_t(status.st_size) > maxBytes) {
        ::close(fd);
        return unreadable;
    }
    WholeFile file{WholeFile::Status::Read, {}};
    file.bytes.reserve(static_cast<size_t>(status.st_size));  // one allocation for a file that keeps its size
    char chunk[65536];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR) continue;
        if (count == 0) break;
        // A file that grew past the limit while being read is refused like one that was too large.
        if (count < 0 || file.bytes.size() + size_t(count) > maxBytes) {
            file = unreadable;
            break;
        }
        file.bytes.append(chunk, static_cast<size_t>(count));
    }
    ::close(fd);
    return file;
}

bool replaceWholeFile(const std::string& path, std::string_view bytes)
{
    std::error_code error;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, error))) {
        target = std::filesystem::canonical(target, error);
        if (error) return false;
    }

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return false;
    const mode_t mode = replacing ? old.st_mode & 07777 : 0666;

    TemporaryFile temporary = createBeside(target, mode);
    if (temporary.fd < 0) return false;
    bool done = writeAll(temporary.fd, bytes) && ::fsync(temporary.fd) == 0;
    // The umask may have narrowed the old permissions; the replacement keeps them exactly.
    if (done && replacing) done = ::fchmod(temporary.fd, mode) == 0;
    done = ::close(temporary.fd) == 0 && done;
    done = done && ::rename(temporary.path.c_str(), target.c_str()) == 0;
    if (!done) {
        ::unlink(temporary.path.c_str());
        return false;
    }
    syncFolder(target);
    return true;
}
