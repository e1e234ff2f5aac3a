#include "core/persistence/CampaignBlocks.h"

#include <algorithm>

#include <QHash>

#include <optional>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

template<typename Row>
QStringList listItems(const QList<Row> &rows)
{
    QStringList items;
    items.reserve(rows.size());
    for (const Row &row : rows)
        items << row.toItem();
    return items;
}

// An emptied list takes its block out of the file, so that it does not come back on loading.
void writeList(oVLFile &file, const QString &label, const QStringList &items)
{
    if (items.isEmpty())
        file.RemoveBlock(label);
    else
        file.UpdateBlock(label, items);
}

// A block of fixed fields whose every field is empty is kept without items: the header counts
// it and nothing of it is written. Written as NUL bytes it would be dropped on reading, and the
// next save would append it after the others, so the campaign would not resave to the same bytes.
void writeFixed(oVLFile &file, const QString &label, const QStringList &items)
{
    const bool allEmpty =
        std::all_of(items.cbegin(), items.cend(), [](const QString &item) { return item.isEmpty(); });
    file.UpdateBlock(label, allEmpty ? QStringList() : items);
}

// What a list does with an item it cannot understand.
enum class OnBadItem {
    SkipRest, // the rows before it stay, the rest of the block is skipped, as a block that fails
              // part-way has always been handled
    SkipItem, // the agenda and the almanach drop the line and carry on with the next
};

template<typename Row>
QList<Row> readList(const oBlock &block, LoadOutcome &outcome, OnBadItem onBad = OnBadItem::SkipRest)
{
    QList<Row> rows;
    const QStringList &items = block.Items();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (std::optional<Row> row = Row::fromItem(items.at(i))) {
            rows << *row;
            continue;
        }
        const QString what = CampaignBlocks::tr("%1: item %2 \"%3\" not understood").arg(block.Label()).arg(i + 1).arg(items.at(i));
        if (onBad == OnBadItem::SkipItem) {
            outcome.skipped << what;
            continue;
        }
        outcome.skipped << what + CampaignBlocks::tr("; the rest of the block is skipped");
        break;
    }
    return rows;
}

// Rows that the writer never writes (a combatant without a name, a Battle Box list without a
// file) are not taken either.
template<typename Row, typename Keep>
QList<Row> keptRows(QList<Row> rows, Keep keep)
{
    rows.removeIf([&keep](const Row &row) { return !keep(row); });
    return rows;
}

template<typename Record>
void readFixed(const oBlock &block, Record &record, LoadOutcome &outcome)
{
    if (!record.load(block.Items()))
        outcome.skipped << CampaignBlocks::tr("%1: not all items understood").arg(block.Label());
}

QStringList classItems(const QList<ClassEntry> &classes)
{
    // All standard classes first, then all prestige classes, each in list order.
    QStringList standard, prestige;
    for (const ClassEntry &entry : classes)
        (entry.prestige ? prestige : standard) << entry.toItem();
    return standard + prestige;
}

QStringList linkedBattleBoxItems(const QList<Shortcut> &lists)
{
    QStringList items;
    for (const Shortcut &list : lists) {
        if (!list.location.isEmpty())
            items << list.toItem();
    }
    return items;
}

QStringList battleBoxItems(const QList<BattleBoxEntry> &entries)
{
    QStringList items;
    for (const BattleBoxEntry &entry : entries) {
        if (entry.isWritten())
            items << entry.toItem();
    }
    return items;
}

// One loading step of the dispatch: its message and what it does with the block.
struct Step
{
    QString message;
    std::function<void(const oBlock &, CampaignModel &, LoadOutcome &)> load;
};

