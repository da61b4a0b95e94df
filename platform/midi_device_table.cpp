// Append-only device numbering for the system MIDI driver; see midi_device_table.h.
#include "platform/midi_device_table.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* kMapperName = "MIDI mapper";

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::string cutDeviceName(const std::string& name)
{
    size_t length = std::min<size_t>(name.size(), MAXPNAMELEN - 1);
    // Back off to the start of a UTF-8 sequence the cut would split.
    if (length < name.size())
        while (length > 0 && isContinuationByte(name[length])) --length;
    return name.substr(0, length);
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
                slots_.push_back({backend, destination.key, cutDeviceName(destination.name),
                                  destination.technology, true});
        }
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
    const std::string name = id == MIDI_MAPPER ? kMapperName : device.name;
    caps = MIDIOUTCAPSA{};
    caps.vDriverVersion = 0x0100;
    std::memcpy(caps.szPname, name.data(), name.size());   // at most 31 bytes: the rest stays zero
    caps.wTechnology = id == MIDI_MAPPER ? MOD_MAPPER : device.technology;
    caps.wChannelMask = 0xFFFF;
    return MMSYSERR_NOERROR;
}
