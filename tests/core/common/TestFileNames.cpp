#include "core/common/FileNames.h"

#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestFileNames : public QObject
{
    Q_OBJECT

private slots:
    void nameParts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("baseName");
        QTest::addColumn<QString>("extension");
        QTest::newRow("windows path") << u"C:\\Maps\\Keep.v2.jpg"_s << u"Keep.v2"_s << u".jpg"_s;
        QTest::newRow("unix path") << u"/home/gm/Campaigns/Keep_1.JPG"_s << u"Keep_1"_s << u".JPG"_s;
        QTest::newRow("both separators") << u"C:\\Maps/old\\Keep.bmp"_s << u"Keep"_s << u".bmp"_s;
        QTest::newRow("dot in a folder only") << u"C:\\Maps.old\\Keep"_s << u"Keep"_s << QString();
        QTest::newRow("bare name") << u"Keep"_s << u"Keep"_s << QString();
        QTest::newRow("empty") << QString() << QString() << QString();
    }

    void nameParts()
    {
        QFETCH(QString, path);
        QFETCH(QString, baseName);
        QFETCH(QString, extension);
        QCOMPARE(FileNames::FileBaseName(path), baseName);
        QCOMPARE(FileNames::FileExtension(path), extension);
        QVERIFY(!FileNames::FileExists(path));
    }

    void uniqueCopyPath_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("copy");
        QTest::newRow("free name") << QStringList { u"Cave.jpg"_s } << u"Keep.jpg"_s;
        QTest::newRow("first copy") << QStringList { u"Keep.jpg"_s } << u"Keep_1.jpg"_s;
        QTest::newRow("second copy") << QStringList { u"Keep.jpg"_s, u"Keep_1.jpg"_s } << u"Keep_2.jpg"_s;
        QTest::newRow("gap between _1 and _3")
            << QStringList { u"Keep.jpg"_s, u"Keep_1.jpg"_s, u"Keep_3.jpg"_s } << u"Keep_2.jpg"_s;
        QTest::newRow("other extension is no clash") << QStringList { u"Keep.bmp"_s } << u"Keep.jpg"_s;
    }

    void uniqueCopyPath()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, copy);
        TestHome home;
        for (const QString &name : existing)
            home.write(u"Campaigns/"_s + name, "x");
        const QString folder = home.file(u"Campaigns"_s).replace(u'/', u'\\');
        const Result<QString> path = FileNames::UniqueCopyPath(u"D:\\Pictures\\Keep.jpg"_s, folder);
        QVERIFY(path.ok());
        QCOMPARE(*path, home.file(u"Campaigns/"_s + copy));
        QVERIFY(!FileNames::FileExists(*path) && FileNames::FileExists(QString(folder + u"\\"_s + existing.first())));
    }

    void uniqueCopyPathEndsAt32767()
    {
        TestHome home;
        home.write(u"Icons/Pawn.ico"_s, "x");
        for (int n = 1; n <= 32767; ++n)
            home.write(u"Icons/Pawn_%1.ico"_s.arg(n), {});
        const Result<QString> path = FileNames::UniqueCopyPath(u"/elsewhere/Pawn.ico"_s, home.file(u"Icons"_s));
        QVERIFY(!path.ok());
        QCOMPARE(path.error().message,
            u"No free name for a copy of Pawn.ico: Pawn_1.ico to Pawn_32767.ico are all taken."_s);
    }

    void digitsOnlyKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("kept");
        QTest::newRow("0") << int('0') << int('0');
        QTest::newRow("9") << int('9') << int('9');
        QTest::newRow("backspace") << 8 << 8;
        QTest::newRow("enter") << 13 << 13;
        QTest::newRow("letter") << int('a') << 0;
        QTest::newRow("minus") << int('-') << 0;
        QTest::newRow("point") << int('.') << 0;
        QTest::newRow("escape") << 27 << 0;
    }

    void digitsOnlyKey()
    {
        QFETCH(int, key);
        QFETCH(int, kept);
        QCOMPARE(FileNames::DigitsOnlyKey(key), kept);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestFileNames)
#include "TestFileNames.moc"
