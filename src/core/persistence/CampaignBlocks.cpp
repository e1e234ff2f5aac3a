#include "core/persistence/CampaignBlocks.h"

#include "core/calendar/AgendaBook.h"
#include "core/common/CodePage.h"
#include "core/common/SharedValues.h"

#include <algorithm>
#include <functional>
#include <future>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// When a block is taken up on loading: in file order, or in one of the steps that follow.
enum class Stage {
    FileOrder,
    Agenda,  // "Loading agenda and almanach", with the calendar and moons already read
    Options, // "Loading custom options", else the default options stand
    Layout,  // "Loading last GUI settings", after the maps are rebuilt
};

// What the writer does with a block whose items are empty.
enum class Kind {
    Fixed, // always updated: a block of fixed fields
    List,  // removed from the file, so that an emptied list does not come back on loading
};

// What a block is read into, and where the campaign's stored paths are resolved.
struct Loading
{
    CampaignModel &model;
    LoadOutcome &outcome;
    const AppFolder &folder;
};

// One block of the campaign file: its label, the message announcing it on loading, the stage
// that loads it, how it is read into the model and how its text is made from the model (each
// item in Windows-1252 and a NUL, as the file holds it: "" for no items).
struct BlockRow
{
    QString label;
    QString message;
    Stage stage;
    std::function<void(const oBlock &, Loading &)> read;
    Kind kind;
    std::function<QByteArray(const CampaignModel &)> text;
    QString after = {}; ///< a new block of this label goes right after this one; "" at the end
    /// A list's rows moved from a model it was read into to another; empty for the other blocks.
    std::function<void(CampaignModel &from, CampaignModel &to)> take = {};
    /// How many rows a list holds, to be written; empty for the other blocks.
    std::function<qsizetype(const CampaignModel &)> rows = {};
};

// A row's item added to a block's text. A row that shows its fields is encoded straight from
// them, without a string for the item and one for the block: the long lists write tens of
// thousands of items.
template<typename Row>
void appendItem(QByteArray &text, const Row &row)
{
    if constexpr (requires { row.fields(); }) {
        const auto fields = row.fields();
        qsizetype length = qsizetype(fields.size()); // the separators and the NUL
        for (QStringView field : fields)
            length += field.size();
        const qsizetype start = text.size();
        text.resize(start + length); // grows by more than asked, as the block needs
        char *out = text.data() + start;
        for (QStringView field : fields) {
            out = CodePage::encode(field, out);
            *out++ = ';';
        }
        out[-1] = '\0'; // the last field ends the item
    } else {
        CodePage::append(text, row.toItem());
        text += '\0';
    }
}

QByteArray itemsText(const QStringList &items)
{
    QByteArray text;
    for (const QString &item : items) {
        CodePage::append(text, item);
        text += '\0';
    }
    return text;
}

template<typename Row>
QByteArray listText(const QList<Row> &rows)
{
    QByteArray text;
    for (const Row &row : rows)
        appendItem(text, row);
    return text;
}

// A line that cannot be understood is skipped and reported, and the lines after it are still
// read, in every list: one damaged line never costs the rest of a list. (Stopping at the first
// bad line, as a block that fails part-way would, loses what the game master typed after it.)
template<typename Row>
QList<Row> readList(const oBlock &block, LoadOutcome &outcome)
{
    QList<Row> rows;
    rows.reserve(block.itemCount());
    SharedValues shared; // the rows of a long list share the values they repeat
    const auto read = [&shared](const QString &item) {
        if constexpr (requires { Row::fromItem(item, &shared); })
            return Row::fromItem(item, &shared);
        else
            return Row::fromItem(item);
    };
    qsizetype number = 0;
    block.forEachItem([&](const QString &item) {
        ++number;
        if (std::optional<Row> row = read(item))
            rows << std::move(*row);
        else
            outcome.skipped << CampaignBlocks::tr("%1: item %2 \"%3\" not understood").arg(block.Label()).arg(number).arg(item);
    });
    return rows;
}

template<typename Record>
void readFixed(const oBlock &block, Record &record, LoadOutcome &outcome)
{
    if (!record.load(block.Items()))
        outcome.skipped << CampaignBlocks::tr("%1: not all items understood").arg(block.Label());
}

// Rows that the writer never writes (a combatant without a name, a Battle Box list without a
// file) are not taken either.
template<typename Row, typename Keep>
QList<Row> keptRows(QList<Row> rows, Keep keep)
{
    rows.removeIf([&keep](const Row &row) { return !keep(row); });
    return rows;
}

template<typename Row, typename Keep>
QByteArray keptText(const QList<Row> &rows, Keep keep)
{
    QByteArray text;
    for (const Row &row : rows) {
        if (keep(row))
            appendItem(text, row);
    }
    return text;
}

