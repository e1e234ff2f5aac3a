#include "core/persistence/Version3Reader.h"

#include <QCoreApplication>

#include "core/common/CodePage.h"
#include "core/maps/CampaignMaps.h"
#include "core/maps/MapXmlFile.h"
#include "core/persistence/CampaignModel.h"
#include "core/persistence/oIniFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Where each group starts in the sequence of values (docs/version3-format.md).
constexpr int Slots = 10;              // shortcuts, players and Battle Box rows
constexpr int LocationsAt = 0;
constexpr int NamesAt = LocationsAt + Slots;
constexpr int YearAt = NamesAt + Slots; // then month, day, hour, minute, half of the day
constexpr int XpAt = YearAt + 6;        // ten pairs of name and current XP
constexpr int NeededAt = XpAt + 2 * Slots;
constexpr int WeatherAt = NeededAt + Slots;
constexpr int BattleBoxAt = WeatherAt + 4;
constexpr int RowFields = 14;           // turn mark, then the thirteen values of the edit dialog
constexpr int BattleBoxFields = 145;
constexpr int MiscAt = BattleBoxAt + BattleBoxFields;
static_assert(MiscAt + 9 == Version3Reader::FieldCount);

// A whole number as the old program wrote its 16-bit integers; std::nullopt for anything else.
std::optional<int> int16Value(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok || value < -32768 || value > 32767)
        return std::nullopt;
    return value;
}

// The old program wrote its check boxes and options as Booleans or as their values.
bool isSet(const QString &text)
{
    static const QStringList yes = {u"TRUE"_s, u"#TRUE#"_s, u"T"_s, u"1"_s, u"-1"_s};
    return yes.contains(text.trimmed(), Qt::CaseInsensitive);
}

// A NUL ends an item in the campaign file, so one inside a value would cut the value and lose the
// items after it; the old program never wrote one.
QString withoutNul(QString text)
{
    return text.remove(QChar::Null);
}

// ";" separates the fields of the records the values go into; the old program allowed it.
QString recordText(const QString &text)
{
    QString clean = text;
    clean.remove(u';');
    return clean.trimmed();
}

// The values, with "" for those the file does not have.
class Values
{
public:
    explicit Values(QStringList fields)
        : m_fields(std::move(fields))
    {
    }

    QString text(int index) const { return recordText(m_fields.value(index)); }
    QString raw(int index) const { return m_fields.value(index).trimmed(); }
    std::optional<int> number(int index) const { return int16Value(m_fields.value(index)); }

private:
    QStringList m_fields;
};

class Reading
{
    Q_DECLARE_TR_FUNCTIONS(Version3Reader)

public:
    Reading(const Values &values, CampaignModel &model, LoadOutcome &outcome, const AppFolder &folder)
        : m_values(values)
        , m_model(model)
        , m_outcome(outcome)
        , m_folder(folder)
    {
    }

    void links();
    void timeAndDate();
    void experience();
    void neededExperience();
    void weather();
    void battleBox();
    void misc();

private:
    void skip(const QString &what) { m_outcome.skipped << what; }
    std::optional<QString> clockField(int index, int least, int most) const;

    const Values &m_values;
    CampaignModel &m_model;
    LoadOutcome &m_outcome;
    const AppFolder &m_folder;
    QList<int> m_playerSlots; // which player slot each experience row came from
};

void Reading::links()
{
    for (int i = 0; i < Slots; ++i) {
        const QString location = m_values.raw(LocationsAt + i);
        QString name = m_values.text(NamesAt + i);
        if (location.isEmpty()) {
            if (!name.isEmpty())
                skip(tr("shortcut %1: \"%2\" has no location").arg(i + 1).arg(name));
            continue;
        }
        if (name.isEmpty())
            name = recordText(QFileInfo(QString(location).replace(u'\\', u'/')).completeBaseName());
        m_model.links.append(Shortcut{name, m_folder.storedPath(location)});
    }
}

