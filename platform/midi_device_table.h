// The device numbers of the system MIDI driver. A rescan only appends: a destination keeps the number it
// was first listed under for the life of the table, a vanished one keeps its slot (marked absent) and
// gets it back when it returns, so numbers held by the program never come to mean another device.
#pragma once

#include "platform/midi_backend.h"
#include "platform/midi_services.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DeviceSlot {
    size_t backend = 0;        // index of the back end that offers it
    std::string key;           // the back end's key
    std::string fullName;      // as the back end names it
    std::string name;          // as listed: fits the capability record and no other listed device has it;
                               // kept from one listing to the next
    uint16_t technology = MOD_MIDIPORT;
    bool present = false;      // listed by the latest rescan
};

// `name` when it has at most `limit` bytes, otherwise its start and its end around "…hhhh…" (four hex
// digits of a hash of the whole name) in `limit` bytes, never split inside a UTF-8 sequence.
std::string shortDeviceName(const std::string& name, size_t limit);

class DeviceTable {
public:
    // Marks every slot absent, then each listed destination present, appending the unknown ones in
    // order; `perBackend[i]` is what back end i lists now.
    void refresh(const std::vector<std::vector<MidiDestination>>& perBackend);

    uint32_t count() const { return static_cast<uint32_t>(slots_.size()); }
    const DeviceSlot& slot(uint32_t id) const { return slots_[id]; }
    // The slot that `id` stands for: itself when it is listed, for MIDI_MAPPER the first present slot.
    std::optional<uint32_t> resolve(uint32_t id) const;
    // Fills `caps` for `id` (MIDI_MAPPER included); MMSYSERR_BADDEVICEID when it stands for nothing,
    // MIDIERR_NODEVICE while it is not listed.
    MMRESULT capabilities(uint32_t id, MIDIOUTCAPSA& caps) const;

private:
    std::vector<DeviceSlot> slots_;
};
