#include "core/documents/ClassEntry.h"
#include "core/documents/FrameLabels.h"
#include "core/documents/NotesDocuments.h"
#include "core/documents/Shortcut.h"

#include "support/ItemRoundTrip.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

// The shipped defaults are pinned by the default campaign (Default Data.vlt against
// velmora-cli new); these tests are about reading and writing items.
class TestDocumentRecords : public QObject
{
    Q_OBJECT

private slots:
    void fixedBlocks_data()
    {
        QTest::addColumn<bool>("notes"); // the notes documents, else the frame labels
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("understood");
        QTest::addColumn<QStringList>("written");
        const QStringList saved
            = {u"Notes;C:\\Camp\\Notes.rtf"_s, u"Last;C:\\Camp\\Last.rtf"_s, u"NPCs;C:\\Camp\\NPCs.rtf"_s};
        QTest::newRow("notes saved") << true << saved << true << saved;
        QTest::newRow("notes in other order") << true << QStringList{saved[2], saved[0], saved[1]} << true << saved;
        QTest::newRow("notes path holding ;") << true << QStringList{u"Last;/camp/a;b.rtf"_s} << true
                                              << QStringList{u"Notes;"_s, u"Last;/camp/a;b.rtf"_s, u"NPCs;"_s};
        QTest::newRow("notes: unknown key passed over") << true << QStringList{u"notes;x"_s, u"NPCs;y"_s} << false
                                                        << QStringList{u"Notes;"_s, u"Last;"_s, u"NPCs;y"_s};
        QTest::newRow("notes: no separator passed over") << true << QStringList{u"Notes"_s, u"Last;z"_s} << false
                                                         << QStringList{u"Notes;"_s, u"Last;z"_s, u"NPCs;"_s};
        const QStringList defaults = FrameLabels::defaults().toItems();
        QTest::newRow("no labels: defaults") << false << QStringList() << true << defaults;
        const QStringList renamed = {u"CustomCaptionLinks;Handouts"_s, u"CustomCaptionArticles;Rules; errata"_s,
            u"CustomCaptionNetBooks;"_s, u"CustomCaptionWebSites;Online"_s};
        QTest::newRow("labels renamed") << false << renamed << true << renamed;
        QTest::newRow("labels in other order") << false << QStringList{renamed[3], renamed[1]} << true
                                               << QStringList{defaults[0], renamed[1], defaults[2], renamed[3]};
        QTest::newRow("labels: unknown key passed over") << false << QStringList{u"CustomCaptionMaps;Maps"_s, renamed[0]}
                                                         << false << QStringList{renamed[0], defaults[1], defaults[2], defaults[3]};
        QTest::newRow("labels: no separator") << false << QStringList{u"CustomCaptionLinks"_s} << false << defaults;
    }

    void fixedBlocks()
    {
        QFETCH(bool, notes);
        if (notes)
            checkItemsRoundTrip(NotesDocuments());
        else
            checkItemsRoundTrip(FrameLabels::defaults());
    }

    void classItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("fields"); // prestige|path|name|key, null when the item is refused
        QTest::newRow("standard") << u"standardFlag;C:\\Velmora\\Documents\\Barbarian.rtf;Barbarian"_s
                                  << u"0|C:\\Velmora\\Documents\\Barbarian.rtf|Barbarian|Barbarian"_s;
        QTest::newRow("prestige") << u"prestigeFlag;/gm/Mystic Theurge.pdf;Mystic Theurge"_s
                                  << u"1|/gm/Mystic Theurge.pdf|Mystic Theurge|MysticTheurge"_s;
        QTest::newRow("path holding ;") << u"standardFlag;/gm/a;b.rtf;Warlock"_s << u"0|/gm/a;b.rtf|Warlock|Warlock"_s;
        QTest::newRow("no path") << u"prestigeFlag;;Red Wizard"_s << u"1||Red Wizard|RedWizard"_s;
        QTest::newRow("flag in other case") << u"StandardFlag;a.rtf;Bard"_s << QString();
        QTest::newRow("unknown flag") << u"epicFlag;a.rtf;Bard"_s << QString();
        QTest::newRow("two fields") << u"standardFlag;Bard"_s << QString();
        QTest::newRow("empty") << QString() << QString();
    }

    void classItems()
    {
        QFETCH(QString, item);
        QFETCH(QString, fields);
        std::optional<ClassEntry> entry;
        QCOMPARE(itemRoundTrip(item, &entry), fields.isNull() ? QString() : item);
        if (entry)
            QCOMPARE(QStringList({QString::number(entry->prestige), entry->path, entry->name, entry->key()}).join(u'|'), fields);
    }

    void shortcutItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("location"); // null when refused
        QTest::newRow("document") << u"House Rules;C:\\Velmora\\Documents\\House Rules.doc"_s
                                  << u"C:\\Velmora\\Documents\\House Rules.doc"_s;
        QTest::newRow("address holding ;") << u"Search;https://example.org/find?a=1;b=2"_s
                                           << u"https://example.org/find?a=1;b=2"_s;
        QTest::newRow("saved list without path") << u"Ambush.csv;"_s << u""_s;
        QTest::newRow("no separator") << u"House Rules"_s << QString();
    }

    void shortcutItems()
    {
        QFETCH(QString, item);
        QFETCH(QString, location);
        std::optional<Shortcut> shortcut;
        QCOMPARE(itemRoundTrip(item, &shortcut), location.isNull() ? QString() : item);
        QCOMPARE(shortcut.value_or(Shortcut()).location, location);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestDocumentRecords)
#include "TestDocumentRecords.moc"
