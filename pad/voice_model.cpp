// The voices' notes, channels and expression; see voice_model.h.
//
// A voice's state changes before its messages go, so a refused message (a full queue) never leaves the
// model believing a note is free that it still counts, or the reverse: Panic mends what did not arrive.
#include "pad/voice_model.h"

#include "pad/glide.h"
#include "platform/channel_messages.h"
#include "platform/exception.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace {

constexpr uint8_t kManagerChannel = 0;

} // namespace

void SendTilt(TMessageSink& sink, const TPlayingSettings& settings, int32_t channel, const TVoicePoint& at,
              TTiltSent& sent)
{
    const std::pair<const std::optional<uint8_t>&, const std::optional<double>&> axes[]{
        {settings.penTiltXController, at.tiltX}, {settings.penTiltYController, at.tiltY}};
    for (size_t axis = 0; axis < 2; ++axis) {
        const auto& [controller, tilt] = axes[axis];
        if (!controller || !tilt) continue;
        const uint8_t value = TiltLevel(*tilt);
        if (value == sent[axis]) continue;
        sent[axis] = value;
        sink.Send(status(kControlChange, channel), *controller, value);
    }
}

void TVoiceModel::SetPlaying(const TPlayingSettings& settings, int32_t channel)
{
    if (channel < 0 || channel > 15) throw ERangeError();
    TPlayingMap map(settings);
    EndAll();
    const TPlayingSettings old = map_.Settings();
    const uint8_t oldChannel = std::exchange(channel_, static_cast<uint8_t>(channel));
    map_ = map;
    const bool wasMpe = old.polyphony == TPolyphony::Mpe;
    if (wasMpe && !IsMpe()) SendZone(0);
    if (IsMpe() && (!wasMpe || old.mpeChannels != settings.mpeChannels || old.mpeBendRange != settings.mpeBendRange))
        SendSetUp();
    else if (settings.program != old.program || wasMpe != IsMpe() || (!IsMpe() && channel_ != oldChannel))
        SendProgram();
}

void TVoiceModel::Press(TVoiceSource source, const TVoicePoint& at)
{
    if (Voice* voice = Claim(source)) StartAt(*voice, at);
}

void TVoiceModel::PressNote(TVoiceSource source, uint8_t note, uint8_t velocity)
{
    Voice* voice = Claim(source);
    if (voice == nullptr) return;
    voice->x = voice->y = -1;
    Start(*voice, note, velocity, kBendCentre, -1, nullptr);
}

void TVoiceModel::Move(TVoiceSource source, const TVoicePoint& at)
{
    Voice* voice = find(source);
    if (voice == nullptr || voice->source.kind == TVoiceKind::Key) return;
    const TPlayingSettings& settings = map_.Settings();
    if (at.x != voice->x || at.y != voice->y) {
        voice->x = at.x;
        voice->y = at.y;
        if (IsMpe() && IsGliding()) {
            const TGlideStep step = GlideStepAt(map_, voice->note, at.x, at.width, settings.mpeBendRange);
            if (step.handover) {
                EndNote(*voice);
                return StartAt(*voice, at);
            }
            if (step.bend != voice->bend) SendBend(*voice, step.bend);
        } else if ((map_.IsContinuous() && settings.afterAttack == TAfterAttack::None) ||
                   map_.NoteAt(at.x, at.width) != voice->note) {
            // As a left drag: a new note wherever the note changes, or at every move with no zones or axis.
            EndNote(*voice);
            return StartAt(*voice, at);
        }
    }
    SendTilt(sink_, settings, voice->channel, at, voice->tilt);
    if (settings.afterAttack == TAfterAttack::None) return;
    const uint8_t value = AfterAttackAt(at);
    if (value != voice->afterAttack) SendAfterAttack(*voice, value);
}

void TVoiceModel::Release(TVoiceSource source)
{
    if (Voice* voice = find(source)) End(*voice);
}

void TVoiceModel::ReleaseKind(TVoiceKind kind)
{
    EndEach([kind](const Voice& voice) { return voice.source.kind == kind; });
}

void TVoiceModel::EndAll()
{
    EndEach([](const Voice&) { return true; });
}

