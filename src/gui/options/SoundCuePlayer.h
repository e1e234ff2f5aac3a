#pragma once

#include "core/options/SoundCues.h"

namespace Velmora {

class Platform;
struct ProgramState;

/// Plays the program's sound cues: asks SoundCues which file an event plays under the current
/// state and hands it to the platform, which starts it without waiting; only the closing sound
/// is waited for.
class SoundCuePlayer
{
public:
    SoundCuePlayer(const SoundCues &cues, const ProgramState &state, Platform &platform);

    /// Plays `event` under the program-wide "sounds on"; clicks stay silent while starting up.
    void play(SoundEvent event) const;
    /// The same under a given on/off value (the state of SoundCheck, for the savers that read it).
    void play(SoundEvent event, bool soundsOn) const;

private:
    const SoundCues &m_cues;
    const ProgramState &m_state;
    Platform &m_platform;
};

} // namespace Velmora
