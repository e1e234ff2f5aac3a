#include "core/archive/ArchiveBuildPlan.h"
#include "core/archive/clsZip_Zip.h"
#include "core/persistence/CampaignModel.h"

#include "support/TestHome.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestArchiveBuildPlan : public QObject
{
    Q_OBJECT

private slots:
    // Every group in its order with one file of the campaign each, stored relative paths resolved,
    // missing files passed over, a file met twice added twice, the campaign file found below too.
    void everyGroupInOrder()
    {
        TestHome home;
        const auto put = [&](const QString &relative) { return home.write(relative, relative.toUtf8()); };
        const QString campaign = put(u"Campaigns/c.vlf"_s);
        put(u"Campaigns/old/c.vlf"_s);
        for (const QString &name : { u"Sounds/Mine.wav"_s, u"Pictures/M.bmp"_s, u"Documents/S.rtf"_s,
                 u"Documents/P.rtf"_s, u"Characters/Hero.rtf"_s, u"Library/Lore.rtf"_s })
            put(name);
        const QString icon = put(u"Campaigns/MapIcons/i.png"_s);
        CampaignModel model = CampaignModel::newCampaign();
        model.options.setSoundPath(SoundEvent::Intro, u"\\Sounds\\Mine.wav"_s);
        model.images = { { u"main"_s, u"\\Pictures\\M.bmp"_s }, { u"tip"_s, {} } };
        model.documents.paths = { put(u"Documents/N.rtf"_s), u"/missing.rtf"_s, {} };
        model.linkedBattleBoxes = { { u"b"_s, put(u"Campaigns/b.vbb"_s) } };
        model.classes = { { true, u"\\Documents\\P.rtf"_s, u"P"_s }, { false, u"\\Documents\\S.rtf"_s, u"S"_s } };
        model.maps.append(MapRecord());
        model.maps[0].picturePath = put(u"Campaigns/Map.jpg"_s);
        model.objectMarkers = { { u"o"_s, u"Map"_s, 0, 0, icon, false } };
        model.noteMarkers = { { u"n"_s, {}, u"Map"_s, 0, 0, icon } };
        model.playerMarkers = { { u"p"_s, u"Map"_s, 0, 0, put(u"Campaigns/MapIcons/p.png"_s) } };
        model.links = { { u"web"_s, u"https://example.org"_s }, { u"l"_s, put(u"Documents/L.txt"_s) } };
        model.articles = { { u"a"_s, put(u"Documents/A.txt"_s) } };
        model.netBooks = { { u"nb"_s, put(u"Documents/B.rtf"_s) } };
        const QStringList expected { u"Campaigns/c.vlf"_s, u"Campaigns/old/c.vlf"_s, u"Sounds/Mine.wav"_s,
            u"Pictures/M.bmp"_s, u"Documents/N.rtf"_s, u"Campaigns/b.vbb"_s, u"Documents/S.rtf"_s, u"Documents/P.rtf"_s,
            u"Characters/Hero.rtf"_s, u"Library/Lore.rtf"_s, u"Campaigns/Map.jpg"_s, u"Campaigns/MapIcons/p.png"_s,
            u"Campaigns/MapIcons/i.png"_s, u"Campaigns/MapIcons/i.png"_s, u"Documents/L.txt"_s, u"Documents/A.txt"_s,
            u"Documents/B.rtf"_s };

        const ArchiveBuildPlan plan(model, campaign, home.folder(), ArchiveBuildPlan::Groups().set());
        clsZip_Zip zip(home.folder());
        QStringList statuses;
        const ArchiveBuildResult result
            = plan.build(zip, home.file(u"a.zip"_s), {}, [&](const QString &text) { statuses << text; });
        QCOMPARE(result.entries, expected);
        QCOMPARE(statuses.first(), u"Now 2 files in archive"_s);
        QCOMPARE(statuses.size(), ArchiveBuildPlan::GroupCount + 1);
    }

    void comment_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("comment");
        QTest::newRow("preset") << u"Enter any comments here"_s << u"gm"_s << u"Velmora campaign archive.\r\ngm"_s;
        QTest::newRow("preset, other case, more")
            << u"ENTER ANY COMMENTS HERE!"_s << u"gm"_s << u"Velmora campaign archive.\r\ngm"_s;
        QTest::newRow("own text, no user") << u"Session 4"_s << QString() << u"Session 4"_s;
        QTest::newRow("empty") << QString() << u"gm"_s << QString();
    }

    void comment()
    {
        QFETCH(QString, text);
        QFETCH(QString, user);
        QFETCH(QString, comment);
        QCOMPARE(ArchiveBuildPlan::comment(text, user), comment);
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestArchiveBuildPlan)
#include "TestArchiveBuildPlan.moc"
