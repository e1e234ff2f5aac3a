#include "core/persistence/Version3Reader.h"

#include "core/persistence/CampaignModel.h"
#include "core/persistence/oIniFile.h"
#include "support/TestHome.h"

#include "TestConfig.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(QString::fromUtf8(VELMORA_TEST_DATA_DIR) + u"/persistence/"_s + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template<typename Row>
QString items(const QList<Row> &rows)
{
    QStringList all;
    for (const Row &row : rows)
        all << row.toItem();
    return all.join(u'|');
}

// A new campaign read from `bytes`, as the campaign reads a 3.0 file after its reset.
struct Read
{
    TestHome home;
    CampaignModel model = CampaignModel::newCampaign();
    LoadOutcome outcome;
    QStringList messages;

    explicit Read(const QByteArray &bytes, const oIniFile *settings = nullptr)
    {
        const QString path = home.write(u"Campaigns/old.vls"_s, bytes);
        const LoadProgress progress{[this](const QString &text) { messages << text; }, {}};
        outcome = Version3Reader::read(path, model, settings, progress, home.folder());
    }
};

} // namespace

class TestVersion3Reader : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryGroup()
    {
        const Read read(fixture(u"old-campaign.vls"_s));
        QVERIFY(read.outcome.readable);
        const CampaignModel &m = read.model;
        // A nameless shortcut takes its file's name; one without a location is dropped.
        QCOMPARE(items(m.links), u"Spells;C:\\Velmora\\Documents\\Spells.rtf|SRD online;http://www.example.org/srd|"
                                 u"Old Keep;C:\\Maps\\Old Keep.bmp"_s);
        QCOMPARE(m.calendar.currentDate, u"2009:5:17"_s); // the month counts from 0
        QCOMPARE(m.calendar.startDate, u"2007:1:1"_s);
        QCOMPARE(m.time.toItems(), QStringList{u"07;45;PM"_s});
        // A repeated player name is dropped; text is Windows-1252.
        QCOMPARE(items(m.xp), u"Aldric;12000;3000|Brynja;9500;500|Caf\u00e9 Joe;300;700"_s);
        QCOMPARE(m.weather.climate, 1);
        QCOMPARE(m.weather.text, u"Thunderstorm / snowstorm"_s);
        // Rows without a name are dropped; ";" cannot reach a record.
        QCOMPARE(items(m.battleBox), u"T;15;Orc (1);+3;+1;0;Darkvision scent;30;13;+4;1d12+3;+1;1d6;8;|"
                                     u"F;7;Goblin;+2;+1;-1;;30;15;+1;1d6;+3;1d4;5;"_s);
        QCOMPARE(m.town.toItems().join(u'|'), u"Greyhawk|Oerik|Small town|901-2000|800 gp|||||||||Mixed|Humans"_s);
        QCOMPARE(m.layout.velmoraTab, 5);
        QVERIFY(!m.options.soundsOn);
        QCOMPARE(m.options.autosaveInterval, 15); // the upgrade saves every quarter of an hour
        QVERIFY(m.options.saveOnClose);

        QCOMPARE(read.messages,
                 QStringList({u"Loading DM Notes."_s, u"Loading Game Last Left Off."_s, u"Loading NPCs Have Met."_s,
                              u"Loading shortcut locations."_s, u"Loading shortcut names."_s,
                              u"Loading time and date data."_s, u"Loading PCs name for XP data."_s,
                              u"Loading XP need to level up data."_s, u"Loading weather data."_s,
                              u"Loading battle box data."_s, u"Loading misc. data."_s, u"Initialising data."_s}));
        QCOMPARE(read.outcome.skipped, QStringList({u"shortcut 5: \"Orphan\" has no location"_s,
                                                    u"experience: player 5 repeats the name \"aldric\""_s}));
    }

    void splitFields_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("quoted text keeps commas and blanks")
            << QByteArray("\" a, b \",c\r\n") << 10 << QStringList({u" a, b "_s, u"c"_s});
        QTest::newRow("bare values trimmed, text after a closing quote dropped")
            << QByteArray("  12 ,\"x\" junk,\r\n") << 10 << QStringList({u"12"_s, u"x"_s, u""_s});
        QTest::newRow("an unclosed quote ends with its line")
            << QByteArray("\"abc\r\nd") << 10 << QStringList({u"abc"_s, u"d"_s});
        QTest::newRow("CR, LF and CR LF each end a line")
            << QByteArray("a\rb\nc\r\nd") << 10 << QStringList({u"a"_s, u"b"_s, u"c"_s, u"d"_s});
        QTest::newRow("an empty line is an empty value")
            << QByteArray("a\r\n\r\nb\r\n") << 10 << QStringList({u"a"_s, u""_s, u"b"_s});
        QTest::newRow("no more than the limit") << QByteArray("1,2,3,4") << 2 << QStringList({u"1"_s, u"2"_s});
        QTest::newRow("a NUL is dropped") << QByteArray("\"a\0b\",c\0", 8) << 10 << QStringList({u"ab"_s, u"c"_s});
        QTest::newRow("Windows-1252") << QByteArray("\"\x80 \xe9\"") << 10 << QStringList({u"\u20ac \u00e9"_s});
    }

    void splitFields()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, limit);
        QFETCH(QStringList, expected);
        QCOMPARE(Version3Reader::splitFields(bytes, limit), expected);
    }

    void refusesWhatIsNoCampaign_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QByteArray wordAsMonth = fixture(u"old-campaign.vls"_s);
        wordAsMonth.replace("\"2009\",4,", "\"2009\",\"May\",");
        QTest::newRow("empty") << QByteArray() << u"The file is empty."_s;
        QTest::newRow("format 4.0") << fixture(u"campaign.vlf"_s) << u"The file is not a Velmora 3.0 campaign."_s;
        QTest::newRow("a word as month") << wordAsMonth << u"The file is not a Velmora 3.0 campaign."_s;
    }

    void refusesWhatIsNoCampaign()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const Read read(bytes);
        QVERIFY(!read.outcome.readable);
        QCOMPARE(read.outcome.problem, problem);
        QCOMPARE(read.model, CampaignModel::newCampaign());
        QCOMPARE(read.messages, QStringList());

        CampaignModel model = CampaignModel::newCampaign();
        const LoadOutcome missing = Version3Reader::read(u"/nonexistent/old.vls"_s, model, nullptr, {});
        QVERIFY(missing.problem.startsWith(u"The file could not be read: "_s));
    }

    void shortFileKeepsNewCampaignValues()
    {
        const QByteArray bytes = fixture(u"old-campaign.vls"_s);
        const Read read(bytes.left(bytes.indexOf("\"3000\""))); // up to the points needed
        QVERIFY(read.outcome.readable);
        QVERIFY(read.outcome.skipped.contains(u"the file ends after 46 of its 214 values"_s));
        QCOMPARE(items(read.model.xp), u"Aldric;12000;|Brynja;9500;|Caf\u00e9 Joe;300;"_s);
        QCOMPARE(read.model.weather, WeatherState::defaults());
        QCOMPARE(read.model.town, TownValues::defaults());
        QVERIFY(read.model.options.soundsOn);
    }

    void looksAtTheFirstMegabyteOnly()
    {
        // A file far beyond any campaign is looked at only as far as its first megabyte.
        QByteArray huge = fixture(u"old-campaign.vls"_s);
        huge.truncate(huge.indexOf("\"17\""));
        huge.append(3 * Version3Reader::MaxFileBytes, 'a');
        const Read read(huge);
        QVERIFY(read.outcome.skipped.contains(u"the file ends after 23 of its 214 values"_s));
    }

    void sessionSettingsAndNotes()
    {
        TestHome home;
        const QString collection = home.write(u"maps/old maps.xml"_s, "<maps/>");
        home.write(u"DM Notes.rtf"_s, "{\\rtf1 old notes}");
        const QString path = home.write(u"old.vls"_s, fixture(u"old-campaign.vls"_s));
        oIniFile settings;
        QVERIFY(settings.parse("[MAPS]\r\nmaps=" + collection.toUtf8()
                                + "\r\n[SOUNDS]\r\nopen=C:\\old\\In" + '\0' + "tro.wav\r\nROLL=" + home.file(u"Sounds/Dice.wav"_s).toUtf8()
                                + "\r\n"));
        CampaignModel model = CampaignModel::newCampaign();
        const LoadOutcome outcome = Version3Reader::read(path, model, &settings, {}, home.folder());

        QCOMPARE(model.options.soundPath(SoundEvent::Intro), u"C:\\old\\Intro.wav"_s); // a NUL is dropped
        // A file of the application folder is stored relative to it; any other as it is.
        QCOMPARE(model.options.soundPath(SoundEvent::Roll), u"\\Sounds\\Dice.wav"_s);
        QCOMPARE(model.options.soundPath(SoundEvent::Click), QString());
        QVERIFY(outcome.skipped.contains(u"MAPS: the map collection \""_s + collection
                                         + u"\" is not imported: That file is not a Velmora Map file."_s));
        // The old program's own copy of a notes document is used where there is one.
        QCOMPARE(model.documents.paths, (std::array<QString, 3>{u"\\DM Notes.rtf"_s, u"\\Documents\\Game Last Left Off.rtf"_s,
                                                                u"\\Documents\\NPCs Have Met.rtf"_s}));
    }

    void mapCollectionOfTheSettings()
    {
        // Written by the old program: Windows-1252, a map whose id is not its picture's name.
        TestHome home;
        oIniFile settings;
        QVERIFY(settings.parse("[MAPS]\r\nmaps=" + QByteArray(VELMORA_TEST_DATA_DIR) + "/persistence/old-maps.xml\r\n"));
        CampaignModel model = CampaignModel::newCampaign();
        const QString path = home.write(u"old.vls"_s, fixture(u"old-campaign.vls"_s));
        const LoadOutcome outcome = Version3Reader::read(path, model, &settings, {}, home.folder());
        QCOMPARE(outcome.skipped.filter(u"MAPS"_s), QStringList());
        QCOMPARE(items(model.maps), u"C:\\Velmora\\Campaigns\\Old Keep.jpg;FITTED;TRUE;20;0;65280;0;120;TRUE;FALSE|"
                                    u"C:\\Velmora\\Campaigns\\Cave.bmp;FULL;FALSE;0;0;16777215;;;FALSE;TRUE"_s);
        // The player stays on its map, which the campaign keys by its picture's name.
        QCOMPARE(items(model.playerMarkers),
                 u"Aldric;Old Keep;120;45.5;C:\\Velmora\\Campaigns\\MapIcons\\knight.ico"_s);
        QCOMPARE(items(model.objectMarkers), u"Chest;Cave;10;20;;TRUE"_s);
        QCOMPARE(items(model.noteMarkers), u"_1;Pi\u00e8ge spikes;Cave;5;6;"_s); // ";" cannot reach a record
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestVersion3Reader)
#include "TestVersion3Reader.moc"
