#pragma once

#include "core/documents/RichTextCharFormat.h"
#include "core/documents/RichTextRun.h"

#include <QList>

namespace Velmora {

/// One paragraph of rich text: its layout (as QTextBlockFormat), its list membership (as
/// QTextList) and its runs. Lengths are twips (1/1440 inch).
struct RichTextParagraph
{
    enum class Alignment { Left, Center, Right, Justify };
    /// Mirrors QTextListFormat's styles; None is a paragraph outside any list.
    enum class ListKind { None, Bullet, Decimal, LowerAlpha, UpperAlpha, LowerRoman, UpperRoman };

    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    /// Relative to leftIndent; negative for a hanging first line (list items).
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    ListKind listKind = ListKind::None;
    /// Nesting level of a list item, 0 to 8 (QTextListFormat::indent is listLevel + 1).
    int listLevel = 0;
    /// The format of the paragraph mark: what an empty paragraph is shown in.
    RichTextCharFormat markFormat;
    QList<RichTextRun> runs;

    bool operator==(const RichTextParagraph &) const = default;
};

} // namespace Velmora
