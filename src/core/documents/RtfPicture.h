#pragma once

#include "core/documents/RichTextImage.h"
#include "core/documents/RtfControlWords.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace Velmora {

/// One "{\pict ...}" group of an RTF file while it is read: its kind, its size words and its
/// data, given as hex digits or as \bin bytes. Data beyond `maxBytes` marks it too large.
class RtfPicture
{
public:
    explicit RtfPicture(qsizetype maxBytes = 0) : m_maxBytes(maxBytes) {}

    void word(RtfWord word, bool hasParam, int param);
    /// Hex digits; anything else in the text (line breaks, blanks) is passed over.
    void hexText(QByteArrayView text);
    void binary(QByteArrayView bytes);

    /// The picture as a document keeps it: a PNG or JPEG file within the size limit whose bytes
    /// start as such a file does, shown at its goal size (\picwgoal, scaled) or else at its
    /// pixel size at 96 dpi.
    std::optional<RichTextImage> image() const;

private:
    enum class Kind { Unknown, Png, Jpeg, Other };

    qsizetype m_maxBytes;
    Kind m_kind = Kind::Unknown;
    QByteArray m_data;
    int m_pendingNibble = -1;
    bool m_tooLarge = false;
    int m_width = 0;
    int m_height = 0;
    int m_widthGoal = 0;
    int m_heightGoal = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
};

} // namespace Velmora
