#include "gui/ui/WavPlayer.h"

#include "gui/ui/WavDuration.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace Velmora {

void WavPlayer::playAndWait(const QString &wavFile)
{
    if (wavFile.isEmpty() || !QFileInfo(wavFile).isFile())
        return;
    const std::optional<qint64> duration = WavDuration::ofFile(wavFile);
    if (!duration || QMediaDevices::audioOutputs().isEmpty())
        return;

    QSoundEffect effect;
    QEventLoop loop;
    bool started = false;
    const auto startWhenReady = [&] {
        if (effect.status() == QSoundEffect::Error) {
            loop.quit();
        } else if (effect.status() == QSoundEffect::Ready && !started) {
            started = true;
            effect.play();
        }
    };
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, startWhenReady);
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (started && !effect.isPlaying())
            loop.quit();
    });
    QTimer::singleShot(static_cast<int>(LoadAllowanceMs + qMin(*duration, LongestWaitMs)), &loop, &QEventLoop::quit);

    effect.setSource(QUrl::fromLocalFile(wavFile));
    startWhenReady();
    if (effect.status() == QSoundEffect::Error)
        return;
    // Clicks and key presses wait until the sound is over, as with a blocking play.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace Velmora
