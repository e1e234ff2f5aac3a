#include "gui/maps/MapRenderer.h"

#include "core/maps/MapGeometry.h"

#include <QPainter>

#include <algorithm>

namespace Velmora {

namespace {

constexpr MapMarkerKind DrawingOrder[] = { MapMarkerKind::Player, MapMarkerKind::Object, MapMarkerKind::Note };

QColor gridColour(int colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

} // namespace

qsizetype markerCount(const MapScene &scene, MapMarkerKind kind)
{
    switch (kind) {
    case MapMarkerKind::Player:
        return scene.players.size();
    case MapMarkerKind::Object:
        return scene.objects.size();
    case MapMarkerKind::Note:
        return scene.notes.size();
    default:
        return 0;
    }
}

QPointF markerPosition(const MapScene &scene, MapRenderer::Marker m)
{
    if (m.kind == MapMarkerKind::Player)
        return { scene.players.at(m.index).x, scene.players.at(m.index).y };
    if (m.kind == MapMarkerKind::Object)
        return { scene.objects.at(m.index).x, scene.objects.at(m.index).y };
    return { scene.notes.at(m.index).x, scene.notes.at(m.index).y };
}

QString markerKey(const MapScene &scene, MapRenderer::Marker m)
{
    if (m.kind == MapMarkerKind::Player)
        return scene.players.at(m.index).name;
    if (m.kind == MapMarkerKind::Object)
        return scene.objects.at(m.index).name;
    return scene.notes.at(m.index).key;
}

QString markerIcon(const MapScene &scene, MapRenderer::Marker m)
{
    if (m.kind == MapMarkerKind::Player)
        return scene.players.at(m.index).icon;
    if (m.kind == MapMarkerKind::Object)
        return scene.objects.at(m.index).icon;
    return scene.notes.at(m.index).icon;
}

MapRenderer::MapRenderer(MapMarkerIcons &icons)
    : m_icons(icons)
{
}

QSize MapRenderer::layoutSize(int mode, QSize picture, QSize control)
{
    if (mode == 2)
        return control;
    // Mode 1, which the program itself never asks for, fits the picture into the control
    // keeping its proportions, at the top-left corner.
    if (mode == 1 && !picture.isEmpty())
        return picture.scaled(control, Qt::KeepAspectRatio);
    return picture; // 0 and anything else: the picture's own size
}

QImage MapRenderer::render(const MapScene &scene, QSize displayed)
{
    QImage image(displayed, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, scene, displayed);
    return image;
}

void MapRenderer::paint(QPainter &painter, const MapScene &scene, QSize displayed, QRect exposed)
{
    const QRect surface(QPoint(), displayed);
    exposed = exposed.isEmpty() ? surface : exposed.intersected(surface);
    if (exposed.isEmpty() || scene.picture.isNull())
        return;
    painter.save();
    painter.setClipRect(exposed);
    paintPicture(painter, scene.picture, displayed, exposed);
    if (scene.gridVisible && MapGeometry::drawable(scene.grid))
        paintGrid(painter, scene, displayed, exposed);
    paintMarkers(painter, scene, displayed, exposed);
    painter.restore();
}

void MapRenderer::paintPicture(QPainter &painter, const QImage &picture, QSize displayed, QRect exposed)
{
    const MapFactors f = MapGeometry::factors(picture.size(), displayed);
    if (f == MapFactors {}) {
        painter.drawImage(exposed.topLeft(), picture, exposed);
        return;
    }
    // Only the source pixels under the exposed part are scaled, whole pixels so no seam shows.
    const QRect source = QRectF(exposed.x() / f.x, exposed.y() / f.y, exposed.width() / f.x, exposed.height() / f.y)
                             .toAlignedRect()
                             .intersected(picture.rect());
    const QRectF target(source.x() * f.x, source.y() * f.y, source.width() * f.x, source.height() * f.y);
    painter.drawImage(target, picture, source);
}

void MapRenderer::paintGrid(QPainter &painter, const MapScene &scene, QSize displayed, QRect exposed)
{
    painter.setPen(QPen(gridColour(scene.grid.Colour), 0));
    const QSize picture = scene.picture.size();
    for (int x : MapGeometry::verticalLines(scene.grid, picture, displayed)) {
        if (x >= exposed.left() && x <= exposed.right())
            painter.drawLine(x, exposed.top(), x, exposed.bottom());
    }
    for (int y : MapGeometry::horizontalLines(scene.grid, picture, displayed)) {
        if (y >= exposed.top() && y <= exposed.bottom())
            painter.drawLine(exposed.left(), y, exposed.right(), y);
    }
}

void MapRenderer::paintMarkers(QPainter &painter, const MapScene &scene, QSize displayed, QRect exposed)
{
    for (MapMarkerKind kind : DrawingOrder) {
        for (qsizetype i = 0; i < markerCount(scene, kind); ++i) {
            const QRect where = markerRect(scene, { kind, i }, displayed);
            if (where.intersects(exposed))
                painter.drawImage(where.topLeft(), m_icons.icon(kind, markerIcon(scene, { kind, i })));
        }
    }
}

QRect MapRenderer::markerRect(const MapScene &scene, Marker marker, QSize displayed)
{
    const MapFactors f = MapGeometry::factors(scene.picture.size(), displayed);
    const QPointF at = f.toSurface(markerPosition(scene, marker));
    const QImage &icon = m_icons.icon(marker.kind, markerIcon(scene, marker));
    return QRect(QPoint(MapGeometry::round(at.x()), MapGeometry::round(at.y())), icon.size());
}

std::optional<MapRenderer::Marker> MapRenderer::markerAt(const MapScene &scene, QSize displayed, QPoint point)
{
    // Notes are drawn last, so they are on top.
    for (auto kind = std::rbegin(DrawingOrder); kind != std::rend(DrawingOrder); ++kind) {
        for (qsizetype i = markerCount(scene, *kind) - 1; i >= 0; --i) {
            if (markerRect(scene, { *kind, i }, displayed).contains(point))
                return Marker { *kind, i };
        }
    }
    return std::nullopt;
}

} // namespace Velmora
