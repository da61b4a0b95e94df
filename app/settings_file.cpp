// The settings file object over the profile file services and the typed-integer reader.
#include "app/settings_file.h"

#include "platform/exception.h"
#include "platform/parse_int.h"
#include "platform/profile_file.h"

namespace {
constexpr uint32_t valueBufferSize = 2048;
}

std::string TSettingsFile::ReadString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const
{
    char buffer[valueBufferSize];
    const uint32_t length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                                     valueBufferSize, fileName_.c_str());
    return std::string(buffer, length);
}

// A missing key reads as its default: two different defaults tell it from a stored value.
bool TSettingsFile::ValueExists(const std::string& section, const std::string& key) const
{
    return ReadString(section, key, "0") == ReadString(section, key, "1");
}

int32_t TSettingsFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const
{
    return settingsInteger(ReadString(section, key, ""), defaultValue);
}

void TSettingsFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    if (WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()) == 0) {
        throw Exception("Unable to write to " + fileName_);
    }
}

void TSettingsFile::WriteInteger(const std::string& section, const std::string& key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

int32_t settingsInteger(const std::string& text, int32_t defaultValue)
{
    return parseInt32(text).value_or(defaultValue);
}
