#include "core/archive/clsZip_Zip.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "ZipTestSupport.h"

using namespace Velmora;
using namespace Qt::StringLiterals;

namespace {

// Runs a tool; skips the test when the tool is not installed.
#define RUN_TOOL(tool, args, output)                                                                                   \
    do {                                                                                                               \
        if (QStandardPaths::findExecutable(tool).isEmpty())                                                            \
            QSKIP(qPrintable(tool + u" is not installed"_s));                                                          \
        QProcess p;                                                                                                    \
        p.start(tool, args);                                                                                           \
        QVERIFY(p.waitForFinished(60000));                                                                             \
        output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());                              \
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, qPrintable(output));                     \
    } while (false)

const QStringList Files = { u"text.txt"_s, u"empty.dat"_s, u"café/é.txt"_s, u"東京/名前.txt"_s, u"big.bin"_s };

QByteArray content(const QString &name)
{
    if (name == u"empty.dat")
        return {};
    if (name == u"big.bin") {
        static QByteArray bytes;
        for (int i = int(bytes.size()); i < 300000; ++i)
            bytes += char((unsigned(i) * 7919u) >> (i % 5)); // unsigned: the product passes INT_MAX
        return bytes;
    }
    return (name + u" says hello\n"_s).toUtf8().repeated(50);
}

} // namespace

class TestZipInterop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

private slots:
    void initTestCase()
    {
        for (const QString &name : Files)
            writeFile(path(u"src/"_s + name), content(name));
    }

    // Our archives pass Info-ZIP's test and Python's zipfile, names and contents alike.
    void ourArchivesReadByOthers()
    {
        clsZip_Zip zip { AppFolder(path(u"src"_s)) };
        for (const QString &name : Files)
            QCOMPARE(zip.FileAdd(path(u"src/"_s + name), clsZip_Zip::RelativeToAppFolder), 1);
        zip.SetComment(u"Velmora campaign archive.\r\nme"_s);
        QVERIFY(zip.WriteZip(path(u"ours.zip"_s), true));
        QString output;
        RUN_TOOL(u"unzip"_s, QStringList({ u"-t"_s, path(u"ours.zip"_s) }), output);
        QVERIFY(output.contains(u"No errors detected"_s));
        const QString script = uR"(import sys, zipfile, hashlib
z = zipfile.ZipFile(sys.argv[1])
assert z.testzip() is None
print(z.comment.decode('cp1252'))
for i in z.infolist(): print(i.filename, hashlib.md5(z.read(i)).hexdigest())
)"_s;
        RUN_TOOL(u"python3"_s, QStringList({ u"-c"_s, script, path(u"ours.zip"_s) }), output);
        QString expected = u"Velmora campaign archive.\r\nme\n"_s;
        for (const QString &name : Files)
            expected += name + u' '
                + QString::fromLatin1(QCryptographicHash::hash(content(name), QCryptographicHash::Md5).toHex()) + u'\n';
        QCOMPARE(output, expected);
    }

    // Archives written by Python (stored, deflated, UTF-8 names, comments, an empty file, a
    // folder) and by Info-ZIP extract with us unchanged.
    void othersReadByUs()
    {
        const QString script = uR"(import sys, os, zipfile
with zipfile.ZipFile(sys.argv[1], 'w') as z:
    z.comment = b'made by python'
    z.writestr('folder/', b'')
    for n in sys.argv[3:]:
        method = zipfile.ZIP_STORED if n.endswith('.txt') else zipfile.ZIP_DEFLATED
        z.write(os.path.join(sys.argv[2], n), n, compress_type=method)
)"_s;
        QString output;
        RUN_TOOL(u"python3"_s, QStringList({ u"-c"_s, script, path(u"py.zip"_s), path(u"src"_s) }) + Files, output);
        ZipLog log;
        clsZip_UnZip unzip;
        unzip.SetNotifications(log.notifications());
        QVERIFY(unzip.ZipOpen(path(u"py.zip"_s)));
        QCOMPARE(unzip.ZipComment(), u"made by python"_s);
        QCOMPARE(unzip.FileMethod(1), 0);
        QVERIFY(unzip.ExtractAllFiles(path(u"py"_s), true, false));
        QCOMPARE(log.errors, QStringList());
        QVERIFY(QFileInfo(path(u"py/folder"_s)).isDir());
        for (const QString &name : Files)
            QCOMPARE(readFile(path(u"py/"_s + name)), content(name));

        if (QStandardPaths::findExecutable(u"zip"_s).isEmpty())
            QSKIP("zip is not installed");
        QProcess zipTool;
        zipTool.setWorkingDirectory(path(u"src"_s));
        zipTool.start(u"zip"_s, { u"-qr"_s, path(u"info.zip"_s), u"."_s });
        QVERIFY(zipTool.waitForFinished(60000) && zipTool.exitCode() == 0);
        clsZip_UnZip info;
        QVERIFY(info.ZipOpen(path(u"info.zip"_s)));
        QVERIFY(info.ExtractAllFiles(path(u"info"_s), true, false));
        for (const QString &name : Files)
            QCOMPARE(readFile(path(u"info/"_s + name)), content(name));
    }
};

QTEST_GUILESS_MAIN(TestZipInterop)
#include "TestZipInterop.moc"
