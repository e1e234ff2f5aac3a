#include "gui/app/MainSwitches.h"

#include "gui/app/VelmoraForm.h"

namespace Velmora {

MainSwitches::MainSwitches(VelmoraForm &form)
    : m_form(form)
{
}

CampaignOptions MainSwitches::switches() const
{
    const ProgramState &state = m_form.state();
    CampaignOptions options;
    options.soundsOn = state.soundsOn;
    options.tipFlag = state.tipFlag;
    options.saveOnClose = state.saveOnClose;
    options.timedSave = state.timedSave;
    options.autosaveInterval = state.autosaveIntervalMinutes;
    for (int event = 0; event < SoundCues::Count; ++event)
        options.setSoundPath(SoundEvent(event), m_form.soundCues().configuredPath(SoundEvent(event)));
    return options;
}

bool MainSwitches::openLastCampaign() const { return m_form.state().openLastCampaign; }

void MainSwitches::applySwitches(const CampaignOptions &options, bool openLastCampaign)
{
    m_form.setSoundsOn(options.soundsOn);
    m_form.setTipFlag(options.tipFlag);
    m_form.setOpenLastCampaign(openLastCampaign);
    ProgramState &state = m_form.state();
    state.saveOnClose = options.saveOnClose;
    state.timedSave = options.timedSave;
    state.autosaveIntervalMinutes = options.autosaveInterval;
    m_form.SetAutoSaveTimer();
    // The cue player asks the cues at every play: the next click plays the new sound.
    for (int event = 0; event < SoundCues::Count; ++event)
        m_form.soundCues().setConfiguredPath(SoundEvent(event), options.soundPath(SoundEvent(event)));
}

} // namespace Velmora
