#include "core/archive/ArchiveExtractFlow.h"
#include "core/archive/clsZip_Zip.h"

#include "TestConfig.h"

#include <QTemporaryDir>
#include <QTest>

#include "ZipTestSupport.h"

using namespace Velmora;
using namespace Qt::StringLiterals;

class TestArchiveExtractFlow : public QObject
{
    Q_OBJECT

private slots:
    // An extraction stopped or cut short by a limit against archive bombs says which one, with
    // the option that raises it, as its last status.
    void limitsAreNamed_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<qint64>("maxTotal");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("files");
        const qint64 all = clsZip_UnZip::DefaultMaxTotalSize;
        QTest::newRow("total size") << u"bomb"_s << qint64(1 << 20) << int(ZipError::SizeLimit)
                                    << u"Extraction stopped: the archive would extract to more than 1 MiB, the limit "
                                       u"(velmora-cli zip extract --max-size raises it); files extracted until then: "
                                       u"0."_s
                                    << QStringList();
        QTest::newRow("total size, not whole mebibytes")
            << u"bomb"_s << qint64(5 << 19) << int(ZipError::SizeLimit)
            << u"Extraction stopped: the archive would extract to more than "
               u"2.5 MiB, the limit (velmora-cli zip extract --max-size raises "
               u"it); files extracted until then: 0."_s
            << QStringList();
        QTest::newRow("ratio") << u"lyingsize"_s << all << int(ZipError::RatioLimit)
                               << u"Extraction stopped: a file would grow to more than 10000 times its packed size, "
                                  u"as archive bombs do (velmora-cli zip extract --max-ratio raises the limit); files "
                                  u"extracted until then: 0."_s
                               << QStringList();
        QTest::newRow("overlapping entries")
            << u"overlap"_s << all << int(ZipError::Overlap)
            << u"Files sharing their packed bytes with other files were refused, as archive bombs do; files "
               u"extracted: 1."_s
            << QStringList { u"b.txt"_s };
    }

    void limitsAreNamed()
    {
        QFETCH(QString, archive);
        QFETCH(qint64, maxTotal);
        QFETCH(int, limit);
        QFETCH(QString, status);
        QFETCH(QStringList, files);
        QTemporaryDir target;
        QStringList statuses;
        const ArchiveExtractFlow::Result result = ArchiveExtractFlow::extract(
            QStringLiteral(VELMORA_TEST_DATA_DIR "/zip/") + archive + u".zip"_s, target.path(),
            [&](const QString &text) { statuses << text; }, {}, {}, { maxTotal, clsZip_UnZip::DefaultMaxRatio });
        QCOMPARE(result.limit, limit);
        QCOMPARE(statuses.last(), status);
        QCOMPARE(filesBelow(target.path()), files);
    }

    // The share done follows the entries, and within a large entry its bytes.
    void progressFollowsBytes()
    {
        QTemporaryDir home;
        writeFile(home.filePath(u"in/zeros.bin"_s), QByteArray(24 << 20, '\0'));
        writeFile(home.filePath(u"in/small.txt"_s), "small");
        clsZip_Zip zip { AppFolder(home.path()) };
        zip.FileAdd(home.filePath(u"in/zeros.bin"_s));
        zip.FileAdd(home.filePath(u"in/small.txt"_s));
        QVERIFY(zip.WriteZip(home.filePath(u"a.zip"_s), true));
        QList<int> shares;
        ArchiveExtractFlow::extract(
            home.filePath(u"a.zip"_s), home.filePath(u"out"_s), [](const QString &) {}, {},
            [&](int percent) { shares << percent; });
        QCOMPARE(shares, (QList<int> { 33, 50, 100 }));
    }
};

QTEST_GUILESS_MAIN(TestArchiveExtractFlow)
#include "TestArchiveExtractFlow.moc"