// An hour or minute field: its digits as the field held them ("7" or "07"), anything else in the
// range written with two digits, as the clock writes it.
std::optional<QString> Reading::clockField(int index, int least, int most) const
{
    const std::optional<int> value = m_values.number(index);
    if (!value || *value < least || *value > most)
        return std::nullopt;
    const QString raw = m_values.raw(index);
    const bool digits = std::all_of(raw.cbegin(), raw.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? raw : QString::number(*value).rightJustified(2, u'0');
}

void Reading::timeAndDate()
{
    // The date goes by the month list of the calendar in use: position from 0, day clamped to
    // the month's length.
    const QList<CalendarState::Month> &months = m_model.calendar.months;
    const QStringList current = m_model.calendar.currentDate.split(u':');
    int year = current.value(0).toInt();
    int month = current.value(1).toInt();
    int day = current.value(2).toInt();
    if (const auto y = m_values.number(YearAt); y && *y >= 1)
        year = *y;
    else
        skip(tr("time and date: \"%1\" is not a year").arg(m_values.raw(YearAt)));
    if (const auto m = m_values.number(YearAt + 1); m && *m >= 0 && *m < months.size())
        month = *m + 1;
    else
        skip(tr("time and date: \"%1\" is not a month of the calendar").arg(m_values.raw(YearAt + 1)));
    if (const auto d = m_values.number(YearAt + 2); d && *d >= 1)
        day = *d;
    else
        skip(tr("time and date: \"%1\" is not a day").arg(m_values.raw(YearAt + 2)));
    if (month >= 1 && month <= months.size())
        day = qBound(1, day, qMax(1, months.at(month - 1).days));
    m_model.calendar.currentDate = QString::number(year) + u':' + QString::number(month) + u':' + QString::number(day);

    if (const auto hour = clockField(YearAt + 3, 1, 12))
        m_model.time.hour = *hour;
    else
        skip(tr("time and date: \"%1\" is not an hour").arg(m_values.raw(YearAt + 3)));
    if (const auto minute = clockField(YearAt + 4, 0, 59))
        m_model.time.minute = *minute;
    else
        skip(tr("time and date: \"%1\" is not a minute").arg(m_values.raw(YearAt + 4)));
    m_model.time.pm = m_values.number(YearAt + 5) == 1;
}

void Reading::experience()
{
    for (int i = 0; i < Slots; ++i) {
        const QString name = m_values.text(XpAt + 2 * i);
        if (name.isEmpty())
            continue;
        const bool repeated = std::any_of(m_model.xp.cbegin(), m_model.xp.cend(), [&](const XpRow &row) {
            return row.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (repeated) {
            // The list keeps every name once.
            skip(tr("experience: player %1 repeats the name \"%2\"").arg(i + 1).arg(name));
            continue;
        }
        m_model.xp.append(XpRow{name, m_values.text(XpAt + 2 * i + 1), QString()});
        m_playerSlots.append(i);
    }
}

void Reading::neededExperience()
{
    for (qsizetype row = 0; row < m_model.xp.size(); ++row)
        m_model.xp[row].needed = m_values.text(NeededAt + m_playerSlots.at(row));
}

void Reading::weather()
{
    for (int climate = 0; climate < WeatherState::ClimateCount; ++climate) {
        if (isSet(m_values.raw(WeatherAt + climate))) {
            m_model.weather.climate = climate;
            break;
        }
    }
    m_model.weather.text = m_values.raw(WeatherAt + 3);
}

void Reading::battleBox()
{
    for (int row = 0; row < Slots; ++row) {
        const int at = BattleBoxAt + row * RowFields;
        BattleBoxEntry entry;
        entry.ticked = isSet(m_values.raw(at));
        entry.initiative = m_values.text(at + 1);
        entry.name = m_values.text(at + 2);
        entry.fortitude = m_values.text(at + 3);
        entry.reflex = m_values.text(at + 4);
        entry.will = m_values.text(at + 5);
        entry.special = m_values.text(at + 6);
        entry.speed = m_values.text(at + 7);
        entry.armourClass = m_values.text(at + 8);
        entry.melee = m_values.text(at + 9);
        entry.meleeDamage = m_values.text(at + 10);
        entry.ranged = m_values.text(at + 11);
        entry.rangedDamage = m_values.text(at + 12);
        entry.hitPoints = m_values.text(at + 13);
        if (entry.isWritten())
            m_model.battleBox.append(entry);
    }
    // The last five values are the round, the two durations and their situations: the Battle
    // Box keeps those for the session only, and a loaded campaign starts a fresh round.
}

void Reading::misc()
{
    TownValues &town = m_model.town;
    town.townName = m_values.raw(MiscAt);
    town.continent = m_values.raw(MiscAt + 1);
    town.size = m_values.raw(MiscAt + 2);
    town.population = m_values.raw(MiscAt + 3);
    town.gpLimit = m_values.raw(MiscAt + 4);
    town.racialMix = m_values.raw(MiscAt + 5);
    town.dominantRace = m_values.raw(MiscAt + 6);
    if (const auto tab = m_values.number(MiscAt + 7); tab && *tab >= 0 && *tab <= 6)
        m_model.layout.velmoraTab = *tab;
    // The state of the sound check box: 0 unticked; a file without the value keeps sounds on.
    m_model.options.soundsOn = m_values.number(MiscAt + 8).value_or(1) != 0;
}

// The map collection the old program kept in a map XML file of its own, imported as the map
// import reads it. A file that is refused is named in the skipped list with the reason; an import
// that stopped halfway keeps the rows read before, and says where it stopped.
void readMapCollection(const QString &path, CampaignModel &model, LoadOutcome &outcome, const AppFolder &folder)
{
    if (!path.endsWith(u"xml"_s, Qt::CaseInsensitive) || !QFileInfo(path).isFile())
        return;
    MapCollection collection = CampaignMaps::collection(model);
    const Result<MapXmlFile::Import> import = MapXmlFile::read(path, collection);
    if (!import) {
        outcome.skipped << Version3Reader::tr("MAPS: the map collection \"%1\" is not imported: %2")
                               .arg(path, import.error().message);
        return;
    }
    if (!import->stopped.isEmpty())
        outcome.skipped << Version3Reader::tr("MAPS: the map collection \"%1\": %2").arg(path, import->stopped);
    CampaignMaps::store(collection, model, folder);
}

// The sound files and the map collection of the older session settings file.
void readSessionSettings(const oIniFile *settings, CampaignModel &model, LoadOutcome &outcome, const AppFolder &folder)
{
    if (!settings)
        return;
    for (int e = 0; e < SoundCues::Count; ++e) {
        // Keys are compared without regard to case: "open" and "Open" both name the intro sound.
        const QString path = withoutNul(settings->GetOneValue(u"SOUNDS"_s, SoundCues::key(SoundEvent(e)))).trimmed();
        if (!path.isEmpty())
            model.options.setSoundPath(SoundEvent(e), folder.storedPath(path));
    }
    readMapCollection(settings->GetOneValue(u"MAPS"_s, u"maps"_s).trimmed(), model, outcome, folder);
}

// The old program kept its own copy of each notes document at the top of its folder; a campaign
// upgraded from it goes on with that copy, where the game master's notes are. Without one, the
// shipped document stands.
void readNotesDocuments(const AppFolder &folder, CampaignModel &model, const LoadProgress &progress)
{
    static const std::array<QString, NotesDocuments::SlotCount> messages = {
        QCoreApplication::translate("Version3Reader", "Loading DM Notes."), QCoreApplication::translate("Version3Reader", "Loading Game Last Left Off."), QCoreApplication::translate("Version3Reader", "Loading NPCs Have Met.")};
    for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot) {
        progress.show(messages.at(size_t(slot)));
        const QString shipped = NotesDocuments::defaultFile(slot);
        const QString oldCopy = folder.file(shipped.mid(shipped.lastIndexOf(u'\\')));
        model.documents.paths[size_t(slot)] = folder.storedPath(QFileInfo(oldCopy).isFile() ? oldCopy : folder.file(shipped));
    }
}

} // namespace

QStringList Version3Reader::splitFields(const QByteArray &bytes, int limit)
{
    QStringList fields;
    const qsizetype size = bytes.size();
    const auto lineEnd = [&](qsizetype at) { return bytes.at(at) == '\r' || bytes.at(at) == '\n'; };
    qsizetype pos = 0;
    while (fields.size() < limit) {
        while (pos < size && (bytes.at(pos) == ' ' || bytes.at(pos) == '\t'))
            ++pos;
        if (pos >= size)
            break;
        qsizetype start = pos;
        qsizetype end = pos;
        const bool quoted = bytes.at(pos) == '"';
        if (quoted) {
            start = ++pos;
            while (pos < size && bytes.at(pos) != '"' && !lineEnd(pos))
                ++pos;
            end = pos;
            while (pos < size && bytes.at(pos) != ',' && !lineEnd(pos))
                ++pos;
        } else {
            while (pos < size && bytes.at(pos) != ',' && !lineEnd(pos))
                ++pos;
            end = pos;
        }
        const QString field = withoutNul(CodePage::toUnicode(QByteArrayView(bytes).sliced(start, end - start)));
        fields << (quoted ? field : field.trimmed());
        // One delimiter: a comma, or one line end (CR LF, CR or LF).
        if (pos < size && bytes.at(pos) == ',') {
            ++pos;
        } else if (pos < size && bytes.at(pos) == '\r') {
            ++pos;
            if (pos < size && bytes.at(pos) == '\n')
                ++pos;
        } else if (pos < size) {
            ++pos;
        }
    }
    return fields;
}

LoadOutcome Version3Reader::read(const QString &path, CampaignModel &model, const oIniFile *sessionSettings,
                                 const LoadProgress &progress)
{
    return read(path, model, sessionSettings, progress, AppFolder::locate());
}

LoadOutcome Version3Reader::read(const QString &path, CampaignModel &model, const oIniFile *sessionSettings,
                                 const LoadProgress &progress, const AppFolder &folder)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LoadOutcome outcome;
        outcome.readable = false;
        outcome.problem = tr("The file could not be read: %1").arg(file.errorString());
        return outcome;
    }
    const QByteArray bytes = file.read(MaxFileBytes);
    file.close();
    return parse(bytes, model, sessionSettings, progress, folder);
}

