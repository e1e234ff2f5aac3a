#include "core/archive/ArchiveExtractFlow.h"

#include "core/archive/clsZip_UnZip.h"

#include <QFileInfo>

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
    const std::function<void(const QString &)> &status, const std::function<bool()> &stopRequested)
{
    Result result;
    clsZip_UnZip unzip;
    // The reader's own status and error texts are not shown: only its results are.
    ZipNotifications notifications;
    notifications.progress = [&](int, bool &stop) { stop = result.stopped = stopRequested && stopRequested(); };
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

} // namespace Velmora
