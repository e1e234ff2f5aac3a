#pragma once

#include "core/archive/clsZip_UnZip.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace Velmora {

/// The limits against archive bombs an extraction runs under.
struct ArchiveExtractLimits
{
    qint64 maxTotalSize = clsZip_UnZip::DefaultMaxTotalSize;
    qint64 maxRatio = clsZip_UnZip::DefaultMaxRatio;
};

/// What the extract window decides without a window: whether its two fields allow an
/// extraction, its status texts, and the extraction itself.
class ArchiveExtractFlow
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveExtractFlow)

public:
    /// What the fields allow: the status text and whether Extract is enabled.
    struct Check
    {
        QString status;
        bool ready = false;
    };
    static Check check(const QString &archivePath, const QString &targetFolder);

    /// How an extraction ended.
    struct Result
    {
        int entries = 0; ///< in the archive
        int extracted = 0;
        bool opened = false;
        bool complete = false; ///< every entry was extracted
        bool stopped = false;
        int limit = 0; ///< the ZipError code of the first limit met: size, ratio or overlap
    };
    /// Opens the archive and extracts every entry below `targetFolder` (folders recreated,
    /// nothing overwritten), saying the count found and then the count extracted. `stopRequested`
    /// is asked after each entry and every few megabytes, `progress` told the share done; a stop
    /// keeps the files already complete and no partial one. The last status names the limit
    /// that stopped the extraction, if one did.
    static Result extract(const QString &archivePath, const QString &targetFolder,
        const std::function<void(const QString &)> &status, const std::function<bool()> &stopRequested = {},
        const std::function<void(int percent)> &progress = {}, const ArchiveExtractLimits &limits = {});

    static QString selectArchiveText();
    static QString selectTargetText();
    static QString readyText();
    static QString existingArchiveText();
    static QString targetMustExistText();
    static QString inArchiveText(int entries);
    static QString extractedText(int entries);
    static QString errorText();
    static QString emptyText();
    static QString stoppedText(int extracted);
    /// The limit of ZipError `code` (SizeLimit, RatioLimit or Overlap) and what it did.
    static QString limitText(int code, int extracted, const ArchiveExtractLimits &limits = {});
};

} // namespace Velmora
