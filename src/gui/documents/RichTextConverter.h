#pragma once

#include "core/documents/RichTextDocument.h"

class QTextDocument;

namespace Velmora {

/// Moves rich text between the core's RichTextDocument (what RTF files are read into and written
/// from) and the editor's QTextDocument, format for format: paragraphs with their alignment,
/// indents, spacing and list membership; runs with font, size, weight, slant, underline,
/// strike-out, colours and links; tables; pictures.
class RichTextConverter
{
public:
    /// Replaces the content of `target` with `document`.
    static void toQTextDocument(const RichTextDocument &document, QTextDocument &target);
    static RichTextDocument fromQTextDocument(const QTextDocument &source);
};

} // namespace Velmora
