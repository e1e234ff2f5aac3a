#pragma once

#include "core/options/SoundCues.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <array>

namespace Velmora {

/// The program options a campaign carries: the main window's placement, the sound files, and
/// the switches of the options dialog and the main window.
struct CampaignOptions
{
    enum WindowState { Normal = 0, Minimised = 1, Maximised = 2 };

    int windowState = Normal;     ///< the main window's state, one of WindowState
    float windowLeft = 180;       ///< twips; with the size below, a 1000 x 700 pixel window
    float windowTop = 510;        ///<   centred on a 1024 x 768 screen (15 twips a pixel)
    float windowWidth = 15000;    ///< twips
    float windowHeight = 10500;   ///< twips
    std::array<QString, SoundCues::Count> soundPaths; ///< by SoundEvent; "" plays the shipped sound
    bool tipFlag = true;          ///< show the tip of the day at start-up (Check1)
    bool soundsOn = true;         ///< SoundCheck
    bool saveOnClose = true;      ///< closing saves a modified campaign without asking
    bool timedSave = false;       ///< the timed autosave runs
    int autosaveInterval = 10;    ///< minutes between timed saves, 1 to 32767
    bool showMoons = false;       ///< moon phases in the agenda and almanach; the program never
                                  ///< turns it on by itself

    /// A new campaign's options: sounds, tips and save on close on, timed save off every 10
    /// minutes, moons not shown, no sound files of its own, a normal window.
    static CampaignOptions defaults();

    QString soundPath(SoundEvent event) const { return soundPaths[static_cast<size_t>(event)]; }
    void setSoundPath(SoundEvent event, const QString &path) { soundPaths[static_cast<size_t>(event)] = path; }

    /// Applies each item by its first field, in any order; items of other names are ignored.
    /// What an item could not give (a flag neither "TRUE" nor "FALSE", a number that is not
    /// one) stays as it was and makes the result false.
    bool load(const QStringList &items);
    /// The eleven items, WinPos first and ShowMoonFlag last.
    QStringList toItems() const;
    QJsonObject toJson() const;

    bool operator==(const CampaignOptions &) const = default;

private:
    bool applyItem(const QStringList &fields);
    bool applyWindow(const QStringList &fields);
};

} // namespace Velmora
