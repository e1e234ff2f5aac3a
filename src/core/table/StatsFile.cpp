#include "core/table/StatsFile.h"

#include "core/common/CodePage.h"
#include "core/common/FileWriter.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace Velmora {

QString StatsFile::ExportTitle()
{
    return tr("Export Statistics Set to File");
}

QString StatsFile::ImportTitle()
{
    return tr("Select Statistics Set to Import");
}

QString StatsFile::FileFilter()
{
    return tr("Comma Separated Value file (*.csv)|*.csv");
}

QString StatsFile::FileErrorTitle()
{
    return tr("File Error");
}

QString StatsFile::ReadErrorMessage()
{
    return tr("Error reading file.");
}

QString StatsFile::NotStatsFileMessage()
{
    return tr("This is a not a Velmora statistic file.") + u"\r\n"_s + ReadErrorMessage();
}

QString StatsFile::ImportNoticeTitle()
{
    return tr("Statistics Import");
}

QString StatsFile::DuplicatesMessage(int duplicates)
{
    if (duplicates <= 0)
        return {};
    if (duplicates == 1)
        return tr("One duplicate was not added to the list");
    return QString::number(duplicates) + tr(" duplicates were not added to the list");
}

// The format has no quoting, so a "," inside a value would move every later value one column
// to the right on import. Such a comma is left out of the file (the list keeps it): "1,200 lb."
// travels as "1200 lb.", and every value stays in its column.
QByteArray StatsFile::toBytes(const QList<StatsRow> &rows)
{
    QString text = Marker();
    for (const StatsRow &row : rows) {
        QStringList values = row.values();
        for (QString &value : values)
            value.remove(u',');
        text += u"\r\n"_s + values.join(u',');
    }
    return CodePage::fromUnicode(text);
}

Result<void> StatsFile::write(const QString &path, const QList<StatsRow> &rows)
{
    return FileWriter::writeAtomically(path, toBytes(rows));
}

// Each line is split at ","; its first field is the name, the next 22 the other values, and
// missing ones stay empty. A line with more than 23 fields was not written by an export (which
// leaves commas out of values): the first 23 are taken and the rest dropped, since there is no
// telling which value the extra commas belonged to. An empty line (a spreadsheet may end the
// file with CR LF) is no character and is skipped. A ";" is dropped from every value: the
// campaign joins a character's values with it.
Result<QList<StatsRow>> StatsFile::fromBytes(QByteArrayView bytes)
{
    const QStringList lines = CodePage::toUnicode(bytes).split(u"\r\n"_s);
    if (lines.constFirst() != Marker())
        return Error{QString(), NotStatsFileMessage()};
    QList<StatsRow> rows;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        rows << StatsRow::fromValues(QString(lines.at(i)).remove(u';').split(u','));
    }
    return rows;
}

Result<QList<StatsRow>> StatsFile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{path, ReadErrorMessage()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Error{path, ReadErrorMessage()};
    Result<QList<StatsRow>> rows = fromBytes(bytes);
    if (!rows)
        return Error{path, rows.error().message};
    return rows;
}

} // namespace Velmora
