#pragma once

#include "core/documents/RichTextCharFormat.h"
#include "core/documents/RichTextImage.h"

#include <QString>

#include <optional>

namespace Velmora {

/// A stretch of one paragraph in one character format: text, or one inline picture.
///
/// The text holds no paragraph breaks; U+2028 (QChar::LineSeparator) is a line break inside the
/// paragraph and "\t" a tab, as in QTextDocument. A picture run has empty text.
struct RichTextRun
{
    QString text;
    RichTextCharFormat format;
    std::optional<RichTextImage> image;

    bool operator==(const RichTextRun &) const = default;
};

} // namespace Velmora
