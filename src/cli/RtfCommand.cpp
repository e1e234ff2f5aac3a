#include "cli/RtfCommand.h"

#include "cli/CliCall.h"
#include "core/common/FileWriter.h"
#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"
#include "gui/documents/RichTextConverter.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Rich-text documents are small; anything near this is not one we convert.
constexpr qint64 kMaxInput = 256 * 1024 * 1024;

} // namespace

std::optional<QByteArray> RtfCommand::readInput(CliCall &call)
{
    const QString path = call.argument(0);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        call.refuse(path, u"no such file"_s);
    else if (file.size() > kMaxInput)
        call.refuse(path, u"too large for a rich-text document"_s);
    else
        return file.readAll();
    return std::nullopt;
}

bool RtfCommand::needsGui(const QCommandLineParser &parser)
{
    return parser.value(u"to"_s) == u"html"_s || parser.isSet(u"from"_s);
}

int RtfCommand::run(CliCall &call)
{
    const bool to = call.isSet(u"to"_s);
    if (to == call.isSet(u"from"_s))
        return call.usageError(u"Give one of --to and --from."_s);
    if (to == call.isSet(u"out"_s))
        return call.usageError(to ? u"--out goes with --from only."_s : u"--from needs --out."_s);
    return to ? toText(call, call.value(u"to"_s) == u"html"_s) : fromHtml(call, call.value(u"out"_s));
}

int RtfCommand::toText(CliCall &call, bool html)
{
    const std::optional<QByteArray> input = readInput(call);
    if (!input)
        return CliCall::Refused;
    RtfReader reader;
    const std::optional<RichTextDocument> document = reader.read(*input);
    if (!document)
        return call.refuse(
            call.argument(0), u"%1 (at byte %2)"_s.arg(reader.error()->what).arg(reader.error()->offset));
    if (html) {
        QTextDocument editor;
        RichTextConverter::toQTextDocument(*document, editor);
        call.out() << editor.toHtml();
    } else {
        call.out() << document->toPlainText() << '\n';
    }
    call.out().flush();
    return CliCall::Success;
}

int RtfCommand::fromHtml(CliCall &call, const QString &out)
{
    const std::optional<QByteArray> input = readInput(call);
    if (!input)
        return CliCall::Refused;
    QTextDocument editor;
    editor.setHtml(QString::fromUtf8(*input));
    const QByteArray rtf = RtfWriter::write(RichTextConverter::fromQTextDocument(editor));
    if (const Result<void> written = FileWriter::writeAtomically(out, rtf); !written)
        return call.refuse(out, u"could not be saved: "_s + written.error().message);
    return call.wrote(out);
}

} // namespace Velmora