const QHash<QString, Step> &dispatch()
{
    static const QHash<QString, Step> steps = {
        {u"MAPS"_s, {u"Loading maps data"_s, [](auto &b, auto &m, auto &o) { m.maps = readList<MapRecord>(b, o); }}},
        {u"MNOTES"_s, {u"Loading maps notes"_s, [](auto &b, auto &m, auto &o) { m.noteMarkers = readList<NoteMarker>(b, o); }}},
        {u"MPLAYERS"_s, {u"Loading maps players"_s, [](auto &b, auto &m, auto &o) { m.playerMarkers = readList<PlayerMarker>(b, o); }}},
        {u"MOBJECTS"_s, {u"Loading maps objects"_s, [](auto &b, auto &m, auto &o) { m.objectMarkers = readList<ObjectMarker>(b, o); }}},
        {u"XP"_s, {u"Loading Experience Points list"_s, [](auto &b, auto &m, auto &o) { m.xp = readList<XpRow>(b, o); }}},
        {u"CALENDAR"_s, {u"Loading calendar"_s, [](auto &b, auto &m, auto &o) { readFixed(b, m.calendar, o); }}},
        {u"WEATHER"_s, {u"Loading weather"_s, [](auto &b, auto &m, auto &o) { readFixed(b, m.weather, o); }}},
        {u"MOONS"_s, {u"Loading moons"_s, [](auto &b, auto &m, auto &o) { m.moons = readList<MoonRecord>(b, o); }}},
        {u"LINKS"_s, {u"Loading links"_s, [](auto &b, auto &m, auto &o) { m.links = readList<Shortcut>(b, o); }}},
        {u"ARTICLES"_s, {u"Loading article list"_s, [](auto &b, auto &m, auto &o) { m.articles = readList<Shortcut>(b, o); }}},
        {u"NETBOOKS"_s, {u"Loading netbook list"_s, [](auto &b, auto &m, auto &o) { m.netBooks = readList<Shortcut>(b, o); }}},
        {u"WEBSITES"_s, {u"Loading website list"_s, [](auto &b, auto &m, auto &o) { m.webSites = readList<Shortcut>(b, o); }}},
        {u"BATTLEBOX"_s, {u"Loading battle box list"_s, [](auto &b, auto &m, auto &o) {
             m.battleBox = keptRows(readList<BattleBoxEntry>(b, o), [](const BattleBoxEntry &e) { return e.isWritten(); });
         }}},
        {u"TOWN"_s, {u"Loading town data"_s, [](auto &b, auto &m, auto &o) { readFixed(b, m.town, o); }}},
        {u"DOCUMENTS"_s, {u"Loading documents"_s, [](auto &b, auto &m, auto &o) { readFixed(b, m.documents, o); }}},
        {u"CLASSES"_s, {u"Loading classes lists"_s, [](auto &b, auto &m, auto &o) { m.classes = readList<ClassEntry>(b, o); }}},
        {u"IMAGES"_s, {u"Loading user pictures"_s, [](auto &b, auto &m, auto &o) { m.images = readList<ImageEntry>(b, o); }}},
        {u"LINKBB"_s, {u"Loading custom battle box lists"_s, [](auto &b, auto &m, auto &o) {
             m.linkedBattleBoxes = keptRows(readList<Shortcut>(b, o), [](const Shortcut &s) { return !s.location.isEmpty(); });
         }}},
        {u"STATS"_s, {u"Loading statistic list"_s, [](auto &b, auto &m, auto &o) { m.stats = readList<StatsRow>(b, o); }}},
        {u"TIME"_s, {u"Loading time data"_s, [](auto &b, auto &m, auto &o) { readFixed(b, m.time, o); }}},
        {u"TOOLS"_s, {u"Loading custom applications"_s, [](auto &b, auto &m, auto &o) { m.tools = readList<CustomTool>(b, o); }}},
        {u"LABELS"_s, {u"Loading custom labels"_s, [](auto &b, auto &m, auto &o) { readFixed(b, m.labels, o); }}},
    };
    return steps;
}

} // namespace

const QStringList &CampaignBlocks::labels()
{
    static const QStringList all = {
        u"WEATHER"_s, u"TIME"_s, u"MOONS"_s, u"TOOLS"_s, u"GUISET"_s, u"CALENDAR"_s, u"XP"_s,
        u"DOCUMENTS"_s, u"LOG"_s, u"ALMANACH"_s, u"STATS"_s, u"CLASSES"_s, u"LINKS"_s, u"BATTLEBOX"_s,
        u"LINKBB"_s, u"TOWN"_s, u"MAPS"_s, u"MNOTES"_s, u"MPLAYERS"_s, u"MOBJECTS"_s, u"ARTICLES"_s,
        u"NETBOOKS"_s, u"WEBSITES"_s, u"IMAGES"_s, u"OPTIONS"_s, u"LABELS"_s,
    };
    return all;
}

