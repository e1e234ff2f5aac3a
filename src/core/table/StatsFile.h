#pragma once

#include "core/common/Result.h"
#include "core/table/StatsRow.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>

namespace Velmora {

/// The statistics exchange file: the line "VLSTATS", then one line per character with its 23
/// values joined by "," (Windows-1252, CR LF between lines, none after the last), and the texts
/// of the export and import commands.
class StatsFile
{
    Q_DECLARE_TR_FUNCTIONS(StatsFile)

public:
    static QString Marker() { return QStringLiteral("VLSTATS"); }

    static QString ExportTitle();
    static QString ImportTitle();
    /// The file dialogs' filter, "description|pattern".
    static QString FileFilter();
    /// The title of both refusals.
    static QString FileErrorTitle();
    static QString ReadErrorMessage();
    static QString NotStatsFileMessage();
    /// The title of the duplicates notice.
    static QString ImportNoticeTitle();
    /// "One duplicate was not added to the list", "3 duplicates were not added to the list";
    /// "" for none (no notice).
    static QString DuplicatesMessage(int duplicates);

    static QByteArray toBytes(const QList<StatsRow> &rows);
    /// Written whole through a temporary file.
    static Result<void> write(const QString &path, const QList<StatsRow> &rows);

    /// The rows of a file's bytes, in file order. An error whose message is
    /// NotStatsFileMessage() when the first line is not exactly "VLSTATS" (its path is empty).
    static Result<QList<StatsRow>> fromBytes(QByteArrayView bytes);
    /// Reads the file whole: ReadErrorMessage() when it cannot be read, else as fromBytes().
    static Result<QList<StatsRow>> read(const QString &path);
};

} // namespace Velmora
