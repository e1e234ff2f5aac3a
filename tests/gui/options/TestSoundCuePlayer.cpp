#include "core/app/ProgramState.h"
#include "gui/options/SoundCuePlayer.h"
#include "support/TestHome.h"
#include "support/gui/ScriptedPlatform.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestSoundCuePlayer : public QObject
{
    Q_OBJECT

private slots:
    void play_data();
    void play();
    void explicitSwitch();
};

void TestSoundCuePlayer::play_data()
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

void TestSoundCuePlayer::play()
{
    QFETCH(int, event);
    QFETCH(bool, soundsOn);
    QFETCH(bool, startingUp);
    QFETCH(QStringList, played);

    TestHome home(TestHome::Shipped);
    ScriptedPlatform platform;
    ProgramState state;
    state.soundsOn = soundsOn;
    state.startingUp = startingUp;
    const SoundCues cues(home.folder());
    SoundCuePlayer(cues, state, platform).play(static_cast<SoundEvent>(event));
    QCOMPARE(platform.sounds(), played);
    // Only the closing sound is heard out before the call returns.
    for (const ScriptedPlatform::Call &call : platform.calls())
        QCOMPARE(call.text == u"to its end"_s, event == int(SoundEvent::Close));
}

void TestSoundCuePlayer::explicitSwitch()
{
    TestHome home;
    ScriptedPlatform platform;
    ProgramState state;
    const SoundCues cues(home.folder());
    const SoundCuePlayer player(cues, state, platform);
    // The document savers pass SoundCheck's state rather than the program-wide value.
    player.play(SoundEvent::Save, false);
    state.soundsOn = false;
    player.play(SoundEvent::Save, true);
    QCOMPARE(platform.sounds(), QStringList{u"Save.WAV"_s});
}

QTEST_MAIN(TestSoundCuePlayer)
#include "TestSoundCuePlayer.moc"
