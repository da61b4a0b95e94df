// Profile file services over the in-memory profile text and whole-file replacement.
#include "platform/profile_file.h"

#include "platform/whole_file.h"

#include <algorithm>
#include <cstring>

namespace {

// Larger files are no settings file of ours: they are neither read nor written over.
constexpr size_t maxFileBytes = 16 * 1024 * 1024;

} // namespace

ProfileFile::ProfileFile(std::string fileName) : fileName_(std::move(fileName)), text_([this] {
    WholeFile file = readWholeFile(fileName_, maxFileBytes);
    readable_ = file.status != WholeFile::Status::Unreadable;
    missing_ = file.status == WholeFile::Status::Missing;
    return std::move(file.bytes);
}())
{
}

std::string ProfileFile::read(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const std::optional<std::string> stored = text_.value(section, key);
    const std::string_view value = stored ? std::string_view(*stored) : defaultValue;
    return std::string(value.substr(0, kMaxProfileValueLength));
}

bool ProfileFile::contains(std::string_view section, std::string_view key) const
{
    return text_.value(section, key).has_value();
}

bool ProfileFile::write(std::string_view section, std::string_view key, std::string_view value)
{
    if (!readable_ || !isWritableProfileEntry(section, key, value)) return false;
    // A file that is not there yet is made by any write.
    if (text_.setValue(section, key, value) || missing_) changed_ = true;
    return true;
}

bool ProfileFile::commit()
{
    if (!changed_) return true;
    if (!replaceWholeFile(fileName_, text_.text())) return false;
    changed_ = missing_ = false;
    return true;
}

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* fileName)
{
    if (!buffer || size == 0) return 0;
    const std::string_view fallback = defaultValue ? defaultValue : "";
    const std::string value = section && key && fileName ? ProfileFile(fileName).read(section, key, fallback)
                                                         : std::string(fallback.substr(0, kMaxProfileValueLength));
    const size_t count = std::min(value.size(), size_t{size} - 1);
    std::memcpy(buffer, value.data(), count);
    buffer[count] = '\0';
    return static_cast<uint32_t>(count);
}

int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                   const char* fileName)
{
    if (!section || !key || !value || !fileName) return 0;
    ProfileFile file(fileName);
    return file.write(section, key, value) && file.commit() ? 1 : 0;
}
