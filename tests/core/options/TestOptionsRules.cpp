#include "core/options/ListLayoutReset.h"
#include "core/options/OptionsRules.h"
#include "core/options/OptionsSettings.h"
#include "core/options/PictureTable.h"
#include "core/persistence/CampaignModel.h"

#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestOptionsRules : public QObject
{
    Q_OBJECT

private slots:
    void intervalArrows_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("down");
        QTest::newRow("at 15") << 15 << 15 << 14;
        QTest::newRow("at 5") << 5 << 6 << 5;
        QTest::newRow("beyond 15") << 32 << 15 << 31;
        QTest::newRow("under 5") << 3 << 4 << 3;
    }

    void intervalArrows()
    {
        QFETCH(int, minutes);
        QFETCH(int, up);
        QFETCH(int, down);
        QCOMPARE(OptionsRules::intervalUp(minutes), up);
        QCOMPARE(OptionsRules::intervalDown(minutes), down);
    }

    void customToolDuplicates()
    {
        QList<CustomTool> tools { { u"Sheet"_s, u"/bin/calc"_s, u"-a"_s } };
        QVERIFY(OptionsRules::addTool(tools, { u"Sheet"_s, u"/bin/calc"_s, u"-b"_s }));
        QVERIFY(!OptionsRules::addTool(tools, { u"Sheet"_s, u"/bin/calc"_s, u"-a"_s }));
        QCOMPARE(tools.size(), 2);
        QCOMPARE(OptionsRules::toolNamed(tools, u"Sheet"_s)->commandLine, u"-a"_s);
    }

    void soundShortPath_data()
    {
        QTest::addColumn<QString>("chosen"); // relative to the test's application folder
        QTest::addColumn<QString>("stored"); // "" for refused
        QTest::newRow("inside") << u"Sounds/Gong.wav"_s << u"\\Sounds\\Gong.wav"_s;
        QTest::newRow("other letter case") << u"sounds/sub/Gong.wav"_s << u"\\sounds\\sub\\Gong.wav"_s;
        QTest::newRow("beside Sounds") << u"Pictures/Gong.wav"_s << QString();
        QTest::newRow("a folder named like it") << u"SoundsOld/Gong.wav"_s << QString();
        QTest::newRow("outside the folder") << u"../Sounds/Gong.wav"_s << QString();
    }

    void soundShortPath()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        TestHome home;
        QCOMPARE(OptionsRules::soundShortPath(home.folder(), home.file(chosen)).value_or(QString()), stored);
    }

    void pictureTableShowsOnlyExistingFiles()
    {
        TestHome home;
        home.write(u"Pictures/Main.bmp"_s, "x");
        PictureTable table = PictureTable::defaults();
        QCOMPARE(table.fileToShow(home.folder(), u"MAIN"_s), home.file(u"Pictures/Main.bmp"_s));
        QVERIFY(table.setPath(u"main"_s, home.file(u"gone.png"_s)));
        QCOMPARE(table.fileToShow(home.folder(), u"main"_s), QString()); // the built-in picture
        QVERIFY(!table.setPath(u"other"_s, u"x.png"_s));
        QCOMPARE(table.path(u"other"_s), QString());
    }

    void resetRestoresInitialWidths()
    {
        ListLayout layout;
        layout.columns(LayoutList::Moons) = { 1, 2, 3, 4 };
        layout.columns(LayoutList::Xp) = { 5, 6, 7 };
        QVERIFY(ListLayoutReset::reset(layout, { LayoutList::Moons }));
        QCOMPARE(layout.columns(LayoutList::Moons), ListLayout::initialWidths()[size_t(LayoutList::Moons)]);
        QCOMPARE(layout.columns(LayoutList::Xp), (QList<float> { 5, 6, 7 }));
        QVERIFY(!ListLayoutReset::reset(layout, { LayoutList::Moons }));
    }

    void settings_data()
    {
        QTest::addColumn<QString>("assignment");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("json"); // the changed part, as "group.key=value"
        QTest::newRow("flag") << u"TimedSave=TRUE"_s << QString() << u"options.TimedSave=true"_s;
        QTest::newRow("flag in lower case") << u"TimedSave=true"_s << u"takes TRUE or FALSE"_s << QString();
        QTest::newRow("interval") << u"interval=15"_s << QString() << u"options.interval=15"_s;
        QTest::newRow("interval too long") << u"interval=16"_s << u"takes whole minutes from 5 to 15"_s << QString();
        QTest::newRow("sound inside") << u"Click=@/Sounds/Gong.wav"_s << QString()
                                      << u"sounds.Click=\\Sounds\\Gong.wav"_s;
        QTest::newRow("sound outside") << u"Roll=@/Gong.wav"_s << OptionsRules::soundOutsideText() << QString();
        QTest::newRow("caption") << u"CustomCaptionWebSites=Sites; mine"_s << QString()
                                 << u"captions.CustomCaptionWebSites=Sites; mine"_s;
        QTest::newRow("unknown key") << u"WinPos=0"_s << u"unknown key"_s << QString();
    }

    void settings()
    {
        QFETCH(QString, assignment);
        QFETCH(QString, refusal);
        QFETCH(QString, json);
        TestHome home;
        home.write(u"Sounds/Gong.wav"_s, "RIFF");
        home.write(u"Gong.wav"_s, "RIFF");
        CampaignModel model = CampaignModel::newCampaign();
        const CampaignModel before = model;
        QCOMPARE(OptionsSettings::set(model, home.folder(), assignment.replace(u"@"_s, home.path())), refusal);
        if (!refusal.isEmpty()) {
            QCOMPARE(model, before);
            return;
        }
        const QString group = json.section(u'.', 0, 0);
        const QString key = json.section(u'.', 1).section(u'=', 0, 0);
        const QString value = json.section(u'=', 1);
        QCOMPARE(OptionsSettings::toJson(model).value(group).toObject().value(key).toVariant().toString(), value);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestOptionsRules)
#include "TestOptionsRules.moc"
