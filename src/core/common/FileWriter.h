#pragma once

#include "core/common/Result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace Velmora {

/// Writes whole files so that they are never half-written: the bytes go to a temporary file in
/// the same folder, which is renamed over the old file only when everything was written. A full
/// disk, a missing permission or a crash leaves the previous file as it was.
class FileWriter
{
    Q_DECLARE_TR_FUNCTIONS(FileWriter)

public:
    /// On failure, the error names `path` and gives the system's reason.
    static Result<void> writeAtomically(const QString &path, const QByteArray &bytes);
};

} // namespace Velmora
