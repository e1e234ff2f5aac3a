#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace Velmora {

/// How a stretch of rich text looks: the character formats a notes document can carry. Mirrors
/// QTextCharFormat so that the editor's adapter maps field to field. Colours are 0xRRGGBB;
/// no value means the editor's default (automatic) colour.
struct RichTextCharFormat
{
    enum class VerticalAlignment { Normal, Superscript, Subscript };

    /// Empty: the document's default font (RichTextDocument::defaultFontFamily).
    QString fontFamily;
    /// In half-points: 24 is 12 pt, the size of text that names none.
    int fontHalfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    VerticalAlignment verticalAlignment = VerticalAlignment::Normal;
    std::optional<quint32> foreground;
    std::optional<quint32> background;
    /// The target of a hyperlink ("" for none), as QTextCharFormat::anchorHref.
    QString anchorHref;

    bool operator==(const RichTextCharFormat &) const = default;
};

} // namespace Velmora
