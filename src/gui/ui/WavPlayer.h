#pragma once

#include <QString>

namespace Velmora {

/// Plays a WAV file synchronously through Qt Multimedia: the call returns when the sound has
/// ended. Waits at most the file's own duration plus a short allowance for loading, so a sound
/// that never reports its end cannot hang the program. Without any sound output, or for a file
/// that is no WAV, it returns at once.
class WavPlayer
{
public:
    static void playAndWait(const QString &wavFile);

    static constexpr int LoadAllowanceMs = 2000;
    static constexpr qint64 LongestWaitMs = 5 * 60 * 1000;
};

} // namespace Velmora
