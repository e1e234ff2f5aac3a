#include "gui/ui/WavPlayer.h"

#include "TestConfig.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestWavPlayer : public QObject
{
    Q_OBJECT

private slots:
    void aClickHandlerIsNotReentered_data()
    {
        QTest::addColumn<bool>("toEnd");
        QTest::newRow("cue") << false;
        QTest::newRow("closing sound") << true;
    }

    void aClickHandlerIsNotReentered()
    {
        QFETCH(bool, toEnd);
        const QString wav = QStringLiteral(VELMORA_SHIPPED_DATA_DIR "/Sounds/Save.WAV"); // 400 ms
        WavPlayer player([] { return true; });
        QStringList order;
        int waits = 0;
        const QMetaObject::Connection blocking
            = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, [&] { ++waits; });
        QElapsedTimer played;
        QPushButton button;
        connect(&button, &QPushButton::clicked, [&] {
            order << u"enter"_s;
            QTimer::singleShot(0, &button, [&] { order << u"timer"_s; });
            waits = 0;
            played.start();
            toEnd ? player.playToEnd(wav) : player.play(wav);
            order << (waits == 0 ? u"leave"_s : u"leave after waiting in an event loop"_s);
        });
        button.click();
        disconnect(blocking);
        if (toEnd)
            QVERIFY(played.elapsed() >= 400); // the program does not end before its sound has played
        QTRY_COMPARE(order, QStringList({u"enter"_s, u"leave"_s, u"timer"_s}));
    }
};

// The player is told there is a sound output, so that it goes all the way to playing even on a
// machine without one; where there is none, Qt plays nothing and the wait runs to its bound.
QTEST_MAIN(TestWavPlayer)
#include "TestWavPlayer.moc"
