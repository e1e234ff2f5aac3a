#include "core/documents/ClassEntry.h"
#include "core/documents/FrameLabels.h"
#include "core/documents/NotesDocuments.h"
#include "core/documents/Shortcut.h"

#include "support/TestHome.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestDocumentRecords : public QObject
{
    Q_OBJECT

private slots:
    void notesDocumentsDefaults();
    void notesDocumentsLoad_data();
    void notesDocumentsLoad();
    void defaultClasses();
    void classItems_data();
    void classItems();
    void shortcutItems_data();
    void shortcutItems();
    void defaultShortcuts();
    void frameLabels_data();
    void frameLabels();
};

void TestDocumentRecords::notesDocumentsDefaults()
{
    QCOMPARE(NotesDocuments::defaults().toItems(),
        QStringList({
            u"Notes;\\Documents\\DM Notes.rtf"_s,
            u"Last;\\Documents\\Game Last Left Off.rtf"_s,
            u"NPCs;\\Documents\\NPCs Have Met.rtf"_s,
        }));
}

void TestDocumentRecords::notesDocumentsLoad_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("understood");
    QTest::addColumn<QStringList>("written");
    const QStringList saved
        = {u"Notes;C:\\Camp\\Notes.rtf"_s, u"Last;C:\\Camp\\Last.rtf"_s, u"NPCs;C:\\Camp\\NPCs.rtf"_s};
    QTest::newRow("saved") << saved << true << saved;
    QTest::newRow("other order") << QStringList{saved[2], saved[0], saved[1]} << true << saved;
    QTest::newRow("path holding ;") << QStringList{u"Last;/camp/a;b.rtf"_s} << true
                                    << QStringList{u"Notes;"_s, u"Last;/camp/a;b.rtf"_s, u"NPCs;"_s};
    QTest::newRow("unknown key passed over")
        << QStringList{u"notes;x"_s, u"NPCs;y"_s} << false << QStringList{u"Notes;"_s, u"Last;"_s, u"NPCs;y"_s};
    QTest::newRow("no separator passed over")
        << QStringList{u"Notes"_s, u"Last;z"_s} << false << QStringList{u"Notes;"_s, u"Last;z"_s, u"NPCs;"_s};
}

void TestDocumentRecords::notesDocumentsLoad()
{
    QFETCH(QStringList, items);
    QFETCH(bool, understood);
    QFETCH(QStringList, written);
    NotesDocuments documents;
    QCOMPARE(documents.load(items), understood);
    QCOMPARE(documents.toItems(), written);
}

void TestDocumentRecords::defaultClasses()
{
    const QList<ClassEntry> classes = ClassEntry::defaultClasses();
    const QStringList standard = {u"Barbarian"_s, u"Bard"_s, u"Cleric"_s, u"Druid"_s, u"Fighter"_s, u"Monk"_s,
        u"Paladin"_s, u"Ranger"_s, u"Rogue"_s, u"Sorcerer"_s, u"Wizard"_s};
    const QStringList prestige
        = {u"Arcane Archer"_s, u"Arcane Trickster"_s, u"Archmage"_s, u"Assassin"_s, u"Blackguard"_s,
            u"Dragon Disciple"_s, u"Duelist"_s, u"Dwarven Defender"_s, u"Eldritch Knight"_s, u"Hierophant"_s,
            u"Horizon Walker"_s, u"Loremaster"_s, u"Mystic Theurge"_s, u"Shadowdancer"_s, u"Thaumaturgist"_s};
    QCOMPARE(classes.size(), 26);
    for (qsizetype i = 0; i < classes.size(); ++i) {
        const ClassEntry &entry = classes.at(i);
        const bool isPrestige = i >= standard.size();
        QCOMPARE(entry.prestige, isPrestige);
        QCOMPARE(entry.name, isPrestige ? prestige.at(i - standard.size()) : standard.at(i));
        QCOMPARE(entry.path, u"\\Documents\\"_s + entry.name + u".rtf"_s);
    }
    QCOMPARE(classes.first().toItem(), u"standardFlag;\\Documents\\Barbarian.rtf;Barbarian"_s);
    QCOMPARE(classes.at(16).toItem(),
        u"prestigeFlag;\\Documents\\Dragon Disciple.rtf;Dragon Disciple"_s);
    QCOMPARE(classes.at(11).key(), u"ArcaneArcher"_s);
    QCOMPARE(classes.at(16).key(), u"DragonDisciple"_s);
}

void TestDocumentRecords::classItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("prestige");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name"); // null when the item is refused
    QTest::newRow("standard") << u"standardFlag;C:\\Velmora\\Documents\\Barbarian.rtf;Barbarian"_s << false
                              << u"C:\\Velmora\\Documents\\Barbarian.rtf"_s << u"Barbarian"_s;
    QTest::newRow("prestige") << u"prestigeFlag;/gm/Mystic Theurge.pdf;Mystic Theurge"_s << true
                              << u"/gm/Mystic Theurge.pdf"_s << u"Mystic Theurge"_s;
    QTest::newRow("path holding ;") << u"standardFlag;/gm/a;b.rtf;Warlock"_s << false << u"/gm/a;b.rtf"_s
                                    << u"Warlock"_s;
    QTest::newRow("no path") << u"prestigeFlag;;Red Wizard"_s << true << QString() << u"Red Wizard"_s;
    QTest::newRow("flag in other case") << u"StandardFlag;a.rtf;Bard"_s << false << QString() << QString();
    QTest::newRow("unknown flag") << u"epicFlag;a.rtf;Bard"_s << false << QString() << QString();
    QTest::newRow("two fields") << u"standardFlag;Bard"_s << false << QString() << QString();
    QTest::newRow("empty") << QString() << false << QString() << QString();
}

