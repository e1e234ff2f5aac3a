#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

namespace Velmora {

/// Why a file could not be written or read, for the message the user sees.
struct FileError
{
    QString path;
    QString reason;
};

/// Writes whole files so that they are never half-written: the bytes go to a temporary file in
/// the same folder, which is renamed over the old file only when everything was written. A full
/// disk, a missing permission or a crash leaves the previous file as it was.
class FileWriter
{
    Q_DECLARE_TR_FUNCTIONS(FileWriter)

public:
    /// std::nullopt on success.
    static std::optional<FileError> writeAtomically(const QString &path, const QByteArray &bytes);
};

} // namespace Velmora