template<typename Row>
BlockRow listBlock(const QString &label, const QString &message, QList<Row> CampaignModel::*member,
                   Stage stage = Stage::FileOrder)
{
    return {label, message, stage,
            [member](const oBlock &block, Loading &loading) {
                loading.model.*member = readList<Row>(block, loading.outcome);
            },
            Kind::List, [member](const CampaignModel &model) { return listText(model.*member); }, QString(),
            [member](CampaignModel &from, CampaignModel &to) { to.*member = std::move(from.*member); },
            [member](const CampaignModel &model) { return (model.*member).size(); }};
}

template<typename Record>
BlockRow fixedBlock(const QString &label, const QString &message, Record CampaignModel::*member,
                    Stage stage = Stage::FileOrder)
{
    return {label, message, stage,
            [member](const oBlock &block, Loading &loading) { readFixed(block, loading.model.*member, loading.outcome); },
            Kind::Fixed, [member](const CampaignModel &model) { return itemsText((model.*member).toItems()); }};
}

QByteArray classText(const CampaignModel &model)
{
    // All standard classes first, then all prestige classes, each in list order.
    QByteArray standard, prestige;
    for (const ClassEntry &entry : model.classes)
        appendItem(entry.prestige ? prestige : standard, entry);
    return standard + prestige;
}

// The agenda and the almanach are written as the window reads them back from its month pages:
// in calendar order, every entry stamped with the year shown. A day the calendar lacks is not on
// a page, and so is not written; of two entries on one day (of different years) the later stays.
BlockRow agendaBlock(const QString &label, QList<DatedLine> CampaignModel::*lines, QString CampaignModel::*yearShown)
{
    BlockRow row = listBlock(label, QString(), lines, Stage::Agenda);
    row.text = [lines, yearShown](const CampaignModel &model) {
        AgendaBook book;
        book.init(model.*lines, oCalendar::fromState(model.calendar), model.calendar.startDate, {});
        if (!(model.*yearShown).isEmpty())
            book.SetCurrentYear(model.*yearShown);
        return listText(book.GetEntries());
    };
    return row;
}

// The notes documents are loaded as the Docs tab loads them: one that is missing (or an item
// without a path) and all three take their default files.
BlockRow documentsBlock()
{
    BlockRow row = fixedBlock(u"DOCUMENTS"_s, CampaignBlocks::tr("Loading documents"), &CampaignModel::documents);
    const auto readPaths = row.read;
    row.read = [readPaths](const oBlock &block, Loading &loading) {
        if (NotesDocuments::filesExist(block.Items(), loading.folder)) {
            readPaths(block, loading);
            return;
        }
        loading.model.documents = NotesDocuments::defaults();
        loading.outcome.defaultDocuments = true;
        loading.outcome.skipped
            << CampaignBlocks::tr("%1: a notes document was not found, the default documents are used").arg(block.Label());
    };
    return row;
}

BlockRow battleBoxBlock()
{
    const auto written = [](const BattleBoxEntry &entry) { return entry.isWritten(); };
    BlockRow row = listBlock(u"BATTLEBOX"_s, CampaignBlocks::tr("Loading battle box list"), &CampaignModel::battleBox);
    row.read = [written](const oBlock &block, Loading &loading) {
        loading.model.battleBox = keptRows(readList<BattleBoxEntry>(block, loading.outcome), written);
    };
    row.text = [written](const CampaignModel &model) { return keptText(model.battleBox, written); };
    return row;
}

// The fight that stands (round, durations, situations), so that a fight interrupted by closing
// the program resumes where it stood: the counters are saved with the campaign and a load sets
// them, unlike the counters of old that lived only as long as the window. Written only while a
// value differs from a new campaign's, so that a new campaign's file does not change; programs
// that do not know the block skip it.
BlockRow battleBoxCountersBlock()
{
    return {u"BBSTATE"_s, CampaignBlocks::tr("Loading Battle Box counters"), Stage::FileOrder,
            [](const oBlock &block, Loading &loading) {
                loading.model.battleBoxCounters = BattleBoxCounters::fromItems(block.Items());
            },
            Kind::List,
            [](const CampaignModel &model) {
                const BattleBoxCounters &counters = model.battleBoxCounters;
                return counters.isAtStart() ? QByteArray() : itemsText(counters.toItems());
            },
            u"BATTLEBOX"_s};
}

BlockRow linkedBattleBoxBlock()
{
    const auto withFile = [](const Shortcut &list) { return !list.location.isEmpty(); };
    BlockRow row = listBlock(u"LINKBB"_s, CampaignBlocks::tr("Loading custom battle box lists"), &CampaignModel::linkedBattleBoxes);
    row.read = [withFile](const oBlock &block, Loading &loading) {
        loading.model.linkedBattleBoxes = keptRows(readList<Shortcut>(block, loading.outcome), withFile);
    };
    row.text = [withFile](const CampaignModel &model) { return keptText(model.linkedBattleBoxes, withFile); };
    return row;
}

