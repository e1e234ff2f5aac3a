#include "support/gui/GuiHarness.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestSoundCuePlayer : public QObject
{
    Q_OBJECT

private slots:
    void play_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<bool>("soundsOn");
        QTest::addColumn<bool>("startingUp");
        QTest::addColumn<QStringList>("played");

        const int intro = int(SoundEvent::Intro);
        const int click = int(SoundEvent::Click);
        QTest::newRow("intro") << intro << true << false << QStringList{u"Intro.WAV"_s};
        QTest::newRow("intro while starting up") << intro << true << true << QStringList{u"Intro.WAV"_s};
        QTest::newRow("click") << click << true << false << QStringList{u"Click.wav"_s};
        QTest::newRow("click while starting up") << click << true << true << QStringList();
        QTest::newRow("close") << int(SoundEvent::Close) << true << false << QStringList{u"End.WAV"_s};
        QTest::newRow("sounds off") << intro << false << false << QStringList();
    }

    void play()
    {
        QFETCH(int, event);
        QFETCH(bool, soundsOn);
        QFETCH(bool, startingUp);
        QFETCH(QStringList, played);

        SoundsFixture f(TestHome::Shipped);
        f.state.soundsOn = soundsOn;
        f.state.startingUp = startingUp;
        f.sounds.play(static_cast<SoundEvent>(event));
        QCOMPARE(f.platform.sounds(), played);
        // Only the closing sound is heard out before the call returns.
        for (const ScriptedPlatform::Call &call : f.platform.calls())
            QCOMPARE(call.text == u"to its end"_s, event == int(SoundEvent::Close));
    }

    void explicitSwitch()
    {
        SoundsFixture f;
        // The document savers pass SoundCheck's state rather than the program-wide value.
        f.sounds.play(SoundEvent::Save, false);
        f.state.soundsOn = false;
        f.sounds.play(SoundEvent::Save, true);
        QCOMPARE(f.platform.sounds(), QStringList{u"Save.WAV"_s});
    }
};

QTEST_MAIN(TestSoundCuePlayer)
#include "TestSoundCuePlayer.moc"
