#include "core/persistence/Campaign.h"
#include "core/persistence/CampaignBlocks.h"

#include "support/MaximalCampaign.h"
#include "support/ScriptedRandomSource.h"
#include "support/TestHome.h"

#include <QDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestCampaign : public QObject
{
    Q_OBJECT

private slots:
    void resaveIsByteForByte_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("settling"); // resaves before the file stays the same
        Blocks unknown = everyBlock();
        unknown.insert(3, {u"EXTRA"_s, {u"kept as it is"_s, u"x;y"_s}});
        MersenneRandomSource random(5489);
        // A new campaign's town has its fields empty; reading drops the block, so the first resave
        // appends it after the others.
        QTest::newRow("new campaign") << campaignBytes(CampaignModel::newCampaign(random)) << 1;
        QTest::newRow("every block") << fileBytes(everyBlock()) << 0;
        QTest::newRow("unknown block keeps its place") << fileBytes(unknown) << 0;
        QTest::newRow("maximal campaign") << campaignBytes(maximalCampaign()) << 0;
    }

    void resaveIsByteForByte()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, settling);
        TestHome home;
        const QString path = writeFile(home, u"c.vlf"_s, file);
        for (int resave = 0; resave < settling; ++resave) {
            Campaign campaign(home.folder());
            QVERIFY(campaign.LoadCampaignFile(path).readable);
            QVERIFY(campaign.SaveCampaign(path, false));
        }
        const QByteArray settled = home.read(u"c.vlf"_s);
        Campaign campaign(home.folder());
        const LoadOutcome outcome = campaign.LoadCampaignFile(path);
        QVERIFY(outcome.readable);
        QCOMPARE(outcome.skipped, QStringList());
        QVERIFY(campaign.SaveCampaign(path, false));
        QCOMPARE(home.read(u"c.vlf"_s), settled);
        // Saved again with no change in between, and read back: the same bytes, the same campaign.
        QVERIFY(campaign.SaveCampaign(path, false));
        QCOMPARE(home.read(u"c.vlf"_s), settled);
        Campaign reloaded(home.folder());
        QVERIFY(reloaded.LoadCampaignFile(path).readable);
        QVERIFY(reloaded.model == campaign.model);
    }

    void emptiedListLeavesTheFile()
    {
        TestHome home;
        Campaign campaign(home.folder());
        QVERIFY(campaign.LoadCampaignFile(writeFile(home, u"c.vlf"_s, everyBlock())).readable);
        campaign.model.moons.clear();
        campaign.model.agenda.clear();
        QVERIFY(campaign.SaveCampaign(home.file(u"c.vlf"_s), false));
        QVERIFY(!campaign.blockFile()->block(u"MOONS"_s) && !campaign.blockFile()->block(u"LOG"_s));

        Campaign reloaded(home.folder());
        QVERIFY(reloaded.LoadCampaignFile(home.file(u"c.vlf"_s)).readable);
        QVERIFY(reloaded.model.moons.isEmpty());
        QVERIFY(reloaded.model.agenda.isEmpty());
        QCOMPARE(reloaded.model.almanach.size(), 1);
    }

    void battleBoxCountersFollowTheBattleBox()
    {
        TestHome home;
        const QString path = writeFile(home, u"c.vlf"_s, everyBlock());
        Campaign campaign(home.folder());
        QVERIFY(campaign.LoadCampaignFile(path).readable);
        campaign.model.battleBoxCounters = BattleBoxCounters(u"4"_s, u"3"_s, u"1"_s, u"Web; sticky"_s, u"Bless"_s);
        QVERIFY(campaign.SaveCampaign(path, false));
        QStringList labels;
        for (const oBlock &block : campaign.blockFile()->Blocks())
            labels << block.Label();
        QCOMPARE(labels.at(labels.indexOf(u"BATTLEBOX"_s) + 1), u"BBSTATE"_s);

        QStringList shown;
        Campaign reloaded(home.folder());
        QVERIFY(reloaded.LoadCampaignFile(path, {[&](const QString &text) { shown << text; }, [](int) {}}).readable);
        QVERIFY(shown.contains(u"Loading Battle Box counters"_s));
        QCOMPARE(reloaded.model.battleBoxCounters, campaign.model.battleBoxCounters);
        // Back at the start values, the block goes: a new campaign's file never holds it.
        reloaded.model.battleBoxCounters = BattleBoxCounters();
        QVERIFY(reloaded.SaveCampaign(path, false));
        QVERIFY(!reloaded.blockFile()->block(u"BBSTATE"_s));
    }

    void loadingMessages_data()
    {
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no options, no layout")
            << QStringList{u"MOONS"_s, u"OTHER"_s, u"WEATHER"_s, u"LOG"_s}
            << QStringList{u"Loading moons"_s, u"Loading weather"_s, u"Loading agenda and almanach"_s,
                           u"Loading default options"_s, u"Loading all maps"_s, u"Loading character library"_s,
                           u"Loading event collection"_s};
        QTest::newRow("file order, options and layout")
            << QStringList{u"OPTIONS"_s, u"TIME"_s, u"GUISET"_s, u"MAPS"_s, u"LABELS"_s}
            << QStringList{u"Loading time data"_s, u"Loading maps data"_s, u"Loading custom labels"_s,
                           u"Loading agenda and almanach"_s, u"Loading custom options"_s, u"Loading all maps"_s,
                           u"Loading last GUI settings"_s, u"Loading character library"_s, u"Loading event collection"_s};
    }

    void loadingMessages()
    {
        QFETCH(QStringList, labels);
        QFETCH(QStringList, messages);
        TestHome home;
        Blocks blocks;
        const Blocks every = everyBlock();
        for (const QString &label : labels) {
            const auto it = std::find_if(every.begin(), every.end(), [&](const auto &b) { return b.first == label; });
            blocks << (it == every.end() ? qMakePair(label, QStringList{u"x"_s}) : *it);
        }
        QStringList shown;
        int range = -1;
        Campaign campaign(home.folder());
        campaign.LoadCampaignFile(writeFile(home, u"c.vlf"_s, blocks),
                                  {[&](const QString &text) { shown << text; }, [&](int steps) { range = steps; }});
        QCOMPARE(shown, messages);
        QCOMPARE(range, labels.size());
    }

    void absentBlocksLeaveNewCampaign()
    {
        TestHome home;
        const QString path = writeFile(home, u"c.vlf"_s, {{u"WEATHER"_s, {QString(), u"Warm"_s}}});
        Campaign campaign(home.folder());
        QVERIFY(campaign.LoadCampaignFile(path).readable);
        CampaignModel expected = CampaignModel::newCampaign();
        expected.weather.text = u"Warm"_s;
        expected.weather.climate = 0; // no climate selected: the first one
        QVERIFY(campaign.model == expected);
    }

    // A long list is read on a second thread: what it reads and skips is the same, in file order.
    void badLineIsSkippedAndTheRestRead_data()
    {
        QTest::addColumn<int>("characters");
        QTest::newRow("short list") << 2;
        QTest::newRow("long list, read ahead") << 6000;
    }

    void badLineIsSkippedAndTheRestRead()
    {
        QFETCH(int, characters);
        QStringList stats;
        for (int i = 1; i <= characters; ++i)
            stats << u"Hero %1;Fighter 1;1;M;Male;LG;Heironeous;6 ft.;180 lb.;Human;16;14;15;10;12;8;30;30;+2;+5;+2;+1;18"_s.arg(i);
        stats.insert(1, u"not a character"_s);
        TestHome home;
        const QString path = writeFile(home, u"c.vlf"_s,
                                       {{u"MOONS"_s, {u"Luna;28;2007:1:3"_s, u"broken"_s, u"Selune;30;2007:1:10"_s}},
                                        {u"STATS"_s, stats},
                                        {u"LOG"_s, {u"2007:1:4;a"_s, u"no date"_s, u"2007:1:5;b"_s}},
                                        {u"BATTLEBOX"_s, {u"F;1;;0;0;0;;0;0;0;0;0;0;0;"_s, u"T;2;Orc;0;0;0;;0;0;0;0;0;0;0;"_s}}});
        Campaign campaign(home.folder());
        const LoadOutcome outcome = campaign.LoadCampaignFile(path);
        QCOMPARE(campaign.model.moons.size(), 2);
        QCOMPARE(campaign.model.moons.last().name, u"Selune"_s);
        QCOMPARE(campaign.model.agenda.size(), 2);
        QCOMPARE(campaign.model.battleBox.size(), 1); // a combatant without a name is not taken
        QCOMPARE(campaign.model.stats.size(), characters);
        QCOMPARE(campaign.model.stats.last().name, u"Hero %1"_s.arg(characters));
        QCOMPARE(outcome.skipped, (QStringList{u"MOONS: item 2 \"broken\" not understood"_s,
                                               u"STATS: item 2 \"not a character\" not understood"_s,
                                               u"LOG: item 2 \"no date\" not understood"_s}));
    }

    void agendaIsRestampedInCalendarOrder_data()
    {
        QTest::addColumn<QString>("yearShown");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("start year, as a load shows") << QString() << QStringList{u"2007:1:4;rope"_s, u"2007:3:4;guild"_s};
        QTest::newRow("another year shown") << u"2010"_s << QStringList{u"2010:1:4;rope"_s, u"2010:3:4;guild"_s};
    }

    void agendaIsRestampedInCalendarOrder()
    {
        QFETCH(QString, yearShown);
        QFETCH(QStringList, log);
        TestHome home;
        Campaign campaign(home.folder());
        QVERIFY(campaign.LoadCampaignFile(writeFile(home, u"c.vlf"_s, {{u"LOG"_s, {u"2009:3:4;guild"_s, u"2008:1:4;rope"_s}}}))
                    .readable);
        campaign.model.agendaYearShown = yearShown;
        QVERIFY(campaign.SaveCampaign(home.file(u"c.vlf"_s), false));
        QCOMPARE(campaign.blockFile()->block(u"LOG"_s)->Items(), log);
    }

    void missingDocumentTakesTheDefaults()
    {
        // One document missing, and all three slots take their defaults, those that exist too.
        TestHome home;
        const QString path = writeFile(home, u"c.vlf"_s,
                                       {{u"DOCUMENTS"_s, {u"Notes;\\Documents\\n.rtf"_s, u"Last;/nowhere/l.rtf"_s,
                                                          u"NPCs;\\Documents\\p.rtf"_s}}});
        Campaign campaign(home.folder());
        const LoadOutcome outcome = campaign.LoadCampaignFile(path);
        QVERIFY(outcome.defaultDocuments);
        QCOMPARE(outcome.skipped, QStringList{u"DOCUMENTS: a notes document was not found, the default documents are used"_s});
        QVERIFY(campaign.SaveCampaign(path, false));
        QCOMPARE(campaign.blockFile()->block(u"DOCUMENTS"_s)->Items(),
                 (QStringList{u"Notes;\\Documents\\DM Notes.rtf"_s, u"Last;\\Documents\\Game Last Left Off.rtf"_s,
                              u"NPCs;\\Documents\\NPCs Have Met.rtf"_s}));
    }

    void unreadableFileLeavesNewCampaign()
    {
        TestHome home;
        Campaign campaign(home.folder());
        QVERIFY(campaign.LoadCampaignFile(writeFile(home, u"c.vlf"_s, everyBlock())).readable);
        const LoadOutcome outcome = campaign.LoadCampaignFile(home.write(u"bad.vlf"_s, "garbage"_ba));
        QVERIFY(!outcome.readable);
        QVERIFY(!outcome.problem.isEmpty());
        QVERIFY(campaign.model == CampaignModel::newCampaign());
        QCOMPARE(campaign.blockFile(), nullptr);
    }

    void newCampaignRollsItsWeather()
    {
        // The first climate is selected, and selecting a climate rolls: 100 under the cold climate.
        TestHome home;
        Campaign campaign(home.folder());
        ScriptedRandomSource random({0.995f});
        campaign.ResetToNewCampaign(random);
        QCOMPARE(campaign.model.weather, (WeatherState{0, u"Blizzard"_s}));
        QCOMPARE(random.calls, 1);
    }

    void failedSaveKeepsThePreviousFile()
    {
        TestHome home;
        const QString path = writeFile(home, u"c.vlf"_s, everyBlock());
        const QByteArray before = home.read(u"c.vlf"_s);
        Campaign campaign(home.folder());
        QVERIFY(campaign.LoadCampaignFile(path).readable);
        for (int i = 0; i < 500; ++i)
            campaign.model.xp << *XpRow::fromItem(u"Player %1;100;200"_s.arg(i));

        // The disk fills up halfway through the save: no file may grow beyond the old one's size.
        struct rlimit old;
        getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit limit = old;
        limit.rlim_cur = rlim_t(before.size());
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        const Result<void> saved = campaign.SaveCampaign(path, false);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!saved);
        QCOMPARE(saved.error().path, path);
        QCOMPARE(home.read(u"c.vlf"_s), before);
        QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{u"c.vlf"_s});
        // Once there is room again, the same campaign saves.
        QVERIFY(campaign.SaveCampaign(path, false));
        QVERIFY(home.read(u"c.vlf"_s).size() > before.size());
    }

