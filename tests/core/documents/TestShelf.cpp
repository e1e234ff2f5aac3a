#include "core/documents/ClassEntry.h"
#include "core/documents/NotesDocuments.h"
#include "core/documents/RtfReader.h"
#include "core/documents/Shortcut.h"

#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The files of the Resources tab's quick-table buttons, in button order.
const QStringList QuickTables = { u"Object Hardness and Hit Points"_s, u"Substance Hardness and Hit Points"_s,
    u"Common Armor Weapon and Shield Hardness and Hit Points"_s, u"Mounts and Vehicles"_s, u"Movement and Distance"_s,
    u"Terrain and Overland Movement"_s, u"Hampered Movement"_s, u"Actions In Combat"_s, u"Encounters"_s,
    u"Exchange Value Of Coins"_s, u"Light Sources And Illumination"_s, u"Skill Synergies"_s };

QStringList defaultLocations()
{
    QStringList locations;
    for (const ClassEntry &entry : ClassEntry::defaultClasses())
        locations << entry.path;
    for (const auto &list : { Shortcut::defaultArticles(), Shortcut::defaultNetBooks() })
        for (const Shortcut &shortcut : list)
            locations << shortcut.location;
    for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot)
        locations << NotesDocuments::defaultFile(slot);
    for (const QString &table : QuickTables)
        locations << AppFolder::relativeForm(u"Library/"_s + table + u".rtf"_s);
    return locations;
}

RichTextDocument readRtf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return RtfReader().read(file.readAll()).value_or(RichTextDocument());
}

QList<RichTextTable> tables(const RichTextDocument &document)
{
    QList<RichTextTable> found;
    for (const RichTextDocument::Block &block : document.blocks)
        if (const auto *table = std::get_if<RichTextTable>(&block))
            found << *table;
    return found;
}

QStringList lines(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).split(u"\r\n"_s) : QStringList();
}

} // namespace

// What a new user finds on the shelf: every document the default lists and the quick-table
// buttons name, each readable and holding what it should.
class TestShelf : public QObject
{
    Q_OBJECT

    std::optional<TestHome> m_home;

private slots:
    void initTestCase() { m_home.emplace(TestHome::Shipped); }

    void everyDefaultLocationExistsInAFreshFolder()
    {
        const TestHome &home = *m_home;
        QStringList missing;
        for (const QString &location : defaultLocations())
            if (!QFileInfo(home.folder().storedFile(location)).isFile())
                missing << location;
        QCOMPARE(missing, QStringList());
    }

    void everyShippedDocumentReadsAndIsNotEmpty()
    {
        const TestHome &home = *m_home;
        const QStringList rtf = { u"*.rtf"_s };
        int count = 0;
        for (const QString &folder : { u"Documents"_s, u"Library"_s, u"Characters"_s }) {
            for (const QFileInfo &file : QDir(home.file(folder)).entryInfoList(rtf, QDir::Files)) {
                QVERIFY2(readRtf(file.filePath()).toPlainText().trimmed().size() > 200, qPrintable(file.fileName()));
                ++count;
            }
        }
        QCOMPARE(count, 26 + 9 + 3 + 12 + 3);
    }

    // Eleven standard classes of 20 levels, prestige classes of 10; the archmage, hierophant
    // and thaumaturgist have 5 levels, as in the game, rather than tables padded to 10.
    void classLevelTablesHaveOneRowPerLevel()
    {
        const TestHome &home = *m_home;
        const QStringList fiveLevels = { u"Archmage"_s, u"Hierophant"_s, u"Thaumaturgist"_s };
        for (const ClassEntry &entry : ClassEntry::defaultClasses()) {
            const QList<RichTextTable> found = tables(readRtf(home.folder().storedFile(entry.path)));
            const int levels = !entry.prestige ? 20 : fiveLevels.contains(entry.name) ? 5 : 10;
            QVERIFY2(found.size() == 1, qPrintable(entry.name));
            QVERIFY2(found.first().rows.size() == 1 + levels, qPrintable(entry.name));
            QVERIFY2(found.first().columnCount() == 6, qPrintable(entry.name));
        }
    }

    void quickTablesHoldTables()
    {
        const TestHome &home = *m_home;
        for (const QString &table : QuickTables) {
            const QList<RichTextTable> found = tables(readRtf(home.file(u"Library/"_s + table + u".rtf"_s)));
            QVERIFY2(!found.isEmpty() && found.first().rows.size() > 2, qPrintable(table));
        }
    }

    // Line 0 of both files is a title the draws never show; no other line is empty.
    void eventAndOracleTablesAreFull_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("events") << u"Documents/EventGenerator.dat"_s << 150;
        QTest::newRow("oracle") << u"Documents/ASKtheVelmora.dat"_s << 60;
    }

    void eventAndOracleTablesAreFull()
    {
        QFETCH(QString, file);
        QFETCH(int, atLeast);
        const TestHome &home = *m_home;
        const QStringList entries = lines(home.file(file)).mid(1);
        QVERIFY(entries.size() >= atLeast);
        QVERIFY(std::none_of(
            entries.cbegin(), entries.cend(), [](const QString &line) { return line.trimmed().isEmpty(); }));
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestShelf)
#include "TestShelf.moc"
