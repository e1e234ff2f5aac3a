#include "gui/app/CommandLine.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void GetCommandLineFile_data()
    {
        QTest::addColumn<QStringList>("arguments"); // without the program itself
        QTest::addColumn<QString>("file");

        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("one path") << QStringList{u"/camp/Greyhawk.vlf"_s} << u"/camp/Greyhawk.vlf"_s;
        QTest::newRow("unquoted, taken whole with its blanks")
            << QStringList{u"/camp/My"_s, u"Campaign.vlf"_s} << u"/camp/My Campaign.vlf"_s;
        QTest::newRow("one argument holding blanks") << QStringList{u"/camp/My Campaign.vlf"_s} << u"/camp/My Campaign.vlf"_s;
        QTest::newRow("quoted path, further arguments")
            << QStringList{u"\"/camp/My Campaign.vlf\""_s, u"-x"_s, u"\"other\""_s} << u"/camp/My Campaign.vlf"_s;
        QTest::newRow("quote inside") << QStringList{u"x\"/a.vlf\"y"_s} << u"/a.vlf"_s;
        QTest::newRow("opening quote only") << QStringList{u"\"/camp/a.vlf"_s} << QString();
        QTest::newRow("empty quotes") << QStringList{u"\"\""_s, u"/a.vlf"_s} << QString();
    }

    void GetCommandLineFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        const QString text = CommandLine::text(QStringList{u"/usr/bin/velmora"_s} + arguments);
        QCOMPARE(CommandLine::GetCommandLineFile(text), file);
    }
};

QTEST_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
