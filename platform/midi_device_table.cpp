// Append-only device numbering for the system MIDI driver; see midi_device_table.h.
#include "platform/midi_device_table.h"

#include "platform/joined.h"
#include "platform/port_name_case.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kMapperName = "MIDI mapper";
constexpr const char* kEllipsis = "\xE2\x80\xA6";   // "…", three bytes
constexpr size_t kLongestName = MAXPNAMELEN - 1;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Four hex digits of an FNV-1a hash of the whole name: long names that share their start and end
// still shorten to different names, the same ones whatever else is listed.
std::string nameHash(const std::string& name)
{
    uint32_t hash = 2166136261u;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04x", (hash ^ (hash >> 16)) & 0xFFFFu);
    return digits;
}

// The name a slot lists under: the one it kept, unless a listed device has taken it meanwhile; else
// its full name shortened to fit and, if that repeats a name in `taken`, numbered " 2", " 3" ...
std::string uniqueName(const DeviceSlot& slot, const std::vector<std::string>& taken)
{
    const auto isTaken = [&](const std::string& n) {
        return std::any_of(taken.begin(), taken.end(), [&](const std::string& t) { return samePortName(t, n); });
    };
    if (!slot.name.empty() && !isTaken(slot.name)) return slot.name;
    std::string candidate = shortDeviceName(slot.fullName, kLongestName);
    for (unsigned number = 2; isTaken(candidate); ++number) {
        const std::string suffix = joined({" ", std::to_string(number)});
        candidate = shortDeviceName(slot.fullName, kLongestName - suffix.size()) + suffix;
    }
    return candidate;
}

} // namespace

std::string shortDeviceName(const std::string& name, size_t limit)
{
    if (name.size() <= limit) return name;
    const std::string cut = kEllipsis + nameHash(name) + kEllipsis;
    const size_t keep = limit > cut.size() ? limit - cut.size() : 0;
    size_t head = keep / 2;
    size_t tail = name.size() - (keep - head);
    // Neither part may split a UTF-8 sequence: the start backs off, the end moves on.
    while (head > 0 && isContinuationByte(name[head])) --head;
    while (tail < name.size() && isContinuationByte(name[tail])) ++tail;
    return name.substr(0, head) + cut + name.substr(tail);
}

void DeviceTable::refresh(const std::vector<std::vector<MidiDestination>>& perBackend)
{
    std::vector<bool> wasPresent;
    for (DeviceSlot& slot : slots_) {
        wasPresent.push_back(slot.present);
        slot.present = false;
    }
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
    // Listed names stand for one device each. A device listed before keeps its name; one listed anew
    // takes back the name it had, or a new one, in number order.
    const auto listedBefore = [&](size_t i) { return i < wasPresent.size() && wasPresent[i]; };
    std::vector<std::string> taken;
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].present && listedBefore(i)) taken.push_back(slots_[i].name);
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i].present || listedBefore(i)) continue;
        slots_[i].name = uniqueName(slots_[i], taken);
        taken.push_back(slots_[i].name);
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
