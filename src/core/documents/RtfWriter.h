#pragma once

#include "core/documents/RichTextDocument.h"

#include <QByteArray>

namespace Velmora {

/// Writes a RichTextDocument as RTF 1.x that WordPad, the Windows rich-text control, Word and
/// LibreOffice read, and that RtfReader reads back to the same document.
///
/// Text is Windows-1252 ("\ansicpg1252"); other characters go as "\uN?". List items carry both
/// the rich-text control's numbering ("\pntext", "\pn") and Word's lists ("\ls" with a list
/// table). Lines break only before a control word, after a group or inside picture data, so
/// the text still reads the same when its lines are joined without line breaks.
class RtfWriter
{
public:
    static QByteArray write(const RichTextDocument &document);
};

} // namespace Velmora