// Every block this program knows, in the writer's order. A new block is one row here.
const QList<BlockRow> &blockTable()
{
    using M = CampaignModel;
    static const QList<BlockRow> table = [] {
        BlockRow classes = listBlock(u"CLASSES"_s, CampaignBlocks::tr("Loading classes lists"), &M::classes);
        classes.text = classText;
        return QList<BlockRow>{
            fixedBlock(u"WEATHER"_s, CampaignBlocks::tr("Loading weather"), &M::weather),
            fixedBlock(u"TIME"_s, CampaignBlocks::tr("Loading time data"), &M::time),
            listBlock(u"MOONS"_s, CampaignBlocks::tr("Loading moons"), &M::moons),
            listBlock(u"TOOLS"_s, CampaignBlocks::tr("Loading custom applications"), &M::tools),
            fixedBlock(u"GUISET"_s, CampaignBlocks::tr("Loading last GUI settings"), &M::layout, Stage::Layout),
            fixedBlock(u"CALENDAR"_s, CampaignBlocks::tr("Loading calendar"), &M::calendar),
            listBlock(u"XP"_s, CampaignBlocks::tr("Loading Experience Points list"), &M::xp),
            documentsBlock(),
            agendaBlock(u"LOG"_s, &M::agenda, &M::agendaYearShown),
            agendaBlock(u"ALMANACH"_s, &M::almanach, &M::almanachYearShown),
            listBlock(u"STATS"_s, CampaignBlocks::tr("Loading statistic list"), &M::stats),
            classes,
            listBlock(u"LINKS"_s, CampaignBlocks::tr("Loading links"), &M::links),
            battleBoxBlock(),
            battleBoxCountersBlock(),
            linkedBattleBoxBlock(),
            fixedBlock(u"TOWN"_s, CampaignBlocks::tr("Loading town data"), &M::town),
            listBlock(u"MAPS"_s, CampaignBlocks::tr("Loading maps data"), &M::maps),
            listBlock(u"MNOTES"_s, CampaignBlocks::tr("Loading maps notes"), &M::noteMarkers),
            listBlock(u"MPLAYERS"_s, CampaignBlocks::tr("Loading maps players"), &M::playerMarkers),
            listBlock(u"MOBJECTS"_s, CampaignBlocks::tr("Loading maps objects"), &M::objectMarkers),
            listBlock(u"ARTICLES"_s, CampaignBlocks::tr("Loading article list"), &M::articles),
            listBlock(u"NETBOOKS"_s, CampaignBlocks::tr("Loading netbook list"), &M::netBooks),
            listBlock(u"WEBSITES"_s, CampaignBlocks::tr("Loading website list"), &M::webSites),
            listBlock(u"IMAGES"_s, CampaignBlocks::tr("Loading user pictures"), &M::images),
            fixedBlock(u"OPTIONS"_s, CampaignBlocks::tr("Loading custom options"), &M::options, Stage::Options),
            fixedBlock(u"LABELS"_s, CampaignBlocks::tr("Loading custom labels"), &M::labels),
        };
    }();
    return table;
}

const BlockRow *rowOf(const QString &label)
{
    const QList<BlockRow> &table = blockTable();
    const auto found = std::find_if(table.cbegin(), table.cend(), [&label](const BlockRow &row) {
        return row.label.compare(label, Qt::CaseInsensitive) == 0;
    });
    return found == table.cend() ? nullptr : &*found;
}

// Loads every block of `stage` that the file holds, in table order, each announced by its own
// message. False when the file holds none of them.
bool readStage(Stage stage, const oVLFile &file, Loading &loading, const LoadProgress &progress)
{
    bool any = false;
    for (const BlockRow &row : blockTable()) {
        const oBlock *block = row.stage == stage ? file.block(row.label) : nullptr;
        if (!block)
            continue;
        any = true;
        if (!row.message.isEmpty())
            progress.show(row.message);
        row.read(*block, loading);
    }
    return any;
}

constexpr qsizetype WriteAheadRows = 4096; // shorter lists are encoded in turn

// The longest list of a long campaign (tens of thousands of statistics or Battle Box rows) is
// read on a second thread while this one reads the other blocks. The list is read into a model
// of its own and taken when the other blocks are read, its skipped lines put where its block
// stands in the file, as if it had been read in turn. A label the file holds twice is read in
// turn, so that the later block still wins.
class ReadAhead
{
public:
    static constexpr qsizetype MinimumBytes = 256 * 1024; // shorter lists are read in turn

