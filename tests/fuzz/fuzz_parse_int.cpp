// Fuzzes the typed-integer reader and the settings file's integer conversion: whatever the text,
// a value read must survive being written in decimal and read again, and trailing junk is refused.
#include "app/settings_file.h"
#include "platform/parse_int.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
void require(bool condition)
{
    if (!condition) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = parseInt32(text);
    require(!parseInt32(text + "z"));
    if (value) {
        require(parseInt32(std::to_string(*value)) == value);
        require(parseInt32(" " + text) == value);
    }
    const int32_t stored = settingsInteger(text, 12345);
    require(stored == value.value_or(12345));
    return 0;
}
