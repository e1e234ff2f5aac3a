#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace Velmora {

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
    };
    /// Opens the archive and extracts every entry below `targetFolder` (folders recreated,
    /// nothing overwritten), saying the count found and then the count extracted. `stopRequested`
    /// is asked after each entry; a stop keeps the files already complete and no partial one.
    static Result extract(const QString &archivePath, const QString &targetFolder,
        const std::function<void(const QString &)> &status, const std::function<bool()> &stopRequested = {});

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
};

} // namespace Velmora