LoadOutcome Version3Reader::parse(const QByteArray &bytes, CampaignModel &model, const oIniFile *sessionSettings,
                                  const LoadProgress &progress, const AppFolder &folder)
{
    LoadOutcome outcome;
    const QStringList fields = splitFields(bytes.left(MaxFileBytes), FieldCount);
    if (fields.isEmpty()) {
        outcome.readable = false;
        outcome.problem = tr("The file is empty.");
        return outcome;
    }
    // The month is the first number of the file; a file without one there is something else.
    if (!int16Value(fields.value(YearAt + 1))) {
        outcome.readable = false;
        outcome.problem = tr("The file is not a Velmora 3.0 campaign.");
        return outcome;
    }
    if (fields.size() < FieldCount)
        outcome.skipped << tr("the file ends after %1 of its %2 values").arg(fields.size()).arg(FieldCount);

    progress.range(12);
    readSessionSettings(sessionSettings, model, outcome, folder);
    readNotesDocuments(folder, model, progress);

    const Values values(fields);
    Reading reading(values, model, outcome, folder);
    progress.show(QCoreApplication::translate("Version3Reader", "Loading shortcut locations."));
    progress.show(QCoreApplication::translate("Version3Reader", "Loading shortcut names."));
    reading.links();
    progress.show(QCoreApplication::translate("Version3Reader", "Loading time and date data."));
    reading.timeAndDate();
    progress.show(QCoreApplication::translate("Version3Reader", "Loading PCs name for XP data."));
    reading.experience();
    progress.show(QCoreApplication::translate("Version3Reader", "Loading XP need to level up data."));
    reading.neededExperience();
    progress.show(QCoreApplication::translate("Version3Reader", "Loading weather data."));
    reading.weather();
    progress.show(QCoreApplication::translate("Version3Reader", "Loading battle box data."));
    reading.battleBox();
    progress.show(QCoreApplication::translate("Version3Reader", "Loading misc. data."));
    reading.misc();
    // The calendar, the reference lists, the character library and the event collection are
    // those of the new campaign the caller started from.
    progress.show(u"Initialising data."_s);
    // An upgraded campaign is saved every quarter of an hour and when the program closes, so
    // that its new form comes about without the game master having to think of it.
    model.options.autosaveInterval = UpgradedAutosaveMinutes;
    model.options.saveOnClose = true;
    return outcome;
}

} // namespace Velmora
