#include "support/MaximalCampaign.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

template<typename Row>
Row row(const QString &item)
{
    const std::optional<Row> parsed = Row::fromItem(item);
    if (!parsed)
        qFatal("maximal campaign: item not understood: %s", qPrintable(item));
    return *parsed;
}

} // namespace

CampaignModel maximalCampaign(int battleBoxEntries)
{
    CampaignModel model = CampaignModel::newCampaign();
    model.weather.load({u"2"_s, u"Hot and dry, a sandstorm rises in the afternoon"_s});
    model.time.load({u"11;59;PM"_s});
    for (int i = 1; i <= 3; ++i)
        model.moons << row<MoonRecord>(u"Moon %1;%2;2007:1:%3"_s.arg(i).arg(20 + i * 5).arg(i));
    model.tools << row<CustomTool>(u"Notes;/usr/bin/gedit;--new-window"_s) << row<CustomTool>(u"Dice;/opt/dice/roll;"_s);
    model.calendar.currentDate = u"2012:7:14"_s;
    for (int i = 1; i <= 10; ++i)
        model.xp << row<XpRow>(u"Player %1;%2;%3"_s.arg(i).arg(i * 1000).arg(500 + i));
    // Dated in the start year, in calendar order: the form every save writes them in.
    for (int month = 1; month <= 12; ++month) {
        model.agenda << row<DatedLine>(u"2007:%1:4;Session %1\r\nBring the map of the Sunless Keep\r\nAsk about the \u00e9lan vital"_s.arg(month));
        model.almanach << row<DatedLine>(u"2007:%1:20;Festival of the %1th moon\r\nAll inns are full"_s.arg(month));
    }
    for (int i = 1; i <= 10; ++i)
        model.stats << row<StatsRow>(u"Hero %1;Fighter %1;%1;M;Male;LG;Heironeous;6'0\";180 lb;Human;16;14;15;10;12;8;%2;30;+2;+5;+2;+1;18"_s.arg(i).arg(i * 10));
    for (int i = 1; i <= 5; ++i)
        model.links << row<Shortcut>(u"Link %1;/home/gm/links/link %1.pdf"_s.arg(i));
    model.battleBox.reserve(battleBoxEntries);
    for (int i = 1; i <= battleBoxEntries; ++i)
        model.battleBox << row<BattleBoxEntry>(u"%1;%2;Orc (%3);+3;+1;-1;Ferocity;30;13;+4;1d12+3;+1;1d6;%4;orc.ico"_s
                                                   .arg(i % 2 ? u"T"_s : u"F"_s).arg(i % 25).arg(i).arg(5 + i % 7));
    for (int i = 1; i <= 3; ++i)
        model.linkedBattleBoxes << row<Shortcut>(u"Encounter %1;/home/gm/battle/encounter %1.bbx"_s.arg(i));
    model.town.load({u"Millbrook"_s, u"Faerun"_s, u"Small Town"_s, u"1500"_s, u"800"_s, u"Conventional"_s, u"LG"_s,
                     u"Magical"_s, u"N"_s, u"Nonstandard"_s, u"CE"_s, u"Conventional"_s, u"NG"_s, u"Mixed"_s, u"Human"_s});
    for (int m = 1; m <= 5; ++m) {
        const QString key = u"Map%1"_s.arg(m);
        model.maps << row<MapRecord>(u"/home/gm/maps/%1.bmp;%2;TRUE;%3;%4;16711680;%5;%6;TRUE;TRUE"_s
                                         .arg(key, m % 2 ? u"FITTED"_s : u"FULL"_s).arg(10 + m).arg(8 + m).arg(m * 3).arg(m * 4));
        for (int i = 1; i <= 4; ++i) {
            model.noteMarkers << row<NoteMarker>(u"note%1_%2;Trap here;%3;%4;%5;note.ico"_s.arg(m).arg(i).arg(key).arg(i * 12.5).arg(i * 7));
            model.playerMarkers << row<PlayerMarker>(u"Player %1 on %2;%2;%3;%4;pawn.ico"_s.arg(i).arg(key).arg(i * 3).arg(i * 4));
            model.objectMarkers << row<ObjectMarker>(u"Chest %1 on %2;%2;%3;%4;chest.ico;%5"_s.arg(i).arg(key).arg(i).arg(i * 2).arg(i % 2 ? u"TRUE"_s : u"FALSE"_s));
        }
    }
    model.options.timedSave = true;
    model.options.autosaveInterval = 15;
    model.options.showMoons = true;
    return model;
}

} // namespace Velmora
