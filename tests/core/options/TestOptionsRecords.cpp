#include "core/options/CampaignOptions.h"
#include "core/options/CustomTool.h"
#include "core/options/ImageEntry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestOptionsRecords : public QObject
{
    Q_OBJECT

private slots:
    void newCampaign();
    void customTool_data();
    void customTool();
    void image_data();
    void image();
    void options_data();
    void options();

private:
    static QStringList newCampaignOptions();
};

QStringList TestOptionsRecords::newCampaignOptions()
{
    return {u"WinPos;0;180;510;15000;10500"_s, u"Open;"_s, u"Click;"_s, u"Save;"_s, u"Close;"_s, u"Roll;"_s,
            u"TipFlag;TRUE"_s, u"soundFlag;TRUE"_s, u"autosave;TRUE"_s, u"TimedSave;FALSE;10"_s,
            u"ShowMoonFlag;FALSE"_s};
}

void TestOptionsRecords::newCampaign()
{
    QCOMPARE(CampaignOptions::defaults().toItems(), newCampaignOptions());

    QStringList images;
    for (const ImageEntry &entry : ImageEntry::defaultList())
        images << entry.toItem();
    QCOMPARE(images, QStringList({u"main;\\Pictures\\Main.bmp"_s, u"class;\\Pictures\\Classes.bmp"_s,
                                  u"calendar;\\Pictures\\Calendar.bmp"_s, u"about;\\Pictures\\About.bmp"_s,
                                  u"tip;\\Pictures\\Tip Of The Day.jpg"_s}));
}

void TestOptionsRecords::customTool_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("commandLine");

    QTest::newRow("no command line") << u"Notepad;C:\\Windows\\notepad.exe;"_s << true << QString();
    QTest::newRow("command line") << u"Sheet;C:\\Office\\excel.exe;/r \"C:\\x.xls\""_s << true
                                  << u"/r \"C:\\x.xls\""_s;
    QTest::newRow("command line with ;") << u"Run;C:\\run.exe;-a;-b"_s << true << u"-a;-b"_s;
    QTest::newRow("only name and path") << u"Notepad;C:\\Windows\\notepad.exe"_s << false << QString();
    QTest::newRow("only a name") << u"Notepad"_s << false << QString();
}

void TestOptionsRecords::customTool()
{
    QFETCH(QString, item);
    QFETCH(bool, taken);
    QFETCH(QString, commandLine);

    const std::optional<CustomTool> tool = CustomTool::fromItem(item);
    QCOMPARE(tool.has_value(), taken);
    if (tool) {
        QCOMPARE(tool->commandLine, commandLine);
        QCOMPARE(tool->toItem(), item);
    }
}

void TestOptionsRecords::image_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("path");

    QTest::newRow("shipped") << u"main;\\Pictures\\Main.bmp"_s << true << u"\\Pictures\\Main.bmp"_s;
    QTest::newRow("own file with ;") << u"tip;C:\\My Pictures\\a;b.png"_s << true << u"C:\\My Pictures\\a;b.png"_s;
    QTest::newRow("no path") << u"about;"_s << true << QString();
    QTest::newRow("no ;") << u"main"_s << false << QString();
    QTest::newRow("no key") << u";\\Pictures\\Main.bmp"_s << false << QString();
}

void TestOptionsRecords::image()
{
    QFETCH(QString, item);
    QFETCH(bool, taken);
    QFETCH(QString, path);

    const std::optional<ImageEntry> entry = ImageEntry::fromItem(item);
    QCOMPARE(entry.has_value(), taken);
    if (entry) {
        QCOMPARE(entry->path, path);
        QCOMPARE(entry->toItem(), item);
    }
}

void TestOptionsRecords::options_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<bool>("understood");
    QTest::addColumn<QStringList>("written"); // the items that differ from a new campaign's, by index

    const QStringList all = {u"ShowMoonFlag;TRUE"_s, u"TimedSave;TRUE;15"_s, u"Roll;\\Sounds\\Bones.wav"_s,
                             u"soundFlag;FALSE"_s, u"WinPos;2;-60;-60;30720;16320"_s, u"TipFlag;FALSE"_s,
                             u"autosave;FALSE"_s, u"Open;C:\\Sounds\\Horn.wav"_s};
    QTest::newRow("any order, written in order")
        << all << true
        << QStringList{u"WinPos;2;-60;-60;30720;16320"_s, u"Open;C:\\Sounds\\Horn.wav"_s, u"Click;"_s, u"Save;"_s,
                       u"Close;"_s, u"Roll;\\Sounds\\Bones.wav"_s, u"TipFlag;FALSE"_s, u"soundFlag;FALSE"_s,
                       u"autosave;FALSE"_s, u"TimedSave;TRUE;15"_s, u"ShowMoonFlag;TRUE"_s};

    QStringList expected = newCampaignOptions();
    QTest::newRow("yes is no flag") << QStringList{u"soundFlag;yes"_s} << false << expected;
    QTest::newRow("lower-case flag") << QStringList{u"autosave;false"_s} << false << expected;
    QTest::newRow("unknown setting") << QStringList{u"Colour;red"_s, u"winpos;2"_s} << true << expected;

    expected[9] = u"TimedSave;FALSE;12"_s;
    QTest::newRow("timed save, flag unreadable") << QStringList{u"TimedSave;maybe;12"_s} << false << expected;
    expected[9] = u"TimedSave;TRUE;10"_s;
    QTest::newRow("timed save, interval unreadable") << QStringList{u"TimedSave;TRUE;soon"_s} << false << expected;
    QTest::newRow("timed save, interval zero") << QStringList{u"TimedSave;TRUE;0"_s} << false << expected;
    QTest::newRow("timed save, no interval") << QStringList{u"TimedSave;TRUE"_s} << false << expected;

    expected = newCampaignOptions();
    expected[0] = u"WinPos;0;100;200;9000;6000.5"_s;
    QTest::newRow("empty state keeps it") << QStringList{u"WinPos;;100;200;9000;6000.5"_s} << true << expected;
    QTest::newRow("unknown state") << QStringList{u"WinPos;7;100;200;9000;6000.5"_s} << false << expected;
    expected[0] = u"WinPos;1;100;200;15000;10500"_s;
    QTest::newRow("size missing") << QStringList{u"WinPos;1;100;200"_s} << false << expected;
    expected[0] = u"WinPos;0;180;200;15000;10500"_s;
    QTest::newRow("not numbers") << QStringList{u"WinPos;0;left;200;1e30;nan"_s} << false << expected;

    expected = newCampaignOptions();
    expected[3] = u"Save;\\Sounds\\a;b.wav"_s;
    expected[5] = u"Roll;"_s;
    QTest::newRow("sound paths") << QStringList{u"Roll;"_s, u"Save;\\Sounds\\a;b.wav"_s} << true << expected;
    expected = newCampaignOptions();
    QTest::newRow("sound without ;") << QStringList{u"Close"_s} << false << expected;
}

void TestOptionsRecords::options()
{
    QFETCH(QStringList, items);
    QFETCH(bool, understood);
    QFETCH(QStringList, written);

    CampaignOptions options = CampaignOptions::defaults();
    QCOMPARE(options.load(items), understood);
    QCOMPARE(options.toItems(), written);

    CampaignOptions again = CampaignOptions::defaults();
    QVERIFY(again.load(written));
    QCOMPARE(again, options);
}

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestOptionsRecords)
#include "TestOptionsRecords.moc"
