// Loading and saving the campaign of a long game (every block filled, every list at its longest),
// headless, beside the block-file container alone on the same bytes.
// Usage: bench_campaign

#include "BenchSupport.h"

#include "core/common/AppFolder.h"
#include "core/persistence/Campaign.h"
#include "core/table/BattleBoxList.h"
#include "core/table/StatsListModel.h"

#include "support/MaximalCampaign.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::best;
using Velmora::Bench::fail;
using Velmora::Bench::report;

namespace {

constexpr int MaxRows = 32767;
constexpr int Months = 10;
constexpr int DaysPerMonth = 73; // ten months of 73 days: one agenda and one almanach entry a day
constexpr int Maps = 500;
constexpr int MarkersPerMap = 4; // 2000 markers of each kind

template<typename Row>
Row row(const QString &item)
{
    const std::optional<Row> parsed = Row::fromItem(item);
    if (!parsed)
        fail(u"item not understood: "_s + item);
    return *parsed;
}

// A note of some eight hundred characters over nine lines, as a game master keeps on a map.
QString longNote(int n)
{
    QString note = u"Note %1: the door is trapped"_s.arg(n);
    for (int line = 1; line <= 8; ++line)
        note += u"\r\nLine %1 \u00e9 - a poisoned needle in the lock, search DC %2, disable DC %3, a long corridor"_s
                    .arg(line).arg(20 + line).arg(n % 30);
    return note;
}

void fillCalendar(CampaignModel &model)
{
    model.calendar.months.clear();
    model.agenda.clear();
    model.almanach.clear();
    for (int m = 1; m <= Months; ++m) {
        model.calendar.months << CalendarState::Month{u"Month%1"_s.arg(m), DaysPerMonth};
        for (int d = 1; d <= DaysPerMonth; ++d) {
            model.agenda << row<DatedLine>(u"2007:%1:%2;Session on day %2\r\nBring the map of the Sunless Keep\r\n"
                                           u"Ask about the \u00e9lan vital"_s.arg(m).arg(d));
            model.almanach
                << row<DatedLine>(u"2007:%1:%2;Festival of the %2th day\r\nAll inns are full"_s.arg(m).arg(d));
        }
    }
}

void fillMaps(CampaignModel &model)
{
    model.maps.clear();
    model.noteMarkers.clear();
    model.playerMarkers.clear();
    model.objectMarkers.clear();
    for (int m = 1; m <= Maps; ++m) {
        const QString key = u"Map%1"_s.arg(m);
        model.maps << row<MapRecord>(u"/home/gm/maps/%1.bmp;%2;TRUE;%3;%4;16711680;%5;%6;TRUE;TRUE"_s
                                         .arg(key, m % 2 ? u"FITTED"_s : u"FULL"_s)
                                         .arg(10 + m % 9).arg(8 + m % 7).arg(m * 3).arg(m * 4));
        for (int i = 1; i <= MarkersPerMap; ++i) {
            const int n = (m - 1) * MarkersPerMap + i;
            model.noteMarkers << row<NoteMarker>(
                u"_%1;%2;%3;%4;%5;/home/gm/icons/note.ico"_s.arg(n).arg(longNote(n), key).arg(i * 12.5).arg(i * 7));
            model.playerMarkers << row<PlayerMarker>(
                u"Player %1;%2;%3;%4;/home/gm/icons/pawn.ico"_s.arg(n).arg(key).arg(i * 3).arg(i * 4.25));
            const QString movable = i % 2 ? u"TRUE"_s : u"FALSE"_s;
            model.objectMarkers << row<ObjectMarker>(
                u"Chest %1;%2;%3;%4;/home/gm/icons/chest.ico;%5"_s.arg(n).arg(key).arg(i).arg(i * 2).arg(movable));
        }
    }
}

// The maximal campaign with every list grown to what a long campaign reaches.
CampaignModel longCampaign()
{
    CampaignModel model = maximalCampaign(MaxRows);
    fillCalendar(model);
    fillMaps(model);
    model.stats.clear();
    model.stats.reserve(MaxRows);
    for (int i = 1; i <= MaxRows; ++i)
        model.stats << row<StatsRow>(u"Hero %1;Fighter %2;%2;M;Male;LG;Heironeous;6'0\";180 lb;Human;16;14;15;10;12;8;"
                                     u"%3;30;+2;+5;+2;+1;18"_s.arg(i).arg(1 + i % 20).arg(i % 200));
    return model;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(file.errorString());
    return file.readAll();
}

void load(Campaign &campaign, const QString &path)
{
    if (!campaign.LoadCampaignFile(path).readable)
        fail(u"the long campaign did not load"_s);
}

void save(Campaign &campaign, const QString &path)
{
    if (const Result<void> saved = campaign.SaveCampaign(path, false); !saved)
        fail(saved.error().message);
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    const QString path = dir.filePath(u"long.vlf"_s);
    const QString copy = dir.filePath(u"copy.vlf"_s);
    Campaign campaign(folder);
    campaign.model = longCampaign();
    save(campaign, path);
    const QByteArray bytes = readAll(path);
    std::printf("long campaign: %.1f MB, best of %d runs\n", double(bytes.size()) / 1e6, Bench::Runs);

    // Loaded and saved again, the campaign gives the very bytes it was read from.
    load(campaign, path);
    save(campaign, copy);
    if (readAll(copy) != bytes)
        fail(u"the long campaign did not resave byte for byte"_s);

    oVLFile container;
    const double parse = best([&] {
        if (!container.ParseVLFile(path))
            fail(u"the container did not parse the long campaign"_s);
    });
    // Parsed again before each write, so that every write encodes its blocks anew.
    const double write = best([&] { (void)container.ParseVLFile(path); }, [&] {
        if (const Result<void> written = container.WriteData(copy); !written)
            fail(written.error().message);
    });
    const double loadTime = best([&] { load(campaign, path); });
    // Each save rebuilds the blocks from the model, as a save after editing does.
    const double saveTime = best([&] { save(campaign, copy); });
    report("ParseVLFile", bytes.size(), parse);
    report("WriteData", bytes.size(), write);
    report("LoadCampaignFile", bytes.size(), loadTime);
    report("SaveCampaign", bytes.size(), saveTime);
    std::printf("(load + save) / (parse + write): %.2f\n", (loadTime + saveTime) / (parse + write));

    // The game table's lists at their longest, as the window shows them after the load: the list
    // models filled, the Battle Box sorted by initiative (each run flips the order, as a header
    // click does), the lists given back to the campaign for its save.
    BattleBoxList battleBox;
    StatsListModel stats;
    const double fill = best([&] {
        battleBox.setEntries(campaign.model.battleBox);
        stats.setRows(campaign.model.stats);
    });
    const double sort = best([&] { battleBox.headerClicked(BattleBoxList::Initiative); });
    const double giveBack = best([&] {
        campaign.model.battleBox = battleBox.entries();
        campaign.model.stats = stats.rows();
    });
    std::printf("%-28s %8.1f ms  (%d Battle Box and %d statistics rows)\n", "fill the list models", fill * 1e3,
                int(battleBox.rowCount()), int(stats.rowCount()));
    std::printf("%-28s %8.1f ms\n", "sort by initiative", sort * 1e3);
    std::printf("%-28s %8.1f ms\n", "lists back to the campaign", giveBack * 1e3);
    return 0;
}
