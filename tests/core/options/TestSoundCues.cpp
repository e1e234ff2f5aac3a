#include "core/options/SoundCues.h"

#include "support/TestHome.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace Velmora {

class TestSoundCues : public QObject
{
    Q_OBJECT

private slots:
    void fileToPlay_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<bool>("soundsOn");
        QTest::addColumn<bool>("startingUp");
        QTest::addColumn<QString>("configured");
        QTest::addColumn<QString>("expected"); // relative to the folder; "" plays nothing

        const int intro = int(SoundEvent::Intro), click = int(SoundEvent::Click), roll = int(SoundEvent::Roll);
        QTest::newRow("default intro") << intro << true << false << QString() << u"Sounds/Intro.WAV"_s;
        QTest::newRow("sounds off") << intro << false << false << u"mine/own.wav"_s << QString();
        QTest::newRow("configured file") << roll << true << false << u"mine/own.wav"_s << u"mine/own.wav"_s;
        QTest::newRow("deleted file falls back") << roll << true << false << u"mine/gone.wav"_s << u"Sounds/Dice Roll.wav"_s;
        QTest::newRow("click while starting up") << click << true << true << QString() << QString();
        QTest::newRow("intro while starting up") << intro << true << true << QString() << u"Sounds/Intro.WAV"_s;
        QTest::newRow("click afterwards") << click << true << false << QString() << u"Sounds/Click.wav"_s;
        QTest::newRow("close") << int(SoundEvent::Close) << true << false << QString() << u"Sounds/End.WAV"_s;
        QTest::newRow("save, shipped as Save.WAV") << int(SoundEvent::Save) << true << false << QString() << u"Sounds/Save.WAV"_s;
    }

    void fileToPlay()
    {
        QFETCH(int, event);
        QFETCH(bool, soundsOn);
        QFETCH(bool, startingUp);
        QFETCH(QString, configured);
        QFETCH(QString, expected);
        TestHome home;
        for (const char *name : {"Sounds/Intro.WAV", "Sounds/Click.wav", "Sounds/Save.WAV", "Sounds/End.WAV", "Sounds/Dice Roll.wav", "mine/own.wav"})
            home.write(QString::fromLatin1(name), "RIFF"_ba);

        SoundCues cues(home.folder());
        const auto e = SoundEvent(event);
        if (!configured.isEmpty())
            cues.setConfiguredPath(e, home.file(configured));
        QCOMPARE(cues.fileToPlay(e, soundsOn, startingUp), expected.isEmpty() ? QString() : home.file(expected));
    }
};

} // namespace Velmora

QTEST_GUILESS_MAIN(Velmora::TestSoundCues)
#include "TestSoundCues.moc"