void TVoiceModel::Panic()
{
    std::exception_ptr firstRefusal;
    try {
        EndAll();
    } catch (...) {
        firstRefusal = std::current_exception();
    }
    if (IsMpe() && IsGliding()) {
        for (int32_t channel = 1; channel <= map_.Settings().mpeChannels; ++channel) {
            try {
                Send(kPitchBend, channel, 0, kBendCentre >> 7);
            } catch (...) {
                if (!firstRefusal) firstRefusal = std::current_exception();
            }
        }
    }
    if (firstRefusal) std::rethrow_exception(firstRefusal);
}

void TVoiceModel::SendSetUp()
{
    if (IsMpe()) {
        const TPlayingSettings& settings = map_.Settings();
        SendZone(settings.mpeChannels);
        for (int32_t channel = 1; channel <= settings.mpeChannels; ++channel)
            for (const auto& [controller, value] : BendRangeControllers(settings.mpeBendRange))
                Send(kControlChange, channel, controller, value);
    }
    SendProgram();
}

const TVoiceModel::Voice* TVoiceModel::find(TVoiceSource source) const
{
    for (const Voice& voice : voices_)
        if (voice.active && voice.source == source) return &voice;
    return nullptr;
}

TVoiceModel::Voice* TVoiceModel::find(TVoiceSource source)
{
    return const_cast<Voice*>(std::as_const(*this).find(source));
}

// A free voice for `source`, with its channel, after its voice still held (if any) has ended. More
// sources than voices (beyond every finger and key a player has) play nothing.
TVoiceModel::Voice* TVoiceModel::Claim(TVoiceSource source)
{
    if (Voice* held = find(source)) End(*held);
    const auto free = std::find_if(voices_.begin(), voices_.end(), [](const Voice& voice) { return !voice.active; });
    if (free == voices_.end()) return nullptr;
    free->source = source;
    free->channel = TakeChannel();
    free->tilt = {-1, -1};
    return &*free;
}

// Poly's channel; in MPE the free member channel whose last note ended longest ago (a channel never
// used first, the lowest among equals), or, with every member taken, the oldest voice's.
uint8_t TVoiceModel::TakeChannel()
{
    if (!IsMpe()) return channel_;
    std::array<bool, 16> taken{};
    const Voice* oldest = nullptr;
    for (const Voice& voice : voices_) {
        if (!voice.active) continue;
        taken[voice.channel] = true;
        if (oldest == nullptr || voice.started < oldest->started) oldest = &voice;
    }
    int32_t best = -1;
    for (int32_t channel = 1; channel <= map_.Settings().mpeChannels; ++channel)
        if (!taken[channel] && (best < 0 || channelEnded_[channel] < channelEnded_[best])) best = channel;
    if (best >= 0) return static_cast<uint8_t>(best);
    const uint8_t stolen = oldest->channel;
    End(*find(oldest->source));
    return stolen;
}

void TVoiceModel::StartAt(Voice& voice, const TVoicePoint& at)
{
    voice.x = at.x;
    voice.y = at.y;
    const TPlayingSettings& settings = map_.Settings();
    const uint8_t note = map_.NoteAt(at.x, at.width);
    const uint8_t velocity = std::max(map_.VelocityAt(at.y, at.height), uint8_t{1});
    const uint16_t bend =
        IsMpe() && IsGliding() ? GlideStepAt(map_, note, at.x, at.width, settings.mpeBendRange).bend : kBendCentre;
    const int16_t afterAttack = settings.afterAttack == TAfterAttack::None ? -1 : AfterAttackAt(at);
    Start(voice, note, velocity, bend, afterAttack, &at);
}

