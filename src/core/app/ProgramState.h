#pragma once

namespace Velmora {

/// The program-wide switches the main window owns while a campaign is open, read and written by
/// the other tools. The campaign's path and its modified mark are the CampaignSession's.
struct ProgramState
{
    bool saveOnClose = true;
    bool soundsOn = true;
    bool tipFlag = true;            ///< show the tip window at start-up
    bool timedSave = false;
    int autosaveIntervalMinutes = 0;
    bool openLastCampaign = false;
    bool startingUp = false;        ///< from the start of loading to the end of the first activation
    bool loading = false;           ///< while the main window is being built
    bool splashActive = false;
    bool smallScreen = false;
    bool version3Loaded = false;    ///< a format 3.0 campaign was loaded since start
};

} // namespace Velmora