    ReadAhead(const oVLFile &file, const AppFolder &folder)
        : m_loading{m_model, m_outcome, folder}
    {
        for (const oBlock &block : file.Blocks()) {
            const BlockRow *row = rowOf(block.Label());
            const qsizetype bytes = block.GetFullBlockSize();
            if (row && row->stage == Stage::FileOrder && row->take && bytes >= MinimumBytes
                && (!m_block || bytes > m_block->GetFullBlockSize())
                && std::count_if(file.Blocks().cbegin(), file.Blocks().cend(), [&block](const oBlock &other) {
                       return other.Label().compare(block.Label(), Qt::CaseInsensitive) == 0;
                   }) == 1) {
                m_block = &block;
                m_row = row;
            }
        }
        if (m_block)
            m_done = std::async(std::launch::async, [this] { m_row->read(*m_block, m_loading); });
    }
    ~ReadAhead()
    {
        if (m_done.valid())
            m_done.wait(); // never leave the thread reading a file that is going away
    }
    ReadAhead(const ReadAhead &) = delete;
    ReadAhead &operator=(const ReadAhead &) = delete;

    /// True when `block` is the one read ahead: its place among the skipped lines is noted.
    bool passes(const oBlock &block, const LoadOutcome &outcome)
    {
        if (&block != m_block)
            return false;
        m_skippedAt = outcome.skipped.size();
        return true;
    }
    /// The list read ahead, and its skipped lines, made `loading`'s.
    void take(Loading &loading)
    {
        if (!m_done.valid())
            return;
        m_done.get();
        m_row->take(m_model, loading.model);
        for (qsizetype i = 0; i < m_outcome.skipped.size(); ++i)
            loading.outcome.skipped.insert(m_skippedAt + i, m_outcome.skipped.at(i));
    }

private:
    const oBlock *m_block = nullptr;
    const BlockRow *m_row = nullptr;
    CampaignModel m_model;
    LoadOutcome m_outcome;
    Loading m_loading;
    std::future<void> m_done;
    qsizetype m_skippedAt = 0;
};

} // namespace

const QStringList &CampaignBlocks::labels()
{
    static const QStringList all = [] {
        QStringList labels;
        for (const BlockRow &row : blockTable())
            labels << row.label;
        return labels;
    }();
    return all;
}

void CampaignBlocks::write(const CampaignModel &model, oVLFile &file)
{
    // The longest list is encoded on a second thread while this one encodes the other blocks;
    // the blocks are put in the file in table order once all are encoded.
    const QList<BlockRow> &table = blockTable();
    const BlockRow *longest = nullptr;
    for (const BlockRow &row : table) {
        if (row.rows && row.rows(model) >= WriteAheadRows && (!longest || row.rows(model) > longest->rows(model)))
            longest = &row;
    }
    std::future<QByteArray> ahead;
    if (longest)
        ahead = std::async(std::launch::async, [longest, &model] { return longest->text(model); });
    std::vector<QByteArray> texts(size_t(table.size()));
    for (qsizetype i = 0; i < table.size(); ++i) {
        if (&table[i] != longest)
            texts[size_t(i)] = table[i].text(model);
    }
    for (qsizetype i = 0; i < table.size(); ++i) {
        const BlockRow &row = table[i];
        QByteArray text = &row == longest ? ahead.get() : std::move(texts[size_t(i)]);
        if (row.kind == Kind::List && text.isEmpty())
            file.RemoveBlock(row.label);
        else
            file.UpdateBlockText(row.label, std::move(text), row.after);
    }
}

void CampaignBlocks::load(const oVLFile &file, CampaignModel &model, LoadOutcome &outcome, const LoadProgress &progress,
                          const AppFolder &folder)
{
    Loading loading{model, outcome, folder};
    ReadAhead ahead(file, folder);
    for (const oBlock &block : file.Blocks()) {
        outcome.labels << block.Label().toUpper();
        const BlockRow *row = rowOf(block.Label());
        if (!row || row->stage != Stage::FileOrder)
            continue; // taken up below, or a block of another program: kept in the file as it is
        progress.show(row->message);
        if (!ahead.passes(block, outcome))
            row->read(block, loading);
    }
    ahead.take(loading);

    progress.show(CampaignBlocks::tr("Loading agenda and almanach"));
    readStage(Stage::Agenda, file, loading, progress);
    if (!readStage(Stage::Options, file, loading, progress))
        progress.show(CampaignBlocks::tr("Loading default options"));
    progress.show(CampaignBlocks::tr("Loading all maps"));
    readStage(Stage::Layout, file, loading, progress);
    progress.show(CampaignBlocks::tr("Loading character library"));
    if (model.weather.climate < 0)
        model.weather.climate = 0;
    progress.show(CampaignBlocks::tr("Loading event collection"));
}

} // namespace Velmora
