#include "core/documents/RtfPicture.h"

#include "core/common/HexDigits.h"

#include <algorithm>
#include <utility>

namespace Velmora {

namespace {

/// The pixel size a PNG file's header gives, or 0 × 0.
std::pair<int, int> pngPixelSize(const QByteArray &png)
{
    if (png.size() < 24)
        return {0, 0};
    auto be32 = [&png](int at) {
        return (quint32(quint8(png[at])) << 24) | (quint32(quint8(png[at + 1])) << 16)
            | (quint32(quint8(png[at + 2])) << 8) | quint32(quint8(png[at + 3]));
    };
    return {int(std::min<quint32>(be32(16), 1u << 20)), int(std::min<quint32>(be32(20), 1u << 20))};
}

int clampedTwips(qint64 value)
{
    return int(std::clamp<qint64>(value, 0, 31680 * 100));
}

} // namespace

void RtfPicture::word(RtfWord word, bool hasParam, int param)
{
    switch (word) {
    case RtfWord::PngBlip: m_kind = Kind::Png; return;
    case RtfWord::JpegBlip: m_kind = Kind::Jpeg; return;
    case RtfWord::OtherBlip: m_kind = Kind::Other; return;
    default: break;
    }
    if (!hasParam)
        return;
    switch (word) {
    case RtfWord::PicWidth: m_width = param; return;
    case RtfWord::PicHeight: m_height = param; return;
    case RtfWord::PicWidthGoal: m_widthGoal = param; return;
    case RtfWord::PicHeightGoal: m_heightGoal = param; return;
    case RtfWord::PicScaleX: m_scaleX = param; return;
    case RtfWord::PicScaleY: m_scaleY = param; return;
    default: return;
    }
}

void RtfPicture::hexText(QByteArrayView text)
{
    for (char c : text) {
        if (m_tooLarge)
            return;
        const int nibble = hexValue(c);
        if (nibble < 0)
            continue;
        if (m_pendingNibble < 0) {
            m_pendingNibble = nibble;
            continue;
        }
        if (m_data.size() >= m_maxBytes)
            m_tooLarge = true;
        else
            m_data.append(char(m_pendingNibble * 16 + nibble));
        m_pendingNibble = -1;
    }
}

void RtfPicture::binary(QByteArrayView bytes)
{
    if (m_data.size() + bytes.size() > m_maxBytes)
        m_tooLarge = true;
    else if (!m_tooLarge)
        m_data.append(bytes);
}

std::optional<RichTextImage> RtfPicture::image() const
{
    RichTextImage image;
    if (m_tooLarge)
        return std::nullopt;
    if (m_kind == Kind::Png && m_data.startsWith("\x89PNG"))
        image.format = RichTextImage::Format::Png;
    else if (m_kind == Kind::Jpeg && m_data.startsWith("\xFF\xD8"))
        image.format = RichTextImage::Format::Jpeg;
    else
        return std::nullopt;
    image.data = m_data;
    // 15 twips a pixel at 96 dpi; a goal scaled down to nothing falls back on the pixels too.
    const auto [pixelWidth, pixelHeight] =
        image.format == RichTextImage::Format::Png ? pngPixelSize(m_data) : std::pair<int, int>{m_width, m_height};
    const qint64 width = m_widthGoal > 0 ? qint64(m_widthGoal) : qint64(pixelWidth) * 15;
    const qint64 height = m_heightGoal > 0 ? qint64(m_heightGoal) : qint64(pixelHeight) * 15;
    image.widthTwips = clampedTwips(width * std::clamp(m_scaleX, 1, 10000) / 100);
    image.heightTwips = clampedTwips(height * std::clamp(m_scaleY, 1, 10000) / 100);
    if (image.widthTwips == 0)
        image.widthTwips = clampedTwips(qint64(pixelWidth) * 15);
    if (image.heightTwips == 0)
        image.heightTwips = clampedTwips(qint64(pixelHeight) * 15);
    return image;
}

} // namespace Velmora
