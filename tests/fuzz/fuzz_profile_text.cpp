// Fuzzes the profile reader and editor. The input is a file's text, then optionally a NUL, a key
// name, a NUL and a value; when that entry is writable it is written, and it must read back while
// the other keys keep their values; a text kept in memory through that edit and a second one must
// come out as the texts edited one at a time.
#include "platform/profile_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

const char* const keys[] = {"Left", "Top", "MidiOutPort", "ImageFile"};

std::string_view nextPart(std::string_view& rest)
{
    const size_t end = rest.find('\0');
    const std::string_view part = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return part;
}

void require(bool condition)
{
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view text = nextPart(rest);
    const std::string_view key = nextPart(rest);
    const std::string_view value = nextPart(rest);
    for (const char* section : {"Settings", "settings", ""}) {
        for (const char* known : keys) profileValue(text, section, known);
    }
    if (!isWritableProfileEntry("Settings", key, value)) return 0;
    const std::string edited = withProfileValue(text, "Settings", key, value);
    require(profileValue(edited, "SETTINGS", key) == value);
    for (const char* known : keys) {
        if (profileValue(text, "Settings", known) != profileValue(edited, "Settings", known)) {
            require(profileValue(edited, "Settings", known) == value);
        }
        require(profileValue(text, "Other", known) == profileValue(edited, "Other", known));
    }
    ProfileText kept{std::string(text)};
    kept.setValue("Settings", key, value);
    require(kept.text() == edited);
    kept.setValue("Other", key, value);
    require(kept.text() == withProfileValue(edited, "Other", key, value));
    return 0;
}
