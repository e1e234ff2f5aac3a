#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace Velmora {

/// How long a WAV file plays, read from its RIFF header: the size of the "data" chunk divided
/// by the byte rate of the "fmt " chunk. Bounds the wait for the closing sound.
class WavDuration
{
public:
    /// Only the first bytes of the file are read; a data chunk that claims more than the file
    /// holds is cut to what is there.
    static std::optional<qint64> ofFile(const QString &path);
    /// `head` is the start of a file of `fileSize` bytes. std::nullopt when it is no WAV.
    static std::optional<qint64> milliseconds(QByteArrayView head, qint64 fileSize);

    static constexpr qsizetype HeadBytes = 64 * 1024;
};

} // namespace Velmora
