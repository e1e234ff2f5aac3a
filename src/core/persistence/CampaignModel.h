#pragma once

#include "core/calendar/CalendarState.h"
#include "core/calendar/ClockTime.h"
#include "core/calendar/DatedLine.h"
#include "core/calendar/MoonRecord.h"
#include "core/calendar/WeatherState.h"
#include "core/documents/ClassEntry.h"
#include "core/documents/FrameLabels.h"
#include "core/documents/NotesDocuments.h"
#include "core/documents/Shortcut.h"
#include "core/generators/TownValues.h"
#include "core/maps/MapRecord.h"
#include "core/maps/NoteMarker.h"
#include "core/maps/ObjectMarker.h"
#include "core/maps/PlayerMarker.h"
#include "core/options/CampaignOptions.h"
#include "core/options/CustomTool.h"
#include "core/options/ImageEntry.h"
#include "core/persistence/ListLayout.h"
#include "core/table/BattleBoxCounters.h"
#include "core/table/BattleBoxEntry.h"
#include "core/table/StatsRow.h"
#include "core/table/XpRow.h"

#include <QJsonObject>
#include <QList>

namespace Velmora {

class RandomSource;

/// Everything one campaign file holds, as typed records: one member per block of the file.
/// The tools show and edit these; the campaign file reads and writes them (Campaign).
struct CampaignModel
{
    WeatherState weather;               // WEATHER
    ClockTime time;                     // TIME
    QList<MoonRecord> moons;            // MOONS
    QList<CustomTool> tools;            // TOOLS
    ListLayout layout;                  // GUISET
    CalendarState calendar;             // CALENDAR
    QList<XpRow> xp;                    // XP
    NotesDocuments documents;           // DOCUMENTS
    QList<DatedLine> agenda;            // LOG
    QList<DatedLine> almanach;          // ALMANACH
    QList<StatsRow> stats;              // STATS
    QList<ClassEntry> classes;          // CLASSES
    QList<Shortcut> links;              // LINKS
    QList<BattleBoxEntry> battleBox;    // BATTLEBOX
    BattleBoxCounters battleBoxCounters; // BBSTATE: the fight that stands
    QList<Shortcut> linkedBattleBoxes;  // LINKBB
    TownValues town;                    // TOWN
    QList<MapRecord> maps;              // MAPS
    QList<NoteMarker> noteMarkers;      // MNOTES
    QList<PlayerMarker> playerMarkers;  // MPLAYERS
    QList<ObjectMarker> objectMarkers;  // MOBJECTS
    QList<Shortcut> articles;           // ARTICLES
    QList<Shortcut> netBooks;           // NETBOOKS
    QList<Shortcut> webSites;           // WEBSITES
    QList<ImageEntry> images;           // IMAGES
    CampaignOptions options;            // OPTIONS
    FrameLabels labels;                 // LABELS

    /// The year the agenda and the almanach show: at every save each entry of the list is
    /// stamped with it and the list is written in calendar order. "" is the start date's year,
    /// which a load shows. Not stored in the file; the window sets them from its year arrows.
    QString agendaYearShown;
    QString almanachYearShown;

    /// Every tool in its starting state, the weather not rolled yet: what a load starts from
    /// (the file's WEATHER block decides the weather).
    static CampaignModel newCampaign();
    /// A new campaign as the game master starts it: the first climate is selected, and selecting
    /// a climate rolls the day's weather, from `random` (the program-wide random source).
    static CampaignModel newCampaign(RandomSource &random);

    /// Every record, for velmora-cli dump.
    QJsonObject toJson() const;

    bool operator==(const CampaignModel &) const = default;
};

} // namespace Velmora
