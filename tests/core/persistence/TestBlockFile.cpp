#include "core/persistence/oVLFile.h"

#include "TestConfig.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <random>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QString fixture(const QString &name)
{
    return QString::fromUtf8(VELMORA_TEST_DATA_DIR) + u"/persistence/"_s + name;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray nuls(int count)
{
    return QByteArray(count, '\0');
}

QStringList labels(const oVLFile &file)
{
    QStringList result;
    for (const oBlock &block : file.Blocks())
        result << block.Label();
    return result;
}

} // namespace

class TestBlockFile : public QObject
{
    Q_OBJECT

private slots:
    void putBlock_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QByteArray>("text");

        QTest::newRow("padded to 16") << QStringList{u"a"_s, u"bc"_s} << QByteArray("a\0bc\0", 5) + nuls(11);
        QTest::newRow("exactly 16, no padding") << QStringList{u"abcdefg"_s, u"hijklmn"_s}
                                                << QByteArray("abcdefg\0hijklmn\0", 16);
        QTest::newRow("17 padded to 32") << QStringList{u"abcdefghijklmnop"_s} << QByteArray("abcdefghijklmnop") + nuls(16);
        QTest::newRow("one empty item") << QStringList{u""_s} << nuls(16);
        QTest::newRow("no items") << QStringList{} << QByteArray();
    }

    void putBlock()
    {
        QFETCH(QStringList, items);
        QFETCH(QByteArray, text);

        oBlock block;
        block.init(u"MOONS"_s, items);
        QCOMPARE(block.GetFullBlockSize(), 16 + text.size());

        QByteArray file("PREFIX");
        qsizetype position = file.size();
        QVERIFY(block.PutBlock(file, position));
        const QByteArray header = text.isEmpty() ? QByteArray()
                                                 : QByteArray("MOONS") + nuls(5) + char(text.size()) + nuls(5);
        QCOMPARE(file, QByteArray("PREFIX") + header + text);
        QCOMPARE(position, file.size());
    }

    void writeMatchesHandBuiltFile()
    {
        // An empty block (MOONS) counts in the header but has no bytes; an inner empty item stays.
        oVLFile vl;
        vl.UpdateBlock(u"WEATHER"_s, {u"1"_s, u"Light rain"_s});
        vl.UpdateBlock(u"TIME"_s, {u"12;00;AM"_s});
        vl.UpdateBlock(u"MOONS"_s, {});
        vl.UpdateBlock(u"CALENDAR"_s, {u"January;31"_s, u"February;28"_s, u"2007:1:1;2007:2:14"_s});
        vl.UpdateBlock(u"LABELS"_s, {u"CustomCaptionLinks;Custom Links"_s, u""_s, u"CustomCaptionWebSites;Web Sites"_s});
        const QString path = m_dir.filePath(u"campaign.vlf"_s);
        QVERIFY(vl.WriteData(path));
        QCOMPARE(readAll(path), readAll(fixture(u"campaign.vlf"_s)));
        QCOMPARE(vl.GetVersion(), u"VL400000"_s);

        oVLFile read;
        QCOMPARE(read.ParseVLFile(path).value(), 0);
        QCOMPARE(labels(read), (QStringList{u"WEATHER"_s, u"TIME"_s, u"CALENDAR"_s, u"LABELS"_s}));
        QCOMPARE(read.NumberOfBlocks(), qint16(4));
        QCOMPARE(read.block(u"labels"_s)->Items(), vl.block(u"LABELS"_s)->Items());
        QCOMPARE(read.block(u"weather"_s)->SplitChr(), u";"_s);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QStringList>("read"); // empty: the block is gone

        QTest::newRow("trailing empty items lost") << QStringList{u"a"_s, u""_s, u""_s} << QStringList{u"a"_s};
        QTest::newRow("edge blanks lost") << QStringList{u"  a "_s, u" b  "_s} << QStringList{u"a "_s, u" b"_s};
        QTest::newRow("inner empty items kept") << QStringList{u"a"_s, u""_s, u"b"_s}
                                                << QStringList{u"a"_s, u""_s, u"b"_s};
        QTest::newRow("leading empty item kept") << QStringList{u""_s, u"a"_s} << QStringList{u""_s, u"a"_s};
        QTest::newRow("blanks only") << QStringList{u" "_s, u""_s} << QStringList{};
    }

    void roundTrip()
    {
        QFETCH(QStringList, written);
        QFETCH(QStringList, read);

        oVLFile vl;
        vl.UpdateBlock(u"LOG"_s, written);
        const QString path = m_dir.filePath(u"roundtrip.vlf"_s);
        QVERIFY(vl.WriteData(path));
        oVLFile back;
        QVERIFY(back.ParseVLFile(path));
        const oBlock *block = back.block(u"LOG"_s);
        QCOMPARE(block ? block->Items() : QStringList(), read);
    }

    void updateThenWriteWritesNewItems()
    {
        oVLFile vl;
        const QString path = m_dir.filePath(u"update.vlf"_s);
        vl.UpdateBlock(u"TIME"_s, {u"1;00;AM"_s});
        vl.UpdateBlock(u"XP"_s, {u"Aria;100;1000"_s});
        QVERIFY(vl.WriteData(path));
        vl.UpdateBlock(u"time"_s, {u"11;30;PM"_s}); // the same block: labels ignore case
        QVERIFY(vl.WriteData(path));

        oVLFile back;
        back.ParseVLFile(path);
        QCOMPARE(labels(back), (QStringList{u"TIME"_s, u"XP"_s}));
        QCOMPARE(back.block(u"TIME"_s)->Items(), QStringList{u"11;30;PM"_s});
    }

    void windows1252SurvivesRoundTrip()
    {
        // The fixture's first item is every byte from 0x80 to 0xFF.
        oVLFile vl;
        vl.ParseVLFile(fixture(u"cp1252.vlf"_s));
        const QStringList items = vl.block(u"NOTES"_s)->Items();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0).size(), 128);
        QCOMPARE(items.at(0).at(0), QChar(0x20AC));        // 0x80 euro sign
        QCOMPARE(items.at(0).at(0x8C - 0x80), QChar(0x0152)); // 0x8C OE ligature
        QCOMPARE(items.at(0).at(127), QChar(0x00FF));
        QCOMPARE(items.at(1), u"caf\u00e9"_s);

        const QString path = m_dir.filePath(u"cp1252.vlf"_s);
        QVERIFY(vl.WriteData(path));
        QCOMPARE(readAll(path), readAll(fixture(u"cp1252.vlf"_s)));
    }

    void read_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("blockLabels");
        QTest::addColumn<QStringList>("lastItems");
        QTest::addColumn<QString>("error"); // the start of the message; null: none

        const QStringList none;
        QTest::newRow("count larger than blocks present") << u"broken-count-too-large.vlf"_s
                                                          << QStringList{u"ONE"_s, u"TWO"_s} << QStringList{u"second"_s}
                                                          << QString();
        QTest::newRow("text cut short") << u"broken-truncated.vlf"_s << QStringList{u"ONE"_s, u"TWO"_s}
                                        << QStringList{u"abc"_s, u"de"_s} << QString();
        QTest::newRow("length beyond the end") << u"broken-huge-length.vlf"_s << QStringList{u"ONE"_s, u"BIG"_s}
                                               << QStringList{u"x"_s, u"y"_s} << QString();
        QTest::newRow("negative length") << u"broken-negative-length.vlf"_s << QStringList{u"TWO"_s}
                                         << QStringList{u"second"_s} << QString();
        QTest::newRow("negative count") << u"broken-negative-count.vlf"_s << none << none << QString();
        QTest::newRow("short header") << u"broken-short-header.vlf"_s << none << none << QString();
        QTest::newRow("duplicate label") << u"broken-duplicate-label.vlf"_s << QStringList{u"ONE"_s, u"Two"_s}
                                         << QStringList{u"2"_s} << u"duplicate block label 'one' at offset 80"_s;
        QTest::newRow("missing file") << u"no-such-file.vlf"_s << none << none << u"cannot be opened: "_s;
    }

    void read()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, blockLabels);
        QFETCH(QStringList, lastItems);
        QFETCH(QString, error);

        oVLFile vl;
        const Result<qint32> parsed = vl.ParseVLFile(fixture(file));
        QCOMPARE(labels(vl), blockLabels);
        QCOMPARE(vl.Blocks().isEmpty() ? QStringList() : vl.Blocks().last().Items(), lastItems);
        QCOMPARE(parsed ? 0 : -1, error.isNull() ? 0 : -1);
        if (!parsed) {
            QCOMPARE(parsed.error().path, fixture(file));
            QVERIFY2(parsed.error().message.startsWith(error), qPrintable(parsed.error().message));
        }
    }

    void removeBlock_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("left");

        QTest::newRow("exact label") << u"TIME"_s << QStringList{u"WEATHER"_s, u"MOONS"_s};
        QTest::newRow("other letter case") << u"time"_s << QStringList{u"WEATHER"_s, u"TIME"_s, u"MOONS"_s};
        QTest::newRow("absent") << u"XP"_s << QStringList{u"WEATHER"_s, u"TIME"_s, u"MOONS"_s};
    }

    void removeBlock()
    {
        QFETCH(QString, label);
        QFETCH(QStringList, left);

        oVLFile vl;
        vl.UpdateBlock(u"WEATHER"_s, {u"0"_s});
        vl.UpdateBlock(u"TIME"_s, {u"12;00;AM"_s});
        vl.UpdateBlock(u"MOONS"_s, {u"Luna;28;2007:1:1"_s});
        vl.RemoveBlock(label);
        QCOMPARE(labels(vl), left);
        QCOMPARE(vl.block(u"moons"_s)->Items(), QStringList{u"Luna;28;2007:1:1"_s});
    }

    void longLabelIsRefusedAndNothingWritten()
    {
        const QString path = m_dir.filePath(u"long.vlf"_s);
        writeAll(path, "old campaign");
        oVLFile vl;
        vl.UpdateBlock(u"TENCHARSXY"_s, {u"fits"_s});
        vl.UpdateBlock(u"ELEVENCHARS"_s, {u"too long"_s});
        const Result<void> written = vl.WriteData(path);
        QVERIFY(!written);
        QCOMPARE(written.error(), (Error{path, u"block label 'ELEVENCHARS' is longer than 10 characters"_s}));
        QCOMPARE(readAll(path), QByteArray("old campaign"));

        vl.UpdateBlock(u"ELEVENCHARS"_s, {}); // a block without items is never written
        QVERIFY(vl.WriteData(path));
        QVERIFY(readAll(path).contains("TENCHARSXY\x10"));
    }

    void writeFailureLeavesOldFile()
    {
        oVLFile vl;
        // Larger than the file buffer, so that the short write shows at once.
        vl.UpdateBlock(u"NOTES"_s, {QString(70000, u'x')});
        const Result<void> missing = vl.WriteData(m_dir.filePath(u"no-such-folder/c.vlf"_s));
        QVERIFY(!missing);
        QCOMPARE(missing.error().path, m_dir.filePath(u"no-such-folder/c.vlf"_s));

    #ifdef Q_OS_UNIX
        // A file-size limit makes the write fail whoever runs the test (root ignores read-only folders).
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"old.vlf"_s);
        writeAll(path, "old campaign");
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &limited);
        const Result<void> written = vl.WriteData(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!written);
        QCOMPARE(written.error().path, path);
        QCOMPARE(readAll(path), QByteArray("old campaign"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"old.vlf"_s}));
    #endif
    }

    void anyBytesParseSanely()
    {
        // Mutated valid files and plain noise, from a fixed seed so that a failure repeats.
        const QList<QByteArray> seeds = {readAll(fixture(u"campaign.vlf"_s)), readAll(fixture(u"cp1252.vlf"_s)),
                                         readAll(fixture(u"broken-duplicate-label.vlf"_s))};
        std::mt19937 random(20070101);
        auto below = [&random](qsizetype n) { return qsizetype(random() % quint32(qMax<qsizetype>(n, 1))); };
        const qint32 extremes[] = {-1, -16, 0, 0x7fffffff, qint32(0x80000000), 0x10000, 0x7fff};

        for (int round = 0; round < 2000; ++round) {
            QByteArray bytes = seeds.at(below(seeds.size()));
            if (round % 10 == 0) {
                bytes.resize(below(600));
                for (char &c : bytes)
                    c = char(random());
            }
            for (int m = 0, mutations = 1 + int(below(4)); m < mutations && !bytes.isEmpty(); ++m) {
                const qsizetype at = below(bytes.size());
                switch (below(4)) {
                case 0: bytes[at] = char(random()); break;
                case 1: bytes.truncate(at); break;
                case 2: bytes.insert(at, bytes.mid(below(bytes.size()), below(64))); break;
                default:
                    if (at + 4 <= bytes.size())
                        qToLittleEndian(extremes[below(std::size(extremes))], bytes.data() + at);
                }
            }
            QBuffer device(&bytes);
            device.open(QIODevice::ReadOnly);
            oVLFile vl;
            vl.parse(device);
            qsizetype itemBytes = 0;
            for (const oBlock &block : vl.Blocks()) {
                QVERIFY(block.Label().size() <= oBlock::MaxLabelLength);
                for (const QString &item : block.Items())
                    itemBytes += item.size() + 1;
            }
            QVERIFY(vl.Blocks().size() <= bytes.size() / 16);
            QVERIFY2(itemBytes <= bytes.size(), qPrintable(QString::number(round)));
        }
    }

private:
    QTemporaryDir m_dir;
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestBlockFile)
#include "TestBlockFile.moc"
