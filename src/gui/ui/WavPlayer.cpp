#include "gui/ui/WavPlayer.h"

#include "gui/ui/WavDuration.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace Velmora {

namespace {

// Runs on the playing thread: its own event loop feeds the sound output until the sound ends,
// fails to load, or `boundMs` has passed. The output reports the end once it holds the last
// samples, a little before they are heard: the sound keeps its whole duration before it goes.
void playOnThisThread(const QString &wavFile, const QAudioDevice &output, qint64 durationMs, int boundMs)
{
    QElapsedTimer started;
    QEventLoop loop;
    QSoundEffect effect(output);
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error)
            loop.quit();
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying())
            loop.quit();
    });
    QTimer::singleShot(boundMs, &loop, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(wavFile));
    if (effect.status() == QSoundEffect::Error)
        return;
    started.start();
    effect.play();
    loop.exec();
    if (effect.status() != QSoundEffect::Error)
        QThread::msleep(qMax<qint64>(0, durationMs - started.elapsed()));
}

} // namespace

WavPlayer::WavPlayer(OutputCheck hasOutput)
    : m_hasOutput(hasOutput)
{
}

WavPlayer::~WavPlayer() = default;

bool WavPlayer::hasSoundOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

std::optional<qint64> WavPlayer::playableDuration(const QString &wavFile) const
{
    if (wavFile.isEmpty() || !QFileInfo(wavFile).isFile())
        return std::nullopt;
    const std::optional<qint64> duration = WavDuration::ofFile(wavFile);
    if (!duration || !m_hasOutput())
        return std::nullopt;
    return duration;
}

void WavPlayer::play(const QString &wavFile)
{
    // A click plays from the effect already loaded: the file is looked at once, and its header
    // is read only when it is new or has changed.
    const QFileInfo file(wavFile);
    if (wavFile.isEmpty() || !file.isFile() || !m_hasOutput())
        return;
    const auto known = m_loaded.find(wavFile);
    const bool current = known != m_loaded.end() && known->second.modified == file.lastModified()
                      && known->second.size == file.size();
    if (!current) {
        // The old effect goes first: while it holds the file's sample, a new one would share it.
        if (known != m_loaded.end())
            m_loaded.erase(known);
        if (!WavDuration::ofFile(wavFile))
            return;
        Loaded &loaded = m_loaded[wavFile];
        loaded.effect = std::make_unique<QSoundEffect>();
        loaded.effect->setSource(QUrl::fromLocalFile(wavFile));
        loaded.modified = file.lastModified();
        loaded.size = file.size();
    }
    // Played before it has loaded, the sound starts as soon as it has.
    m_loaded[wavFile].effect->play();
}

void WavPlayer::playToEnd(const QString &wavFile)
{
    const std::optional<qint64> duration = playableDuration(wavFile);
    if (!duration)
        return;
    // A plain wait here would starve the sound: Qt feeds the output from the event loop of the
    // effect's thread. So the sound gets a thread and a loop of its own, and this thread waits.
    const qint64 heard = qMin(*duration, LongestEndingMs);
    const int bound = int(LoadAllowanceMs + heard);
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    std::unique_ptr<QThread> player(QThread::create(playOnThisThread, wavFile, output, heard, bound));
    player->start();
    // Should the output hang, the program still ends: the thread is left to the process's end.
    if (!player->wait(QDeadlineTimer(bound + LoadAllowanceMs)))
        player.release();
}

} // namespace Velmora
