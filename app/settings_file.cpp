// The settings file object over the profile file services and the typed-integer reader.
#include "app/settings_file.h"

#include "platform/exception.h"
#include "platform/parse_int.h"

std::string TSettingsFile::ReadString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const
{
    return file_.read(section, key, defaultValue);
}

bool TSettingsFile::ValueExists(const std::string& section, const std::string& key) const
{
    return file_.contains(section, key);
}

int32_t TSettingsFile::ReadInteger(const std::string& section, const std::string& key, int32_t defaultValue) const
{
    return settingsInteger(ReadString(section, key, ""), defaultValue);
}

int32_t TSettingsFile::ReadLevel(const std::string& section, const std::string& key, int32_t defaultValue) const
{
    return settingsInteger(ReadString(section, key, ""), defaultValue, true);
}

void TSettingsFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    if (file_.write(section, key, value)) return;
    file_.commit();  // what was written before stays stored, the rest is skipped
    throw Exception("Unable to write to " + fileName_);
}

void TSettingsFile::WriteInteger(const std::string& section, const std::string& key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void TSettingsFile::Flush()
{
    if (!file_.commit()) throw Exception("Unable to write to " + fileName_);
}

int32_t settingsInteger(const std::string& text, int32_t defaultValue, bool saturate)
{
    return parseInt32(text, saturate).value_or(defaultValue);
}
