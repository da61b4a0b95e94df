// Append-only device numbering for the system MIDI driver; see midi_device_table.h.
#include "platform/midi_device_table.h"

#include "platform/joined.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

constexpr const char* kMapperName = "MIDI mapper";
constexpr const char* kEllipsis = "\xE2\x80\xA6";   // "…", three bytes
constexpr size_t kLongestName = MAXPNAMELEN - 1;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool sameLetters(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// `name` shortened to fit and, if it would repeat a name in `taken` (letter case ignored, as the
// window compares them), numbered " 2", " 3" ... until it does not.
std::string uniqueName(const std::string& name, const std::vector<std::string>& taken)
{
    std::string candidate = shortDeviceName(name, kLongestName);
    const auto isTaken = [&](const std::string& n) {
        return std::any_of(taken.begin(), taken.end(), [&](const std::string& t) { return sameLetters(t, n); });
    };
    for (unsigned number = 2; isTaken(candidate); ++number) {
        const std::string suffix = joined({" ", std::to_string(number)});
        candidate = shortDeviceName(name, kLongestName - suffix.size()) + suffix;
    }
    return candidate;
}

} // namespace

std::string shortDeviceName(const std::string& name, size_t limit)
{
    if (name.size() <= limit) return name;
    const size_t keep = limit - std::strlen(kEllipsis);
    size_t head = keep / 2;
    size_t tail = name.size() - (keep - head);
    // Neither part may split a UTF-8 sequence: the start backs off, the end moves on.
    while (head > 0 && isContinuationByte(name[head])) --head;
    while (tail < name.size() && isContinuationByte(name[tail])) ++tail;
    return name.substr(0, head) + kEllipsis + name.substr(tail);
}

void DeviceTable::refresh(const std::vector<std::vector<MidiDestination>>& perBackend)
{
    for (DeviceSlot& slot : slots_) slot.present = false;
    for (size_t backend = 0; backend < perBackend.size(); ++backend) {
        for (const MidiDestination& destination : perBackend[backend]) {
            auto known = std::find_if(slots_.begin(), slots_.end(), [&](const DeviceSlot& slot) {
                return slot.backend == backend && slot.key == destination.key;
            });
            if (known != slots_.end())
                known->present = true;
            else
                slots_.push_back({backend, destination.key, destination.name, {}, destination.technology, true});
        }
    }
    // Listed names stand for one device each; the lower number keeps a name that fits as it is.
    std::vector<std::string> taken;
    for (DeviceSlot& slot : slots_) {
        if (!slot.present) continue;
        slot.name = uniqueName(slot.fullName, taken);
        taken.push_back(slot.name);
    }
}

std::optional<uint32_t> DeviceTable::resolve(uint32_t id) const
{
    if (id == MIDI_MAPPER) {
        for (uint32_t i = 0; i < count(); ++i)
            if (slots_[i].present) return i;
        return std::nullopt;
    }
    if (id < count()) return id;
    return std::nullopt;
}

MMRESULT DeviceTable::capabilities(uint32_t id, MIDIOUTCAPSA& caps) const
{
    const std::optional<uint32_t> target = resolve(id);
    if (!target) return MMSYSERR_BADDEVICEID;
    const DeviceSlot& device = slots_[*target];
    // A device that is not listed now keeps its number but has no description, so lists leave it out.
    if (!device.present) return MIDIERR_NODEVICE;
    const std::string name = id == MIDI_MAPPER ? kMapperName : device.name;
    caps = MIDIOUTCAPSA{};
    caps.vDriverVersion = 0x0100;
    std::memcpy(caps.szPname, name.data(), name.size());   // at most 31 bytes: the rest stays zero
    caps.wTechnology = id == MIDI_MAPPER ? MOD_MAPPER : device.technology;
    caps.wChannelMask = 0xFFFF;
    return MMSYSERR_NOERROR;
}
