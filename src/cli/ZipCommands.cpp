#include "cli/ZipCommands.h"

#include "cli/CliCall.h"
#include "core/archive/clsZip_UnZip.h"
#include "core/archive/clsZip_Zip.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// A notification as the JSON output lists it; a status has code 0.
QJsonObject notification(const QString &kind, const QString &text, int code)
{
    return { { u"kind"_s, kind }, { u"text"_s, text }, { u"code"_s, code } };
}

// The value of a limit option, left as it is without the option; false after the usage error.
bool readLimit(CliCall &call, const QString &option, qint64 &limit)
{
    if (!call.isSet(option))
        return true;
    bool ok = false;
    const qint64 value = call.value(option).toLongLong(&ok);
    if (!ok || value <= 0) {
        call.usageError(u"--%1 takes a positive whole number, not '%2'."_s.arg(option, call.value(option)));
        return false;
    }
    limit = value;
    return true;
}

} // namespace

QStringList ZipCommands::actions() { return { u"create"_s, u"list"_s, u"extract"_s }; }

int ZipCommands::zip(CliCall &call)
{
    const QString action = call.argument(0);
    if (action == u"list" && !call.argument(2).isEmpty())
        return call.usageError(u"Unexpected argument '%1'."_s.arg(call.argument(2)));
    if (action == u"list")
        return list(call);
    if (call.argument(2).isEmpty())
        return call.usageError(u"Missing argument %1."_s.arg(action == u"create" ? u"PATTERN"_s : u"DIR"_s));
    if (action == u"extract" && !call.argument(3).isEmpty())
        return call.usageError(u"Unexpected argument '%1'."_s.arg(call.argument(3)));
    return action == u"create" ? create(call) : extract(call);
}

// Patterns are expanded by the writer itself (quoted on the shell). With no file added nothing
// is written; an existing OUT is replaced only by a complete new archive.
int ZipCommands::create(CliCall &call)
{
    const QString out = call.argument(1);
    const int nameMode = call.isSet(u"name-mode"_s) ? call.value(u"name-mode"_s).toInt() : 0;
    clsZip_Zip zip(AppFolder::locate());
    for (qsizetype i = 2; !call.argument(i).isEmpty(); ++i)
        zip.FileAdd(call.argument(i), nameMode, call.isSet(u"recurse"_s));
    if (zip.FileCount() == 0)
        return call.refuse(out, u"no file matches the patterns; nothing written"_s);
    zip.SetComment(call.value(u"comment"_s));
    if (!zip.WriteZip(out, true))
        return call.refuse(out, zip.LastError());
    QJsonArray entries;
    for (int i = 0; i < zip.FileCount(); ++i)
        entries.append(QJsonObject { { u"name"_s, zip.FileName(i) }, { u"compressedSize"_s, zip.SizeCompressed(i) },
            { u"uncompressedSize"_s, zip.SizeUncompressed(i) } });
    return call.wrote(out, { { u"entries"_s, entries } });
}

int ZipCommands::list(CliCall &call)
{
    const QString path = call.argument(1);
    if (!call.inputExists(path))
        return CliCall::Refused;
    QString why;
    clsZip_UnZip unzip;
    unzip.SetNotifications({ {}, {}, [&why](const QString &text, int) { why = text; } });
    if (!unzip.ZipOpen(path))
        return call.refuse(path, why);
    QJsonArray entries;
    for (int i = 0; i < unzip.FileCount(); ++i)
        entries.append(QJsonObject { { u"name"_s, unzip.FileName(i) }, { u"method"_s, unzip.FileMethod(i) },
            { u"crc32"_s, qint64(unzip.FileCrc32(i)) }, { u"compressedSize"_s, unzip.FileCompressedSize(i) },
            { u"uncompressedSize"_s, unzip.FileUncompressedSize(i) },
            { u"dateTime"_s, unzip.FileDateAndTime(i).toString(Qt::ISODate) } });
    call.printJson(QJsonDocument(QJsonObject { { u"comment"_s, unzip.ZipComment() }, { u"entries"_s, entries } }));
    return CliCall::Success;
}

// Entries the reader refuses are reported among its notifications and the command still
// succeeds; only an archive that cannot be opened is refused.
int ZipCommands::extract(CliCall &call)
{
    const QString path = call.argument(1);
    qint64 maxSize = clsZip_UnZip::DefaultMaxTotalSize, maxRatio = clsZip_UnZip::DefaultMaxRatio;
    if (!readLimit(call, u"max-size"_s, maxSize) || !readLimit(call, u"max-ratio"_s, maxRatio))
        return CliCall::Usage;
    if (!call.inputExists(path))
        return CliCall::Refused;
    QJsonArray notifications;
    QString why;
    clsZip_UnZip unzip;
    unzip.SetMaxTotalSize(maxSize);
    unzip.SetMaxRatio(maxRatio);
    unzip.SetNotifications({ [&](const QString &text) { notifications.append(notification(u"status"_s, text, 0)); }, {},
        [&](const QString &text, int code) {
            why = text;
            notifications.append(notification(u"error"_s, text, code));
        } });
    if (!unzip.ZipOpen(path))
        return call.refuse(path, why);
    unzip.ExtractAllFiles(call.argument(2), true, call.isSet(u"overwrite"_s));
    unzip.ZipClose();
    call.printJson(QJsonDocument(
        QJsonObject { { u"extracted"_s, unzip.ExtractedCount() }, { u"notifications"_s, notifications } }));
    return CliCall::Success;
}

} // namespace Velmora
