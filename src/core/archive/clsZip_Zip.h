#pragma once

#include "core/archive/ZipNotifications.h"
#include "core/archive/clsZip_File.h"
#include "core/common/AppFolder.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QSaveFile;

namespace Velmora {

/// Collects files and writes them as a ZIP archive (deflate).
///
/// Unlike the historic writer, FileAdd only records each file (its size, date and name);
/// WriteZip reads, compresses and writes the entries one after another (on several threads)
/// and never holds every compressed entry at once. So SizeCompressed() is known once the
/// archive has been written.
class clsZip_Zip
{
    Q_DECLARE_TR_FUNCTIONS(clsZip_Zip)

public:
    enum NameMode { FileNameOnly = 0, PathWithoutDrive = 1, RelativeToAppFolder = 2 };

    /// `appFolder` resolves paths in the stored relative form ("\Sounds\Intro.WAV") and is the
    /// folder name mode 2 names entries relative to.
    explicit clsZip_Zip(AppFolder appFolder = AppFolder::locate());

    /// Adds the file `pattern` names, or the files its "*" matches in its folder (with
    /// `recurse`, in every folder below too). Returns how many files were added; a missing file
    /// adds nothing.
    int FileAdd(const QString &pattern, int nameMode = FileNameOnly, bool recurse = false);
    void FileDel(int index);
    int FileCount() const { return int(m_files.size()); }
    QString FileName(int index) const;
    /// 0 until the archive has been written.
    qint64 SizeCompressed(int index) const;
    qint64 SizeUncompressed(int index) const;
    const QList<clsZip_File> &Files() const { return m_files; }

    QString Comment() const { return m_comment; }
    void SetComment(const QString &comment) { m_comment = comment; }

    /// Writes the archive to `path` (through a temporary file renamed at the end, so a failure
    /// or a stop leaves no archive and an old file as it was). An existing file is replaced only
    /// with `overwrite`; without it nothing is written and the result is false.
    bool WriteZip(const QString &path, bool overwrite);
    /// Why the last WriteZip failed, in words ("" after a success).
    QString LastError() const { return m_lastError; }

    /// Progress (entries written) and the stop flag while WriteZip runs; errors go to LastError.
    void SetNotifications(ZipNotifications notifications) { m_notify = std::move(notifications); }
    /// Threads compressing entries at once (0: one per core).
    void SetThreadCount(int threads) { m_threads = threads; }
    /// The largest archive written: the format's 4 GiB, or less (so that a test reaches the
    /// refusal without writing gigabytes). Beyond it WriteZip fails and writes nothing.
    void SetSizeLimit(qint64 bytes);

private:
    int addMatching(const QString &folder, const QString &namePattern, int nameMode, bool recurse);
    void addFile(const QString &path, int nameMode);
    QString entryName(const QString &absolutePath, int nameMode) const;
    bool fail(const QString &message);
    bool writeEntries(QSaveFile &out);

    AppFolder m_appFolder;
    QList<clsZip_File> m_files;
    QString m_comment;
    QString m_lastError;
    ZipNotifications m_notify;
    int m_threads = 0;
    qint64 m_sizeLimit;
};

} // namespace Velmora
