#include "gui/maps/MapMarkerIcons.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

namespace Velmora {

MapMarkerIcons::MapMarkerIcons(std::function<QString(const QString &)> resolve)
    : m_resolve(std::move(resolve))
{
}

const QImage &MapMarkerIcons::icon(MapMarkerKind kind, const QString &path)
{
    if (!path.isEmpty()) {
        auto found = m_loaded.find(path);
        if (found == m_loaded.end())
            found = m_loaded.insert(path, load(m_resolve ? m_resolve(path) : path));
        if (!found->isNull())
            return *found;
    }
    auto drawn = m_defaults.find(int(kind));
    if (drawn == m_defaults.end())
        drawn = m_defaults.insert(int(kind), defaultIcon(kind));
    return *drawn;
}

QImage MapMarkerIcons::load(const QString &file)
{
    if (!QFileInfo(file).isFile())
        return {};
    // An icon file holds several sizes: the largest that fits the marker is the sharpest.
    QImageReader reader(file);
    QImage best;
    const auto fits = [](const QImage &image) { return image.width() <= Side && image.height() <= Side; };
    for (int n = 0; n < 16; ++n) { // an animation would go on; icons hold a few sizes
        const QImage image = reader.read();
        const bool better = best.isNull() || (fits(image) && !fits(best))
            || (fits(image) == fits(best) && image.width() > best.width());
        if (!image.isNull() && better)
            best = image;
        if (!reader.jumpToNextImage())
            break;
    }
    if (best.width() > Side || best.height() > Side)
        best = best.scaled(Side, Side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return best.isNull() ? best : best.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage MapMarkerIcons::defaultIcon(MapMarkerKind kind)
{
    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 28, 20), 2));
    switch (kind) {
    case MapMarkerKind::Player: // a pawn's head and body
        painter.setBrush(QColor(44, 90, 200));
        painter.drawEllipse(QRectF(11, 3, 10, 10));
        painter.drawPolygon(QPolygonF({ { 10, 29 }, { 22, 29 }, { 18, 14 }, { 14, 14 } }));
        break;
    case MapMarkerKind::Object: // a chest
        painter.setBrush(QColor(150, 92, 40));
        painter.drawRect(QRectF(5, 10, 22, 17));
        painter.drawLine(QPointF(5, 16), QPointF(27, 16));
        break;
    default: // a pinned note
        painter.setBrush(QColor(250, 236, 170));
        painter.drawRect(QRectF(6, 7, 20, 22));
        painter.setBrush(QColor(200, 36, 36));
        painter.drawEllipse(QRectF(13, 4, 6, 6));
        break;
    }
    return image;
}

} // namespace Velmora
