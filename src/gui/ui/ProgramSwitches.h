#pragma once

#include "core/options/CampaignOptions.h"

namespace Velmora {

/// The program-wide switches the main window runs with, for the options dialog: it reads them
/// when it opens and hands them back on Apply and OK. The main window provides it among the
/// part services.
class ProgramSwitches
{
public:
    virtual ~ProgramSwitches() = default;

    /// Sounds on, tips, save on close, timed save and its interval, and the five sound files;
    /// the window's placement and the moons are not switches of the program.
    virtual CampaignOptions switches() const = 0;
    /// Whether the next start reopens the campaign open last (a session setting).
    virtual bool openLastCampaign() const = 0;
    /// Takes the switches at once: the check boxes, the autosave timer, the sound cues (a new
    /// sound plays on the next click).
    virtual void applySwitches(const CampaignOptions &options, bool openLastCampaign) = 0;
};

/// Whether the agenda and the almanach show the moons' phases; the calendar's tools provide it.
class MoonDisplay
{
public:
    virtual ~MoonDisplay() = default;
    virtual bool showMoons() const = 0;
    /// Shows or hides the moon columns at once; a change marks the campaign modified.
    virtual void setShowMoons(bool show) = 0;
};

} // namespace Velmora
