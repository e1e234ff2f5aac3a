#include "cli/RtfCommand.h"

#include "core/common/FileWriter.h"
#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"
#include "gui/documents/RichTextConverter.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Rich-text documents are small; anything near this is not one we convert.
constexpr qint64 kMaxInput = 256 * 1024 * 1024;

} // namespace

RtfCommand::RtfCommand(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

bool RtfCommand::needsGui(const QStringList &arguments)
{
    return arguments.contains(u"html"_s);
}

int RtfCommand::run(const QStringList &arguments)
{
    if (arguments.size() == 3 && arguments.at(1) == u"--to"_s && (arguments.at(2) == u"text"_s || arguments.at(2) == u"html"_s))
        return toText(arguments.at(0), arguments.at(2) == u"html"_s);
    if (arguments.size() == 5 && arguments.at(1) == u"--from"_s && arguments.at(2) == u"html"_s && arguments.at(3) == u"--out"_s)
        return fromHtml(arguments.at(0), arguments.at(4));
    m_err << "usage: velmora-cli rtf FILE --to text|html | rtf FILE --from html --out OUT.rtf" << Qt::endl;
    return 2;
}

int RtfCommand::refuse(const QString &path, const QString &why)
{
    m_err << "velmora-cli: " << path << ": " << why << Qt::endl;
    return 1;
}

int RtfCommand::toText(const QString &path, bool html)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(path, u"no such file"_s);
    if (file.size() > kMaxInput)
        return refuse(path, u"too large for a rich-text document"_s);
    RtfReader reader;
    const std::optional<RichTextDocument> document = reader.read(file.readAll());
    if (!document)
        return refuse(path, u"%1 (at byte %2)"_s.arg(reader.error()->what).arg(reader.error()->offset));
    if (html) {
        QTextDocument editor;
        RichTextConverter::toQTextDocument(*document, editor);
        m_out << editor.toHtml();
    } else {
        m_out << document->toPlainText() << '\n';
    }
    m_out.flush();
    return 0;
}

int RtfCommand::fromHtml(const QString &path, const QString &out)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return refuse(path, u"no such file"_s);
    if (file.size() > kMaxInput)
        return refuse(path, u"too large for a rich-text document"_s);
    QTextDocument editor;
    editor.setHtml(QString::fromUtf8(file.readAll()));
    const QByteArray rtf = RtfWriter::write(RichTextConverter::fromQTextDocument(editor));
    if (const Result<void> written = FileWriter::writeAtomically(out, rtf); !written)
        return refuse(out, u"could not be saved: "_s + written.error().message);
    m_out << QJsonDocument(QJsonObject{{u"written"_s, out}}).toJson(QJsonDocument::Indented);
    m_out.flush();
    return 0;
}

} // namespace Velmora