private:
    using Blocks = QList<QPair<QString, QStringList>>;
    static Blocks everyBlock();
    static QByteArray fileBytes(const Blocks &blocks);
    static QByteArray campaignBytes(const CampaignModel &model);
    static QString writeFile(const TestHome &home, const QString &name, const QByteArray &bytes);
    static QString writeFile(const TestHome &home, const QString &name, const Blocks &blocks)
    {
        return writeFile(home, name, fileBytes(blocks));
    }
};

// One block of each label, in the writer's order, with items as this program writes them.
TestCampaign::Blocks TestCampaign::everyBlock()
{
    QStringList layout = ListLayout::defaults().toItems();
    layout[0] = u"Tabs;2;0;1;0;1"_s;
    QStringList calendar = CalendarState::defaults().toItems();
    calendar.last() = u"2007:1:1;2008:3:4"_s;
    QStringList options = CampaignOptions::defaults().toItems();
    options[2] = u"Click;/c/sounds/tick.wav"_s;
    QStringList images = {u"main;/c/pictures/my main.png"_s};
    return {
        {u"WEATHER"_s, {u"1"_s, u"Cold and clear"_s}},
        {u"TIME"_s, {u"3;45;PM"_s}},
        {u"MOONS"_s, {u"Luna;28;2007:1:3"_s, u"Selune;30;2007:1:10"_s}},
        {u"TOOLS"_s, {u"Notes;/usr/bin/gedit;-s file"_s}},
        {u"GUISET"_s, layout},
        {u"CALENDAR"_s, calendar},
        {u"XP"_s, {u"Aragorn;1500;500"_s}},
        {u"DOCUMENTS"_s, {u"Notes;\\Documents\\n.rtf"_s, u"Last;\\Documents\\l.rtf"_s, u"NPCs;\\Documents\\p.rtf"_s}},
        {u"LOG"_s, {u"2007:1:4;Buy rope"_s}},
        {u"ALMANACH"_s, {u"2007:2:1;Spring festival; all week"_s}},
        {u"STATS"_s, {u"Aragorn"_s + u";x"_s.repeated(22)}},
        {u"CLASSES"_s, {u"standardFlag;\\Documents\\Fighter.rtf;Fighter"_s, u"prestigeFlag;\\Documents\\Duelist.rtf;Duelist"_s}},
        {u"LINKS"_s, {u"Rules;/c/rules.txt"_s}},
        {u"BATTLEBOX"_s, {u"T;15;Orc (1);2;1;0;;30;13;+4;1d12+3;+1;1d6;12;orc.ico"_s}},
        {u"LINKBB"_s, {u"Goblins;/c/goblins.bbx"_s}},
        {u"TOWN"_s, {u"Millbrook"_s, u"Faerun"_s, u"Village"_s, u"400"_s, u"200"_s, u"Conventional"_s, u"LG"_s,
                     u"Magical"_s, u"N"_s, QString(), QString(), QString(), QString(), u"Mixed"_s, u"Human"_s}},
        {u"MAPS"_s, {u"/c/map.bmp;FITTED;TRUE;10;8;255;0;0;TRUE;FALSE"_s}},
        {u"MNOTES"_s, {u"n1;Secret door;map;10;20;note.ico"_s}},
        {u"MPLAYERS"_s, {u"Aragorn;map;5;6;pawn.ico"_s}},
        {u"MOBJECTS"_s, {u"Chest;map;7;8;chest.ico;TRUE"_s}},
        {u"ARTICLES"_s, {u"Grappling;/c/grapple.txt"_s}},
        {u"NETBOOKS"_s, {u"Herbs;/c/herbs.rtf"_s}},
        {u"WEBSITES"_s, {u"SRD;https://www.d20srd.org/"_s}},
        {u"IMAGES"_s, images},
        {u"OPTIONS"_s, options},
        {u"LABELS"_s, FrameLabels::defaults().toItems()},
    };
}

QByteArray TestCampaign::fileBytes(const Blocks &blocks)
{
    oVLFile file;
    for (const auto &[label, items] : blocks)
        file.UpdateBlock(label, items);
    return file.toBytes().value();
}

QByteArray TestCampaign::campaignBytes(const CampaignModel &model)
{
    oVLFile file;
    CampaignBlocks::write(model, file);
    return file.toBytes().value();
}

// The file, beside the notes documents it names (those of everyBlock() and the defaults).
QString TestCampaign::writeFile(const TestHome &home, const QString &name, const QByteArray &bytes)
{
    for (const char *document : {"n.rtf", "l.rtf", "p.rtf", "DM Notes.rtf", "Game Last Left Off.rtf", "NPCs Have Met.rtf"})
        home.write(u"Documents/"_s + QLatin1String(document), "{\\rtf1}");
    return home.write(name, bytes);
}

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestCampaign)
#include "TestCampaign.moc"
