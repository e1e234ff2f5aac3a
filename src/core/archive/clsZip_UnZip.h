#pragma once

#include "core/archive/ZipNotifications.h"
#include "core/archive/clsZip_File.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace Velmora {

/// Opens a ZIP archive, lists its entries and extracts them (methods 0 and 8).
///
/// Archives come from other people, so the reader trusts nothing in them: names that would
/// leave the target folder, entries that inflate to more than they declare, damaged data,
/// entries sharing bytes and archive bombs are refused with an error notification, and no
/// partial file stays behind.
class clsZip_UnZip
{
    Q_DECLARE_TR_FUNCTIONS(clsZip_UnZip)

public:
    /// Defaults of the bomb limits: 8 GiB extracted in all, one entry at most 10000 times its
    /// compressed size.
    static constexpr qint64 DefaultMaxTotalSize = qint64(8) << 30;
    static constexpr qint64 DefaultMaxRatio = 10000;

    clsZip_UnZip() = default;
    /// Closes without notifying: the owner's callbacks may already be gone.
    ~clsZip_UnZip()
    {
        m_notify = {};
        ZipClose();
    }
    clsZip_UnZip(const clsZip_UnZip &) = delete;
    clsZip_UnZip &operator=(const clsZip_UnZip &) = delete;

    /// Opens the archive and reads its central directory; false (and closed) when it is not
    /// a usable archive.
    bool ZipOpen(const QString &path);
    void ZipClose();
    bool ZipIsOpen() const { return m_open; }
    QString ZipComment() const { return m_comment; }

    int FileCount() const { return int(m_files.size()); }
    QStringList FileList() const;
    QString FileName(int index) const;
    qint64 FileCompressedSize(int index) const;
    qint64 FileUncompressedSize(int index) const;
    QDateTime FileDateAndTime(int index) const;
    int FileMethod(int index) const;
    quint32 FileCrc32(int index) const;
    const QList<clsZip_File> &Files() const { return m_files; }
    static QString ZLibVersion();

    /// Extracts one entry / every entry below `targetFolder` (which must exist). With
    /// `useFolders` the folders of the entry names are created below it, else only the file
    /// name is used. True when every entry asked for was extracted.
    bool ExtractSingleFile(int index, const QString &targetFolder, bool useFolders, bool overwrite);
    bool ExtractAllFiles(const QString &targetFolder, bool useFolders, bool overwrite);
    /// How many files the last extraction wrote.
    int ExtractedCount() const { return m_extracted; }

    /// Limits against archive bombs (a user may raise them).
    void SetMaxTotalSize(qint64 bytes) { m_maxTotal = bytes; }
    void SetMaxRatio(qint64 ratio) { m_maxRatio = ratio; }

    void SetNotifications(ZipNotifications notifications) { m_notify = std::move(notifications); }

private:
    friend class ZipExtractor;
    void status(const QString &text) const;
    void error(const QString &text, int code) const;
    bool readDirectory();
    bool extract(const QList<int> &indexes, const QString &targetFolder, bool useFolders, bool overwrite);

    QFile m_file;
    bool m_open = false;
    QString m_comment;
    QList<clsZip_File> m_files;
    qint64 m_centralOffset = 0;
    qint64 m_maxTotal = DefaultMaxTotalSize;
    qint64 m_maxRatio = DefaultMaxRatio;
    int m_extracted = 0;
    ZipNotifications m_notify;
};

} // namespace Velmora
