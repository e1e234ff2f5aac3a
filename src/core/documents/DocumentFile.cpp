#include "core/documents/DocumentFile.h"

#include "core/common/CodePage.h"
#include "core/common/FileWriter.h"
#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Documents are a few hundred kilobytes at most; anything far beyond is not one of ours.
constexpr qint64 MaxDocumentBytes = 256 * 1024 * 1024;

} // namespace

Result<RichTextDocument> DocumentFile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error { path, file.errorString() };
    if (file.size() > MaxDocumentBytes)
        return Error { path, tr("The file is too large to be a document.") };
    const QByteArray bytes = file.readAll();
    if (isText(path))
        return RichTextDocument::fromPlainText(CodePage::toUnicode(bytes));
    RtfReader reader;
    std::optional<RichTextDocument> document = reader.read(bytes);
    if (!document)
        return Error { path, tr("%1 (at byte %2)").arg(reader.error()->what).arg(reader.error()->offset) };
    return std::move(*document);
}

Result<void> DocumentFile::write(const QString &path, const RichTextDocument &document)
{
    clearReadOnly(path);
    return FileWriter::writeAtomically(path, RtfWriter::write(document));
}

void DocumentFile::clearReadOnly(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile() && !info.isWritable())
        QFile::setPermissions(path, info.permissions() | QFile::WriteOwner | QFile::WriteUser);
}

bool DocumentFile::isPdf(const QString &path) { return path.right(3).toLower() == u"pdf"_s; }

bool DocumentFile::isText(const QString &path) { return path.endsWith(u".txt"_s, Qt::CaseInsensitive); }

} // namespace Velmora
