#pragma once

#include <QString>

namespace Velmora {

/// The program-wide state the main window owns while a campaign is open, read and written by the
/// other tools. Kept apart from any widget so that core logic and tests can use it.
struct ProgramState
{
    QString currentCampaignPath;    ///< "" means a new, un-named campaign
    bool campaignModified = false;
    bool saveOnClose = true;
    bool soundsOn = true;
    bool tipFlag = true;            ///< show the tip window at start-up
    bool showMoons = false;
    bool timedSave = false;
    int autosaveIntervalMinutes = 0;
    bool openLastCampaign = false;
    bool startingUp = false;        ///< from the start of loading to the end of the first activation
    bool loading = false;           ///< while the main window is being built
    bool splashActive = false;
    bool smallScreen = false;
    bool version3Loaded = false;    ///< a format 3.0 campaign was loaded since start

    /// Changes made while the window is being built neither mark the campaign modified nor click.
    bool quiet() const { return startingUp || loading; }
};

} // namespace Velmora
