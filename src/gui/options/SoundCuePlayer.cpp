#include "gui/options/SoundCuePlayer.h"

#include "core/app/ProgramState.h"
#include "gui/ui/Platform.h"

namespace Velmora {

SoundCuePlayer::SoundCuePlayer(const SoundCues &cues, const ProgramState &state, Platform &platform)
    : m_cues(cues)
    , m_state(state)
    , m_platform(platform)
{
}

void SoundCuePlayer::play(SoundEvent event) const
{
    play(event, m_state.soundsOn);
}

void SoundCuePlayer::play(SoundEvent event, bool soundsOn) const
{
    const QString file = m_cues.fileToPlay(event, soundsOn, m_state.startingUp);
    if (file.isEmpty())
        return;
    // Cues start and return, so the intro starts before the window takes input but no longer
    // holds it back. The program ends right after the closing sound: that one is heard out.
    if (event == SoundEvent::Close)
        m_platform.playSoundToEnd(file);
    else
        m_platform.playSound(file);
}

} // namespace Velmora
