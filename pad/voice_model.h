// TVoiceModel: the notes of many sources at once (the mouse's left button, each finger, each held key),
// each a voice of its own. In Poly every voice plays on the one channel and voices on the same note
// share it; in MPE every voice plays on a member channel of its own in the Lower Zone (channel 1 the
// manager, channels 2 to 1 + N the members), with its own pitch bend and pressure. It also sends the
// destination's set-up: the MPE Configuration Message, the members' bend range and the instrument.
// Pure: no Qt, and nothing allocates on a voice's press, move or release.
#pragma once

#include "pad/playing.h"
#include "pad/sounding_notes.h"

#include <array>
#include <cstdint>
#include <optional>

// Where one channel message goes.
class TMessageSink {
public:
    virtual ~TMessageSink() = default;
    virtual void Send(uint8_t status, uint8_t data1, uint8_t data2) = 0;
};

// Who plays a voice: the mouse, a finger by its touch point id, a key by its scan code, the pen.
enum class TVoiceKind : uint8_t { Mouse, Touch, Key, Pen };
struct TVoiceSource {
    TVoiceKind kind = TVoiceKind::Mouse;
    int32_t id = 0;
    bool operator==(const TVoiceSource&) const = default;
};

// A point of the pad and the pad's size, with what a pen adds where it reports it: the tip's pressure
// (0..1), which then drives the after-the-attack axis instead of the height, and its tilt in degrees.
struct TVoicePoint {
    int32_t x = 0, y = 0, width = 1, height = 1;
    std::optional<double> pressure = {}, tiltX = {}, tiltY = {};
};

// The pen's tilt controllers' values last sent, -1 none.
using TTiltSent = std::array<int16_t, 2>;
// Sends on `channel` each tilt controller chosen whose value differs from the one last sent.
void SendTilt(TMessageSink& sink, const TPlayingSettings& settings, int32_t channel, const TVoicePoint& at,
              TTiltSent& sent);

class TVoiceModel {
public:
    explicit TVoiceModel(TMessageSink& sink) : sink_(sink) {}

    // Ends every voice, then plays by the new choices on `channel` (0..15, Poly's channel). What the
    // destination must hear of the change goes out: leaving MPE, the Configuration Message with no
    // members; entering MPE or changing its channels or bend range, the MPE set-up; a new instrument
    // or, outside MPE, a new channel, the program change.
    void SetPlaying(const TPlayingSettings& settings, int32_t channel);
    const TPlayingSettings& Settings() const { return map_.Settings(); }
    TPolyphony Polyphony() const { return map_.Settings().polyphony; }

    // A voice starts at a pad point, or (a key) on a note of its own with a velocity of its own.
    void Press(TVoiceSource source, const TVoicePoint& at);
    void PressNote(TVoiceSource source, uint8_t note, uint8_t velocity);
    // A pad voice moves: a new note where Steps asks for one, else its bend; then its after-attack axis
    // and a pen's tilt, where they changed.
    void Move(TVoiceSource source, const TVoicePoint& at);
    // The voice's note off, when no other voice holds its note. An unknown source is ignored.
    void Release(TVoiceSource source);
    // Ends every voice of `kind`, or every voice, sending all it can; the first refusal is raised last.
    void ReleaseKind(TVoiceKind kind);
    void EndAll();
    // Ends every voice, and in MPE with Glide returns the members' bends to centre.
    void Panic();
    // The set-up a destination needs after it is (re)connected: in MPE the zone and its bend range,
    // then the instrument, when one is chosen.
    void SendSetUp();

    // Whether `source` has a voice that sounds.
    bool Sounding(TVoiceSource source) const { return find(source) != nullptr; }
    int32_t VoiceCount() const { return voiceCount_; }

private:
    struct Voice {
        bool active = false;
        TVoiceSource source;
        uint8_t note = 0, velocity = 0;
        uint8_t channel = 0;
        int16_t afterAttack = -1;  // last after-attack value sent, -1 none
        TTiltSent tilt{-1, -1};
        uint16_t bend = 0;
        int32_t x = 0, y = 0;
        uint32_t started = 0;      // the clock at its note on: the oldest is stolen first
    };

    const Voice* find(TVoiceSource source) const;
    Voice* find(TVoiceSource source);
    Voice* Claim(TVoiceSource source);
    bool IsMpe() const { return Polyphony() == TPolyphony::Mpe; }
    bool IsGliding() const { return map_.Settings().pitchMode == TPitchMode::Glide; }
    uint8_t TakeChannel();
    void Start(Voice& voice, uint8_t note, uint8_t velocity, uint16_t bend, int16_t afterAttack,
               const TVoicePoint* at);
    void StartAt(Voice& voice, const TVoicePoint& at);
    void EndNote(Voice& voice);
    void End(Voice& voice);
    void SendBend(Voice& voice, uint16_t bend);
    void SendAfterAttack(Voice& voice, uint8_t value);
    uint8_t AfterAttackAt(const TVoicePoint& at) const;
    void SendZone(uint8_t members);
    void SendProgram();
    void Send(uint8_t kind, int32_t channel, uint8_t data1, uint8_t data2);
    template <class Which> void EndEach(Which which);

    TMessageSink& sink_;
    TPlayingMap map_;
    uint8_t channel_ = 0;
    std::array<Voice, 64> voices_{};
    int32_t voiceCount_ = 0;
    TSoundingNotes notes_;                     // Poly: the voices that hold each note
    std::array<uint32_t, 16> channelEnded_{};  // MPE: the clock when each channel's last note ended, 0 never
    uint32_t clock_ = 0;
};
