#pragma once

#include <QDateTime>
#include <QString>

#include <map>
#include <memory>
#include <optional>

class QSoundEffect;

namespace Velmora {

/// Plays WAV files through Qt Multimedia. Without any sound output, or for a file that is no
/// WAV, nothing plays and nothing is reported.
///
/// Deliberately not synchronous: cues play without re-entering the event loop. A click handler
/// that waited in a nested loop for its sound to end would let timers, queued signals and
/// deferred deletes run inside it before its dialog opens. So play() starts the sound and
/// returns; only the sound the program ends with is waited for (playToEnd), and that wait runs
/// no event loop of the caller's.
class WavPlayer
{
public:
    using OutputCheck = bool (*)();

    /// `hasOutput` tells whether the machine has a sound output; tests pass one that says yes.
    explicit WavPlayer(OutputCheck hasOutput = &WavPlayer::hasSoundOutput);
    ~WavPlayer();

    /// Starts the sound and returns at once. Each file is loaded once, at its first play, and
    /// kept; a file that has changed since is loaded anew.
    void play(const QString &wavFile);
    /// Returns when the sound has ended: at most the file's own duration (cut to
    /// LongestEndingMs) plus LoadAllowanceMs. The sound plays on a thread of its own while the
    /// caller only waits, so no input, timer or queued call of the program runs meanwhile.
    void playToEnd(const QString &wavFile);

    static bool hasSoundOutput();

    static constexpr int LoadAllowanceMs = 1000;
    /// A longer closing sound is cut: the program does not stay alive for it.
    static constexpr qint64 LongestEndingMs = 10 * 1000;

private:
    struct Loaded
    {
        std::unique_ptr<QSoundEffect> effect;
        QDateTime modified;
        qint64 size = -1;
    };

    /// The file's duration when it can be played here.
    std::optional<qint64> playableDuration(const QString &wavFile) const;

    OutputCheck m_hasOutput;
    std::map<QString, Loaded> m_loaded;
};

} // namespace Velmora