void TestDocumentRecords::classItems()
{
    QFETCH(QString, item);
    QFETCH(bool, prestige);
    QFETCH(QString, path);
    QFETCH(QString, name);
    const std::optional<ClassEntry> entry = ClassEntry::fromItem(item);
    QCOMPARE(bool(entry), !name.isNull());
    if (!entry)
        return;
    QCOMPARE(entry->prestige, prestige);
    QCOMPARE(entry->path, path);
    QCOMPARE(entry->name, name);
    QCOMPARE(entry->toItem(), item);
}

void TestDocumentRecords::shortcutItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name"); // null when refused
    QTest::addColumn<QString>("location");
    QTest::newRow("document") << u"House Rules;C:\\Velmora\\Documents\\House Rules.doc"_s << u"House Rules"_s
                              << u"C:\\Velmora\\Documents\\House Rules.doc"_s;
    QTest::newRow("address holding ;") << u"Search;https://example.org/find?a=1;b=2"_s << u"Search"_s
                                       << u"https://example.org/find?a=1;b=2"_s;
    QTest::newRow("saved list without path") << u"Ambush.csv;"_s << u"Ambush.csv"_s << u""_s;
    QTest::newRow("no separator") << u"House Rules"_s << QString() << QString();
}

void TestDocumentRecords::shortcutItems()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QString, location);
    const std::optional<Shortcut> shortcut = Shortcut::fromItem(item);
    QCOMPARE(bool(shortcut), !name.isNull());
    if (!shortcut)
        return;
    QCOMPARE(shortcut->name, name);
    QCOMPARE(shortcut->location, location);
    QCOMPARE(shortcut->toItem(), item);
}

void TestDocumentRecords::defaultShortcuts()
{
    QVERIFY(Shortcut::defaultLinks().isEmpty());

    const QList<Shortcut> articles = Shortcut::defaultArticles();
    const QList<Shortcut> netBooks = Shortcut::defaultNetBooks();
    QCOMPARE(articles.size(), 6);
    QCOMPARE(netBooks.size(), 9);
    QCOMPARE(
        articles.first().toItem(), u"Combat Quick Reference;\\Documents\\Combat Quick Reference.txt"_s);
    QSet<QString> names;
    for (const auto &[list, extension] : {std::pair{&articles, u".txt"_s}, std::pair{&netBooks, u".rtf"_s}}) {
        for (const Shortcut &shortcut : *list) {
            QCOMPARE(shortcut.location, u"\\Documents\\"_s + shortcut.name + extension);
            QVERIFY(!shortcut.name.contains(u';'));
            names.insert(shortcut.name);
        }
    }
    QCOMPARE(names.size(), 15);

    const QList<Shortcut> webSites = Shortcut::defaultWebSites();
    QCOMPARE(webSites.size(), 5);
    QCOMPARE(webSites.first().toItem(), u"Hypertext d20 SRD;https://www.d20srd.org/"_s);
    for (const Shortcut &site : webSites) {
        QVERIFY(site.location.startsWith(u"https://"_s));
        QVERIFY(!site.name.isEmpty() && !site.name.contains(u';'));
        QCOMPARE(Shortcut::fromItem(site.toItem()), std::optional<Shortcut>(site));
    }
}

void TestDocumentRecords::frameLabels_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("understood");
    QTest::addColumn<QStringList>("written");
    const QStringList defaults = {u"CustomCaptionLinks;Custom Links"_s, u"CustomCaptionArticles;Articles"_s,
        u"CustomCaptionNetBooks;Net Books"_s, u"CustomCaptionWebSites;Web Sites"_s};
    QTest::newRow("none: defaults") << QStringList() << true << defaults;
    const QStringList renamed = {u"CustomCaptionLinks;Handouts"_s, u"CustomCaptionArticles;Rules; errata"_s,
        u"CustomCaptionNetBooks;"_s, u"CustomCaptionWebSites;Online"_s};
    QTest::newRow("renamed") << renamed << true << renamed;
    QTest::newRow("other order") << QStringList{renamed[3], renamed[1]} << true
                                 << QStringList{defaults[0], renamed[1], defaults[2], renamed[3]};
    QTest::newRow("unknown key passed over") << QStringList{u"CustomCaptionMaps;Maps"_s, renamed[0]} << false
                                             << QStringList{renamed[0], defaults[1], defaults[2], defaults[3]};
    QTest::newRow("no separator") << QStringList{u"CustomCaptionLinks"_s} << false << defaults;
}

void TestDocumentRecords::frameLabels()
{
    QFETCH(QStringList, items);
    QFETCH(bool, understood);
    QFETCH(QStringList, written);
    FrameLabels labels = FrameLabels::defaults();
    QCOMPARE(labels.load(items), understood);
    QCOMPARE(labels.toItems(), written);
}

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestDocumentRecords)
#include "TestDocumentRecords.moc"
