#include "core/options/CampaignOptions.h"
#include "core/options/CustomTool.h"
#include "core/options/ImageEntry.h"

#include "support/ItemRoundTrip.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

// A new campaign's options and pictures are pinned by the default campaign (Default Data.vlt
// against velmora-cli new); these tests are about reading and writing items.
class TestOptionsRecords : public QObject
{
    Q_OBJECT

private slots:
    void customTool_data()
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

    void customTool()
    {
        QFETCH(QString, item);
        QFETCH(bool, taken);
        QFETCH(QString, commandLine);

        std::optional<CustomTool> tool;
        QCOMPARE(itemRoundTrip(item, &tool), taken ? item : QString());
        QCOMPARE(tool.value_or(CustomTool()).commandLine, commandLine);
    }

    void image_data()
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

    void image()
    {
        QFETCH(QString, item);
        QFETCH(bool, taken);
        QFETCH(QString, path);

        std::optional<ImageEntry> entry;
        QCOMPARE(itemRoundTrip(item, &entry), taken ? item : QString());
        QCOMPARE(entry.value_or(ImageEntry()).path, path);
    }

    void options_data()
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

        QStringList expected = CampaignOptions::defaults().toItems();
        QTest::newRow("yes is no flag") << QStringList{u"soundFlag;yes"_s} << false << expected;
        QTest::newRow("lower-case flag") << QStringList{u"autosave;false"_s} << false << expected;
        QTest::newRow("unknown setting") << QStringList{u"Colour;red"_s, u"winpos;2"_s} << true << expected;

        expected[9] = u"TimedSave;FALSE;12"_s;
        QTest::newRow("timed save, flag unreadable") << QStringList{u"TimedSave;maybe;12"_s} << false << expected;
        expected[9] = u"TimedSave;TRUE;10"_s;
        QTest::newRow("timed save, interval unreadable") << QStringList{u"TimedSave;TRUE;soon"_s} << false << expected;
        QTest::newRow("timed save, interval zero") << QStringList{u"TimedSave;TRUE;0"_s} << false << expected;
        QTest::newRow("timed save, no interval") << QStringList{u"TimedSave;TRUE"_s} << false << expected;

        expected = CampaignOptions::defaults().toItems();
        expected[0] = u"WinPos;0;100;200;9000;6000.5"_s;
        QTest::newRow("empty state keeps it") << QStringList{u"WinPos;;100;200;9000;6000.5"_s} << true << expected;
        QTest::newRow("unknown state") << QStringList{u"WinPos;7;100;200;9000;6000.5"_s} << false << expected;
        expected[0] = u"WinPos;1;100;200;15000;10500"_s;
        QTest::newRow("size missing") << QStringList{u"WinPos;1;100;200"_s} << false << expected;
        expected[0] = u"WinPos;0;180;200;15000;10500"_s;
        QTest::newRow("not numbers") << QStringList{u"WinPos;0;left;200;1e30;nan"_s} << false << expected;

        expected = CampaignOptions::defaults().toItems();
        expected[3] = u"Save;\\Sounds\\a;b.wav"_s;
        expected[5] = u"Roll;"_s;
        QTest::newRow("sound paths") << QStringList{u"Roll;"_s, u"Save;\\Sounds\\a;b.wav"_s} << true << expected;
        expected = CampaignOptions::defaults().toItems();
        QTest::newRow("sound without ;") << QStringList{u"Close"_s} << false << expected;
    }

    void options()
    {
        QFETCH(QStringList, written);
        const CampaignOptions options = checkItemsRoundTrip(CampaignOptions::defaults());
        CampaignOptions again = CampaignOptions::defaults();
        QVERIFY(again.load(written));
        QCOMPARE(again, options);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestOptionsRecords)
#include "TestOptionsRecords.moc"
