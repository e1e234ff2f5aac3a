#include "gui/ui/WavDuration.h"

#include <QFile>
#include <QtEndian>

namespace Velmora {

namespace {

quint32 le32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

} // namespace

std::optional<qint64> WavDuration::ofFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return milliseconds(file.read(HeadBytes), file.size());
}

std::optional<qint64> WavDuration::milliseconds(QByteArrayView head, qint64 fileSize)
{
    if (head.size() < 12 || head.first(4) != "RIFF" || head.sliced(8, 4) != "WAVE")
        return std::nullopt;
    quint32 byteRate = 0;
    qsizetype at = 12;
    while (at + 8 <= head.size()) {
        const QByteArrayView id = head.sliced(at, 4);
        const qint64 size = le32(head, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 12 && body + 12 <= head.size()) {
            byteRate = le32(head, body + 8);
        } else if (id == "data") {
            if (byteRate == 0)
                return std::nullopt;
            const qint64 available = qMax<qint64>(0, fileSize - body);
            return qMin(size, available) * 1000 / byteRate;
        }
        // Chunks are padded to an even length.
        const qint64 next = body + size + (size & 1);
        if (next > head.size())
            break;
        at = static_cast<qsizetype>(next);
    }
    return std::nullopt;
}

} // namespace Velmora
