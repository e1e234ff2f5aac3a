#include "core/common/FileWriter.h"

#include <QSaveFile>

namespace Velmora {

Result<void> FileWriter::writeAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Error{path, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Error{path, reason};
    }
    // QSaveFile buffers small writes and reports them as written; a short write to disk only
    // shows when the buffer is flushed, and commit() would then rename a truncated file.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Error{path, reason};
    }
    if (!file.commit())
        return Error{path, file.errorString()};
    return {};
}

} // namespace Velmora
