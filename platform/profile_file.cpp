// Profile file services over the in-memory profile text and whole-file replacement.
#include "platform/profile_file.h"

#include "platform/profile_text.h"
#include "platform/whole_file.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {
constexpr size_t maxValueLength = 2047;
// Larger files are no settings file of ours: they are neither read nor written over.
constexpr size_t maxFileBytes = 16 * 1024 * 1024;
}

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* fileName)
{
    if (!buffer || size == 0) return 0;
    std::string value = defaultValue ? defaultValue : "";
    if (section && key && fileName) {
        const WholeFile file = readWholeFile(fileName, maxFileBytes);
        if (auto stored = profileValue(file.bytes, section, key)) value = std::move(*stored);
    }
    const size_t count = std::min({value.size(), maxValueLength, size_t{size} - 1});
    std::memcpy(buffer, value.data(), count);
    buffer[count] = '\0';
    return static_cast<uint32_t>(count);
}

int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                   const char* fileName)
{
    if (!section || !key || !value || !fileName || !isWritableProfileEntry(section, key, value)) return 0;
    const WholeFile file = readWholeFile(fileName, maxFileBytes);
    if (file.status == WholeFile::Status::Unreadable) return 0;
    const std::string edited = withProfileValue(file.bytes, section, key, value);
    if (file.status == WholeFile::Status::Read && edited == file.bytes) return 1;
    return replaceWholeFile(fileName, edited) ? 1 : 0;
}
