#pragma once

#include "core/common/Result.h"
#include "core/documents/RichTextDocument.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

/// A document file of the notes slots and the document viewers, as they read and write it: a
/// ".txt" file is Windows-1252 text, any other is RTF. Writing always gives RTF, whole (through
/// a temporary file), after clearing the file's read-only attribute.
class DocumentFile
{
    Q_DECLARE_TR_FUNCTIONS(Velmora::DocumentFile)

public:
    static Result<RichTextDocument> read(const QString &path);
    static Result<void> write(const QString &path, const RichTextDocument &document);

    /// A file that exists and is read-only becomes writable by its owner; anything else is left
    /// as it is. Saving a document does this first.
    static void clearReadOnly(const QString &path);
    /// Whether `path` ends in "pdf", compared in lower case on its last three characters: such a
    /// file is never shown in a viewer nor saved from one.
    static bool isPdf(const QString &path);
    /// Whether `path` names a plain-text document (".txt", letter case ignored).
    static bool isText(const QString &path);
};

} // namespace Velmora
