#include "core/common/AppFolder.h"
#include "core/common/FileWriter.h"
#include "core/common/RandomSource.h"

#include "support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestAppFolder : public QObject
{
    Q_OBJECT

private slots:
    void locateFollowsVelmoraHome()
    {
        TestHome home;
        QCOMPARE(AppFolder::locate().root(), home.path());
    }

    void namesIgnoreCase_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");
        QTest::newRow("as on disk") << u"Sounds/Intro.WAV"_s << u"Sounds/Intro.WAV"_s;
        QTest::newRow("other case, backslashes") << u"\\sounds\\intro.wav"_s << u"Sounds/Intro.WAV"_s;
        QTest::newRow("blank in the name") << u"\\SOUNDS\\dice roll.WAV"_s << u"Sounds/Dice Roll.wav"_s;
        QTest::newRow("missing file keeps the asked name") << u"\\Sounds\\Gone.wav"_s << u"Sounds/Gone.wav"_s;
    }

    void namesIgnoreCase()
    {
        QFETCH(QString, asked);
        QFETCH(QString, found);
        TestHome home;
        home.write(u"Sounds/Intro.WAV"_s, "RIFF"_ba);
        home.write(u"Sounds/Dice Roll.wav"_s, "RIFF"_ba);
        QCOMPARE(home.folder().file(asked), home.file(found));
        // Stored in a campaign with the leading "\\", the name means the same shipped file.
        if (asked.startsWith(u'\\'))
            QCOMPARE(home.folder().storedFile(asked), home.file(found));
        // The user's own files are named by their full path.
        QCOMPARE(home.folder().storedFile(home.file(found)), home.file(found));
    }

    void storedPaths_data()
    {
        // "@" is the application folder.
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("stored");
        QTest::newRow("under the folder") << u"@/Documents/DM Notes.rtf"_s << u"\\Documents\\DM Notes.rtf"_s;
        QTest::newRow("backslashes, other case") << u"/SRV/velmora\\documents\\x.rtf"_s << u"\\documents\\x.rtf"_s;
        QTest::newRow("already stored") << u"\\Sounds\\Click.wav"_s << u"\\Sounds\\Click.wav"_s;
        QTest::newRow("elsewhere") << u"/home/gm/notes.rtf"_s << u"/home/gm/notes.rtf"_s;
        QTest::newRow("old full path") << u"C:\\Velmora\\Documents\\x.rtf"_s << u"C:\\Velmora\\Documents\\x.rtf"_s;
        QTest::newRow("a sibling of the folder") << u"@2/x.rtf"_s << u"@2/x.rtf"_s;
        QTest::newRow("the folder itself") << u"@"_s << u"@"_s;
    }

    void storedPaths()
    {
        QFETCH(QString, path);
        QFETCH(QString, stored);
        const AppFolder folder(u"/srv/Velmora"_s);
        QCOMPARE(folder.storedPath(path.replace(u"@"_s, u"/srv/Velmora"_s)), stored.replace(u"@"_s, u"/srv/Velmora"_s));
    }

    void seedingKeepsWhatTheUserHas()
    {
        TestHome shipped;
        shipped.write(u"Sounds/Intro.WAV"_s, "shipped intro"_ba);
        shipped.write(u"TIPOFDAY.TXT"_s, "shipped tips"_ba);
        shipped.write(u"Campaigns/Default Data.vlt"_s, "shipped campaign"_ba);

        TestHome home;
        home.write(u"sounds/intro.wav"_s, "the user's own"_ba);
        const QStringList copied = home.folder().seedFrom(shipped.path());
        QCOMPARE(copied.size(), 2);
        QCOMPARE(home.read(u"sounds/intro.wav"_s), "the user's own"_ba);
        QVERIFY(!QFile::exists(home.file(u"Sounds/Intro.WAV"_s)));
        QCOMPARE(home.read(u"TIPOFDAY.TXT"_s), "shipped tips"_ba);
        QCOMPARE(home.read(u"Campaigns/Default Data.vlt"_s), "shipped campaign"_ba);
        QVERIFY(home.folder().seedFrom(shipped.path()).isEmpty());
    }

    void atomicWriteKeepsOldFileOnFailure()
    {
        TestHome home;
        const QString path = home.write(u"Campaigns/c.vlf"_s, "old"_ba);
        QVERIFY(FileWriter::writeAtomically(path, "new"_ba));
        QCOMPARE(home.read(u"Campaigns/c.vlf"_s), "new"_ba);

        // A full disk, even for root: the process may not write files larger than 1 KiB.
        struct rlimit old;
        getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit small = old;
        small.rlim_cur = 1024;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        // A small file fails only when the write buffer is flushed; a large one while writing.
        const auto smallError = FileWriter::writeAtomically(path, QByteArray(2000, 'x'));
        const auto largeError = FileWriter::writeAtomically(path, QByteArray(64 * 1024, 'x'));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);
        for (const Result<void> &written : {smallError, largeError}) {
            QVERIFY(!written);
            QCOMPARE(written.error().path, path);
            QVERIFY(!written.error().message.isEmpty());
        }
        QCOMPARE(home.read(u"Campaigns/c.vlf"_s), "new"_ba);
        QCOMPARE(QDir(home.file(u"Campaigns"_s)).entryList(QDir::Files), QStringList{u"c.vlf"_s});

        const auto noFolder = FileWriter::writeAtomically(home.file(u"Campaigns/c.vlf/inner.vlf"_s), "x"_ba);
        QVERIFY(!noFolder);
    }

    void rollCoversOneToN()
    {
        MersenneRandomSource random(42);
        QSet<int> seen;
        for (int i = 0; i < 2000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            const int roll = random.roll(6);
            QVERIFY(roll >= 1 && roll <= 6);
            seen.insert(roll);
        }
        QCOMPARE(seen.size(), 6);
        MersenneRandomSource a(7), b(7);
        QCOMPARE(a.next(), b.next());
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestAppFolder)
#include "TestAppFolder.moc"
