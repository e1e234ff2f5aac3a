#include "gui/generators/GeneratorTools.h"

#include "core/persistence/CampaignModel.h"
#include "gui/generators/EventGeneratorFrame.h"
#include "gui/generators/TownGeneratorFrame.h"

#include "support/gui/FakeHost.h"
#include "support/gui/GuiHarness.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestGeneratorTools : public QObject
{
    Q_OBJECT

private slots:
    void townIsDrawnShownAndSaved()
    {
        FakeHost host;
        GeneratorTools tools(host);
        TownGeneratorFrame &frame = tools.townGenerator();
        QTest::keyClicks(requireChild<QLineEdit>(frame, u"TownNameText"_s), u"Saltmarsh"_s);
        QVERIFY(host.campaignSession().isModified());
        host.campaignSession().markClean();
        // Size 86, types 14 and 19, alignments 64 and 65, mix 26, race 1.
        host.scripted.scriptedRandom().script({0.855f, 0.675f, 0.925f, 0.635f, 0.645f, 0.255f, 0.0f});
        QPushButton *generate = requireChild<QPushButton>(frame, u"GenerateTownCommand"_s);
        QCOMPARE(generate->toolTip(), u"Will create a town definition"_s);
        generate->click();
        QCOMPARE(host.scripted.sounds(), QStringList{u"Click.wav"_s});
        QVERIFY(host.campaignSession().isModified());
        const std::pair<const char *, QString> shown[] = {{"TownSizeDataLabel", u"Small City"_s},
            {"PowerCenterTypeDataLabel2", u"Magical"_s}, {"PowerCenterAlignmentDataLabel1", u"Chaotic neutral"_s},
            {"PowerCenterTypeDataLabel3", QString()}, {"RacialMixOfCommunitiesDataLabel", u"Mixed"_s}};
        for (const auto &[name, text] : shown)
            QCOMPARE(requireChild<QLabel>(frame, QString::fromLatin1(name))->text(), text);

        CampaignModel model = CampaignModel::newCampaign();
        host.collect(tools, model);
        QCOMPARE(model.town.toItems(),
            (QStringList{u"Saltmarsh"_s, QString(), u"Small City"_s, u"5,001-12,000"_s, u"15,000 gp"_s,
                u"Nonstandard"_s, u"Chaotic neutral"_s, u"Magical"_s, u"Lawful evil"_s, QString(), QString(),
                QString(), QString(), u"Mixed"_s, u"Humans"_s}));
        host.campaignSession().markClean();
        host.apply(tools, CampaignModel::newCampaign());
        QCOMPARE(requireChild<QLineEdit>(frame, u"TownNameText"_s)->text(), QString());
        QCOMPARE(requireChild<QLabel>(frame, u"TownSizeDataLabel"_s)->text(), QString());
        QVERIFY(!host.campaignSession().isModified());
    }

    void event_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("clicks");
        QTest::newRow("title and two lines") << "Events\r\nA storm\r\nA caravan"_ba << u"A caravan"_s << 1;
        QTest::newRow("no file") << QByteArray() << u"before"_s << 0;
        QTest::newRow("no drawable line") << "Events\r\n\r\n"_ba << u"before"_s << 1;
    }

    void event()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QFETCH(int, clicks);
        FakeHost host;
        if (!file.isNull())
            host.home.write(u"Documents/EventGenerator.dat"_s, file);
        GeneratorTools tools(host);
        EventGeneratorFrame &frame = tools.eventGenerator();
        auto *text = requireChild<QPlainTextEdit>(frame, u"txtEventGenerated"_s);
        text->setPlainText(u"before"_s);
        host.scripted.scriptedRandom().script({0.5f});
        QPushButton *generate = requireChild<QPushButton>(frame, u"GenerateEventCommand"_s);
        QCOMPARE(generate->toolTip(), u"Randomly generate one event"_s);
        generate->click();
        QCOMPARE(text->toPlainText(), shown);
        QCOMPARE(host.scripted.sounds(), QStringList(clicks, u"Click.wav"_s));
        QCOMPARE(host.scripted.scriptedRandom().seeds.size(), clicks); // seeded from the clock first
    }
};

} // namespace Velmora

QTEST_MAIN(Velmora::TestGeneratorTools)
#include "TestGeneratorTools.moc"
