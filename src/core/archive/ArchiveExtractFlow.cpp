#include "core/archive/ArchiveExtractFlow.h"

#include "core/archive/clsZip_UnZip.h"

#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace Velmora {

ArchiveExtractFlow::Check ArchiveExtractFlow::check(const QString &archivePath, const QString &targetFolder)
{
    if (archivePath.isEmpty() || !QFileInfo(archivePath).isFile())
        return { existingArchiveText(), false };
    if (targetFolder.isEmpty() || !QFileInfo(targetFolder).isDir())
        return { targetMustExistText(), false };
    return { readyText(), true };
}

ArchiveExtractFlow::Result ArchiveExtractFlow::extract(const QString &archivePath, const QString &targetFolder,
    const std::function<void(const QString &)> &status, const std::function<bool()> &stopRequested,
    const std::function<void(int percent)> &progress, const ArchiveExtractLimits &limits)
{
    Result result;
    clsZip_UnZip unzip;
    unzip.SetMaxTotalSize(limits.maxTotalSize);
    unzip.SetMaxRatio(limits.maxRatio);
    // The reader's own status and error texts are not shown: only its results are, and which
    // limit against archive bombs it met.
    ZipNotifications notifications;
    notifications.progress = [&](int percent, bool &stop) {
        if (progress)
            progress(percent);
        stop = result.stopped = stopRequested && stopRequested();
    };
    notifications.error = [&](const QString &, int code) {
        const bool isLimit = code == ZipError::SizeLimit || code == ZipError::RatioLimit || code == ZipError::Overlap;
        if (isLimit && result.limit == 0)
            result.limit = code;
    };
    unzip.SetNotifications(notifications);
    result.opened = unzip.ZipOpen(archivePath);
    if (!result.opened) {
        status(errorText());
        return result;
    }
    result.entries = unzip.FileCount();
    if (result.entries == 0) {
        status(emptyText());
        return result;
    }
    status(inArchiveText(result.entries));
    result.complete = unzip.ExtractAllFiles(targetFolder, true, false);
    result.extracted = unzip.ExtractedCount();
    if (result.stopped)
        status(stoppedText(result.extracted));
    else if (result.limit != 0)
        status(limitText(result.limit, result.extracted, limits));
    else
        status(result.complete ? extractedText(result.extracted) : errorText());
    return result;
}

QString ArchiveExtractFlow::selectArchiveText() { return tr("Select the archive to be extracted."); }
QString ArchiveExtractFlow::selectTargetText() { return tr("Select the target directory for archive extraction."); }
QString ArchiveExtractFlow::readyText() { return tr("Click 'Extract' to open archive"); }
QString ArchiveExtractFlow::existingArchiveText() { return tr("Select an existing archive to be extracted."); }
QString ArchiveExtractFlow::targetMustExistText() { return tr("The target directory must exist."); }

QString ArchiveExtractFlow::inArchiveText(int entries)
{
    return entries == 1 ? tr("Only ") + u"1"_s + tr(" file in this archive.")
                        : QString::number(entries) + tr(" files in this archive.");
}

QString ArchiveExtractFlow::extractedText(int entries)
{
    return entries == 1 ? tr("Only ") + u"1"_s + tr(" file extracted from this archive.")
                        : QString::number(entries) + tr(" files extracted from this archive.");
}

QString ArchiveExtractFlow::errorText() { return tr("Error extracting files from archive."); }
QString ArchiveExtractFlow::emptyText() { return tr("No files were detected in this archive."); }

// Stopping is ours (the extraction once ran to its end): the files already complete stay.
QString ArchiveExtractFlow::stoppedText(int extracted)
{
    return tr("Extraction cancelled; files extracted until then: %1.").arg(extracted);
}

// Ours too: the old reader had no limits. Size and ratio end the extraction; entries that share
// their bytes are refused one by one and the others extracted.
QString ArchiveExtractFlow::limitText(int code, int extracted, const ArchiveExtractLimits &limits)
{
    QString why;
    if (code == ZipError::SizeLimit) {
        const QLocale c = QLocale::c();
        const QString precise = c.formattedDataSize(limits.maxTotalSize, 1, QLocale::DataSizeIecFormat);
        why = tr("Extraction stopped: the archive would extract to more than %1, the limit (velmora-cli zip "
                 "extract --max-size raises it)")
                  .arg(precise.contains(u".0 "_s)
                          ? c.formattedDataSize(limits.maxTotalSize, 0, QLocale::DataSizeIecFormat)
                          : precise);
    } else if (code == ZipError::RatioLimit) {
        why = tr("Extraction stopped: a file would grow to more than %1 times its packed size, as archive bombs do "
                 "(velmora-cli zip extract --max-ratio raises the limit)")
                  .arg(limits.maxRatio);
    } else {
        return tr("Files sharing their packed bytes with other files were refused, as archive bombs do; files "
                  "extracted: %1.")
            .arg(extracted);
    }
    return why + tr("; files extracted until then: %1.").arg(extracted);
}

} // namespace Velmora