// In MPE the note's own bend and first after-attack value come before its note on, so it starts
// exactly as it is meant to sound. In Poly a controller comes first too, for synths that read it at the
// attack, while key pressure needs its note sounding. A pen's tilt controllers lead in both.
void TVoiceModel::Start(Voice& voice, uint8_t note, uint8_t velocity, uint16_t bend, int16_t afterAttack,
                        const TVoicePoint* at)
{
    if (!voice.active) ++voiceCount_;
    voice.active = true;
    voice.note = note;
    voice.velocity = velocity;
    voice.started = ++clock_;
    voice.afterAttack = -1;
    const int32_t channel = voice.channel;
    if (at != nullptr) SendTilt(sink_, map_.Settings(), channel, *at, voice.tilt);
    if (IsMpe()) {
        SendBend(voice, bend);
        if (afterAttack >= 0) SendAfterAttack(voice, static_cast<uint8_t>(afterAttack));
        Send(kNoteOn, channel, note, velocity);
        return;
    }
    const bool controller = map_.Settings().afterAttack == TAfterAttack::Controller;
    if (afterAttack >= 0 && controller) SendAfterAttack(voice, static_cast<uint8_t>(afterAttack));
    const bool strike = !notes_.Sounding(channel, note);
    notes_.Join(channel, note);
    if (strike) Send(kNoteOn, channel, note, velocity);
    if (afterAttack >= 0 && !controller) SendAfterAttack(voice, static_cast<uint8_t>(afterAttack));
}

// The note off, once no other voice holds the note; the voice itself stays.
void TVoiceModel::EndNote(Voice& voice)
{
    bool last = true;
    if (IsMpe()) {
        channelEnded_[voice.channel] = ++clock_;
    } else {
        last = notes_.LastSource(voice.channel, voice.note);
        notes_.Leave(voice.channel, voice.note);
    }
    if (last) Send(kNoteOff, voice.channel, voice.note, voice.velocity);
}

void TVoiceModel::End(Voice& voice)
{
    voice.active = false;
    --voiceCount_;
    EndNote(voice);
}

void TVoiceModel::SendBend(Voice& voice, uint16_t bend)
{
    voice.bend = bend;
    Send(kPitchBend, voice.channel, bend & 0x7F, static_cast<uint8_t>(bend >> 7));
}

// Pressure is the channel's in MPE, where the channel is the voice's own, and the key's in Poly.
void TVoiceModel::SendAfterAttack(Voice& voice, uint8_t value)
{
    voice.afterAttack = value;
    const TPlayingSettings& settings = map_.Settings();
    if (settings.afterAttack == TAfterAttack::Controller)
        Send(kControlChange, voice.channel, settings.afterAttackController, value);
    else if (IsMpe())
        Send(kChannelPressure, voice.channel, value, 0);
    else
        Send(kPolyPressure, voice.channel, voice.note, value);
}

// The MPE Configuration Message for the Lower Zone: RPN 6 with the number of member channels.
void TVoiceModel::SendZone(uint8_t members)
{
    const uint8_t messages[][2]{{101, 0}, {100, 6}, {6, members}, {101, 127}, {100, 127}};
    for (const auto& [controller, value] : messages) Send(kControlChange, kManagerChannel, controller, value);
}

void TVoiceModel::SendProgram()
{
    const TPlayingSettings& settings = map_.Settings();
    if (!settings.program) return;
    if (!IsMpe()) return Send(kProgramChange, channel_, *settings.program, 0);
    for (int32_t channel = kManagerChannel; channel <= settings.mpeChannels; ++channel)
        Send(kProgramChange, channel, *settings.program, 0);
}

uint8_t TVoiceModel::AfterAttackAt(const TVoicePoint& at) const
{
    const TPlayingSettings& settings = map_.Settings();
    if (at.pressure)
        return PressureLevel(*at.pressure, settings.velocityCurve, settings.velocityBottom, settings.velocityTop);
    return map_.VelocityAt(at.y, at.height);
}

void TVoiceModel::Send(uint8_t kind, int32_t channel, uint8_t data1, uint8_t data2)
{
    sink_.Send(status(kind, channel), data1, data2);
}

// Sends all it can, since a refusal comes exactly when silence is needed; the first is raised last.
template <class Which> void TVoiceModel::EndEach(Which which)
{
    std::exception_ptr firstRefusal;
    for (Voice& voice : voices_) {
        if (!voice.active || !which(voice)) continue;
        try {
            End(voice);
        } catch (...) {
            if (!firstRefusal) firstRefusal = std::current_exception();
        }
    }
    if (firstRefusal) std::rethrow_exception(firstRefusal);
}
