#pragma once

#include <QByteArray>

namespace Velmora {

/// A picture inside rich text, kept as the file bytes it came in (never decoded here).
struct RichTextImage
{
    enum class Format { Png, Jpeg };

    Format format = Format::Png;
    QByteArray data;
    /// The size it is shown at, in twips (1/1440 inch; 15 twips are one pixel at 96 dpi).
    int widthTwips = 0;
    int heightTwips = 0;

    bool operator==(const RichTextImage &) const = default;
};

} // namespace Velmora
