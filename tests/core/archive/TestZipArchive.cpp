#include "core/archive/clsZip_Zip.h"

#include "TestConfig.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <zlib.h>

#include "ZipTestSupport.h"

using namespace Velmora;
using namespace Qt::StringLiterals;

class TestZipArchive : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

private slots:
    // Links are removed, never followed.
    void cleanup() { QVERIFY(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path())); }

    // The one-byte file: exact headers, the end record with its comment, and a deflate stream
    // that comes back as the byte with its date.
    void oneByteFile()
    {
        writeFile(path(u"src/a.txt"_s), "x");
        const QDateTime when({ 2021, 3, 4 }, { 5, 6, 8 });
        QFile file(path(u"src/a.txt"_s));
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime));
        clsZip_Zip zip { AppFolder(m_dir.path()) };
        QCOMPARE(zip.FileAdd(path(u"src/a.txt"_s)), 1);
        zip.SetComment(u"hello"_s);
        QVERIFY(zip.WriteZip(path(u"one.zip"_s), false));
        const QByteArray bytes = readFile(path(u"one.zip"_s));
        QCOMPARE(bytes.left(14).toHex(), "504b0304140000000800c4286452");
        QCOMPARE(qFromLittleEndian<uint32_t>(bytes.constData() + 14), uint32_t(crc32(0, (const Bytef *)"x", 1)));
        QCOMPARE(qFromLittleEndian<uint32_t>(bytes.constData() + 22), 1u);
        QCOMPARE(bytes.mid(26, 9), "\x05\0\0\0a.txt"_ba);
        const qsizetype end = bytes.size() - 27;
        QCOMPARE(bytes.mid(end, 12).toHex(),
            "504b050600000000"
            "01000100");
        QCOMPARE(bytes.mid(end + 20), "\x05\0hello"_ba);

        clsZip_UnZip unzip;
        QVERIFY(unzip.ZipOpen(path(u"one.zip"_s)));
        QCOMPARE(unzip.ZipComment(), u"hello"_s);
        QCOMPARE(unzip.FileDateAndTime(0), when);
        QVERIFY(unzip.ExtractAllFiles(path(u"out"_s), true, false));
        QCOMPARE(readFile(path(u"out/a.txt"_s)), "x");
    }

    // "é" is translated to the DOS byte 0x82 and back; a name Windows-1252 cannot hold is
    // UTF-8 with flag bit 11. An empty file is an entry without data.
    void names()
    {
        writeFile(path(u"src/café.txt"_s), "");
        writeFile(path(u"src/東京.txt"_s), "tokyo");
        clsZip_Zip zip { AppFolder(m_dir.path()) };
        QCOMPARE(zip.FileAdd(path(u"src/*.txt"_s)), 2);
        QVERIFY(zip.WriteZip(path(u"names.zip"_s), false));
        const QByteArray bytes = readFile(path(u"names.zip"_s));
        QCOMPARE(bytes.mid(6, 2), "\0\0"_ba);
        QCOMPARE(bytes.mid(18, 8), QByteArray(8, '\0'));
        QCOMPARE(bytes.mid(30, 8), "caf\x82.txt"_ba);
        QCOMPARE(bytes.mid(38 + 6, 2), "\x00\x08"_ba);
        QVERIFY(bytes.contains(u"東京.txt"_s.toUtf8()));

        clsZip_UnZip unzip;
        QVERIFY(unzip.ZipOpen(path(u"names.zip"_s)));
        QCOMPARE(unzip.FileList(), QStringList({ u"café.txt"_s, u"東京.txt"_s }));
        QVERIFY(unzip.ExtractAllFiles(path(u"out"_s), true, false));
        QCOMPARE(filesBelow(path(u"out"_s)), QStringList({ u"café.txt"_s, u"東京.txt"_s }));
    }

    void fileAdd_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("nameMode");
        QTest::addColumn<bool>("recurse");
        QTest::addColumn<QStringList>("names");
        const QString home = u"HOME/"_s;
        QTest::newRow("one file, name alone")
            << u"HOME/Sounds/Intro.wav"_s << 0 << false << QStringList { u"Intro.wav"_s };
        QTest::newRow("stored relative form, mode 2")
            << u"\\Sounds\\intro.WAV"_s << 2 << false << QStringList { u"Sounds/Intro.wav"_s };
        QTest::newRow("wildcard, letter case ignored")
            << u"HOME/Sounds/*.WAV"_s << 0 << false << QStringList { u"Click.wav"_s, u"Intro.wav"_s };
        QTest::newRow("wildcard with recursion, mode 2")
            << u"HOME/*.wav"_s << 2 << true
            << QStringList { u"Sounds/Click.wav"_s, u"Sounds/Intro.wav"_s, u"Sounds/old/Intro.wav"_s };
        QTest::newRow("a plain name with recursion")
            << u"HOME/Sounds/Intro.wav"_s << 0 << true << QStringList { u"Intro.wav"_s, u"Intro.wav"_s };
        QTest::newRow("missing file") << u"HOME/Sounds/None.wav"_s << 0 << true << QStringList {};
    }

    // Patterns, recursion and the three name modes; mode 1 is the path without its root.
    void fileAdd()
    {
        QFETCH(QString, pattern);
        QFETCH(int, nameMode);
        QFETCH(bool, recurse);
        QFETCH(QStringList, names);
        const QString home = path(u"home"_s);
        for (const QString &name :
            { u"Sounds/Intro.wav"_s, u"Sounds/Click.wav"_s, u"Sounds/old/Intro.wav"_s, u"Sounds/notes.txt"_s })
            writeFile(home + u'/' + name, "RIFF");
        clsZip_Zip zip { AppFolder(home) };
        pattern.replace(u"HOME"_s, home);
        QCOMPARE(zip.FileAdd(pattern, nameMode, recurse), names.size());
        QStringList added;
        for (int i = 0; i < zip.FileCount(); ++i)
            added << zip.FileName(i);
        QCOMPARE(added, names);
        clsZip_Zip full { AppFolder(home) };
        full.FileAdd(home + u"/Sounds/Click.wav"_s, 1);
        QCOMPARE(full.FileName(0), home.mid(1) + u"/Sounds/Click.wav"_s);
    }

    // Without overwrite an existing file stays as it was; with it, it is replaced whole.
    void writeZipOverwrite()
    {
        writeFile(path(u"a.txt"_s), "abc");
        writeFile(path(u"old.zip"_s), "old");
        clsZip_Zip zip { AppFolder(m_dir.path()) };
        zip.FileAdd(path(u"a.txt"_s));
        QVERIFY(!zip.WriteZip(path(u"old.zip"_s), false));
        QCOMPARE(readFile(path(u"old.zip"_s)), "old");
        QVERIFY(zip.WriteZip(path(u"old.zip"_s), true));
        QVERIFY(readFile(path(u"old.zip"_s)).startsWith("PK\x03\x04"));
        QCOMPARE(zip.SizeCompressed(0), readFile(path(u"old.zip"_s)).size() - 2 * (30 + 5) - 16 - 22);
    }

    // Without ZIP64 an archive holds at most 65535 entries, an entry at most 4 GiB and the archive
    // too: beyond, nothing is written. The 4 GiB entry is a sparse file (no disk used, never
    // read); the whole archive reaches a lowered limit with three entries of 1 MiB.
    void refusesWhatTheFormatCannotHold_data()
    {
        QTest::addColumn<qint64>("fileSize");
        QTest::addColumn<int>("copies");
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<QString>("error");
        QTest::newRow("65536 entries") << qint64(1) << 65536 << (qint64(1) << 32)
                                       << u"An archive holds at most 65535 files; 65536 were added."_s;
        QTest::newRow("an entry of 4 GiB") << (qint64(1) << 32) << 1 << (qint64(1) << 32)
                                           << u"SOURCE is larger than 4 GiB, more than an archive entry holds."_s;
        QTest::newRow("an archive beyond the limit")
            << (qint64(1) << 20) << 3 << (qint64(5) << 19)
            << u"The archive would be larger than 4 GiB, more than the format holds."_s;
    }

    void refusesWhatTheFormatCannotHold()
    {
        QFETCH(qint64, fileSize);
        QFETCH(int, copies);
        QFETCH(qint64, sizeLimit);
        QFETCH(QString, error);
        const QString source = path(u"in/a.bin"_s);
        QByteArray noise(int(std::min<qint64>(fileSize, 1 << 20)), Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(QRandomGenerator::global()->generate());
        writeFile(source, noise);
        QVERIFY(QDir().mkpath(path(u"out"_s)));
        QFile file(source);
        QVERIFY(file.resize(fileSize));
        clsZip_Zip zip { AppFolder(m_dir.path()) };
        zip.SetSizeLimit(sizeLimit);
        for (int i = 0; i < copies; ++i)
            zip.FileAdd(source);
        QVERIFY(!zip.WriteZip(path(u"out/big.zip"_s), true));
        QCOMPARE(zip.LastError(), QString(error).replace(u"SOURCE"_s, source));
        QCOMPARE(filesBelow(path(u"out"_s)), QStringList());
    }

    void hostile_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<qint64>("maxTotal");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QStringList>("files");
        const qint64 all = clsZip_UnZip::DefaultMaxTotalSize;
        const QString unsafe = u"20 Le nom %1 sort du répertoire cible"_s;
        QTest::newRow("dot dot") << u"dotdot"_s << all
                                 << QStringList { unsafe.arg(u"../evil.txt"_s), unsafe.arg(u"a/../../evil2.txt"_s) }
                                 << QStringList { u"good.txt"_s };
        QTest::newRow("absolute") << u"absolute"_s << all << QStringList {}
                                  << QStringList { u"tmp/velmora-absolute-evil.txt"_s };
        QTest::newRow("drive") << u"drive"_s << all << QStringList {} << QStringList { u"evil/drive.txt"_s };
        QTest::newRow("symbolic link") << u"symlink"_s << all
                                       << QStringList { unsafe.arg(u"escape/evil.txt"_s),
                                              u"13 Impossible de créer le répertoire TARGET/link"_s }
                                       << QStringList { u"link"_s };
        QTest::newRow("overlap") << u"overlap"_s << all
                                 << QStringList { u"24 Le fichier a.txt chevauche une autre entrée"_s,
                                        u"24 Le fichier a2.txt chevauche une autre entrée"_s,
                                        u"24 Le fichier c.txt chevauche une autre entrée"_s }
                                 << QStringList { u"b.txt"_s };
        QTest::newRow("bomb") << u"bomb"_s << qint64(1 << 20)
                              << QStringList { u"22 Taille totale maximale dépassée par bomb.bin"_s } << QStringList {};
        QTest::newRow("lying size") << u"lyingsize"_s << all
                                    << QStringList { u"5 Erreur de checksum dans small.txt"_s,
                                           u"23 Taux de compression suspect pour huge.bin"_s }
                                    << QStringList {};
        QTest::newRow("lying CRC") << u"lyingcrc"_s << all
                                   << QStringList { u"5 Erreur de checksum dans crc.txt"_s,
                                          u"5 Erreur de checksum dans stored.txt"_s }
                                   << QStringList {};
        QTest::newRow("corrupted stream")
            << u"corrupt"_s << all << QStringList { u"5 Erreur de checksum dans corrupt.txt"_s } << QStringList {};
        QTest::newRow("method 12") << u"method12"_s << all
                                   << QStringList { u"4 La méthode de compression pour bzip.txt n'est pas supportée"_s }
                                   << QStringList {};
        QTest::newRow("truncated") << u"truncated"_s << all << QStringList { u"21 Fichier Zip invalide : ARCHIVE"_s }
                                   << QStringList {};
    }

    // Each hostile archive is refused or stopped entry by entry with its error, nothing is
    // written outside the target, and no partial or temporary file stays in it.
    void hostile()
    {
        QFETCH(QString, archive);
        QFETCH(qint64, maxTotal);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, files);
        const QString target = path(u"target"_s), outside = path(u"outside"_s);
        QVERIFY(QDir().mkpath(target) && QDir().mkpath(outside));
        QVERIFY(QFile::link(outside, target + u"/escape"_s));
        const QString file = QStringLiteral(VELMORA_TEST_DATA_DIR "/zip/") + archive + u".zip"_s;
        ZipLog log;
        clsZip_UnZip unzip;
        unzip.SetNotifications(log.notifications());
        unzip.SetMaxTotalSize(maxTotal);
        if (unzip.ZipOpen(file))
            QVERIFY(!unzip.ExtractAllFiles(target, true, false) || errors.isEmpty());
        errors.replaceInStrings(u"TARGET"_s, target).replaceInStrings(u"ARCHIVE"_s, file);
        QCOMPARE(log.errors, errors);
        QCOMPARE(filesBelow(target), files);
        QCOMPARE(filesBelow(outside), QStringList());
        QVERIFY(!QFile::exists(u"/tmp/velmora-absolute-evil.txt"_s));
    }

    // The reader's status texts in order, and the error of an extraction with no archive open.
    void notifications()
    {
        ZipLog log;
        clsZip_UnZip unzip;
        unzip.SetNotifications(log.notifications());
        QVERIFY(!unzip.ExtractAllFiles(path(u"t"_s), true, false));
        const QString file = QStringLiteral(VELMORA_TEST_DATA_DIR "/zip/drive.zip");
        QVERIFY(unzip.ZipOpen(file));
        QVERIFY(unzip.ExtractSingleFile(0, path(u"t"_s), false, false));
        QVERIFY(!unzip.ExtractSingleFile(0, path(u"t"_s), false, false));
        unzip.ZipClose();
        QCOMPARE(log.statuses,
            QStringList({ u"Zip ouvert ("_s + file + u')', u"Début d'extraction"_s,
                u"Extraction ...\\C:\\evil\\drive.txt"_s, u"Extraction terminée"_s, u"Début d'extraction"_s,
                u"Extraction ...\\C:\\evil\\drive.txt"_s, u"Extraction terminée"_s, u"Zip fermé"_s }));
        QCOMPARE(log.errors,
            QStringList({ u"3 Il n'y a pas de fichier Zip ouvert"_s,
                u"11 Le fichier "_s + path(u"t/drive.txt"_s) + u" existe déjà"_s }));
    }
};

QTEST_GUILESS_MAIN(TestZipArchive)
#include "TestZipArchive.moc"