void CampaignBlocks::write(const CampaignModel &model, oVLFile &file)
{
    writeFixed(file, u"WEATHER"_s, model.weather.toItems());
    writeFixed(file, u"TIME"_s, model.time.toItems());
    writeList(file, u"MOONS"_s, listItems(model.moons));
    writeList(file, u"TOOLS"_s, listItems(model.tools));
    writeFixed(file, u"GUISET"_s, model.layout.toItems());
    writeFixed(file, u"CALENDAR"_s, model.calendar.toItems());
    writeList(file, u"XP"_s, listItems(model.xp));
    writeFixed(file, u"DOCUMENTS"_s, model.documents.toItems());
    writeList(file, u"LOG"_s, listItems(model.agenda));
    writeList(file, u"ALMANACH"_s, listItems(model.almanach));
    writeList(file, u"STATS"_s, listItems(model.stats));
    writeList(file, u"CLASSES"_s, classItems(model.classes));
    writeList(file, u"LINKS"_s, listItems(model.links));
    writeList(file, u"BATTLEBOX"_s, battleBoxItems(model.battleBox));
    writeList(file, u"LINKBB"_s, linkedBattleBoxItems(model.linkedBattleBoxes));
    writeFixed(file, u"TOWN"_s, model.town.toItems());
    writeList(file, u"MAPS"_s, listItems(model.maps));
    writeList(file, u"MNOTES"_s, listItems(model.noteMarkers));
    writeList(file, u"MPLAYERS"_s, listItems(model.playerMarkers));
    writeList(file, u"MOBJECTS"_s, listItems(model.objectMarkers));
    writeList(file, u"ARTICLES"_s, listItems(model.articles));
    writeList(file, u"NETBOOKS"_s, listItems(model.netBooks));
    writeList(file, u"WEBSITES"_s, listItems(model.webSites));
    writeList(file, u"IMAGES"_s, listItems(model.images));
    writeFixed(file, u"OPTIONS"_s, model.options.toItems());
    writeFixed(file, u"LABELS"_s, model.labels.toItems());
}

void CampaignBlocks::load(const oVLFile &file, CampaignModel &model, LoadOutcome &outcome, const LoadProgress &progress)
{
    const oBlock *log = nullptr;
    const oBlock *almanach = nullptr;
    const oBlock *options = nullptr;
    const oBlock *layout = nullptr;
    for (const oBlock &block : file.Blocks()) {
        const QString label = block.Label().toUpper();
        outcome.labels << label;
        if (label == u"LOG"_s)
            log = &block;
        else if (label == u"ALMANACH"_s)
            almanach = &block;
        else if (label == u"OPTIONS"_s)
            options = &block;
        else if (label == u"GUISET"_s)
            layout = &block;
        const auto step = dispatch().constFind(label);
        if (step == dispatch().constEnd())
            continue; // taken up below, or a block of another program: kept in the file as it is
        progress.show(step->message);
        step->load(block, model, outcome);
    }

    progress.show(u"Loading agenda and almanach"_s);
    if (log)
        model.agenda = readList<DatedLine>(*log, outcome, OnBadItem::SkipItem);
    if (almanach)
        model.almanach = readList<DatedLine>(*almanach, outcome, OnBadItem::SkipItem);

    if (options) {
        progress.show(u"Loading custom options"_s);
        readFixed(*options, model.options, outcome);
    } else {
        progress.show(u"Loading default options"_s);
    }

    progress.show(u"Loading all maps"_s);
    if (layout) {
        progress.show(u"Loading last GUI settings"_s);
        readFixed(*layout, model.layout, outcome);
    }
    progress.show(u"Loading character library"_s);
    if (model.weather.climate < 0)
        model.weather.climate = 0;
    progress.show(u"Loading event collection"_s);
}

} // namespace Velmora
