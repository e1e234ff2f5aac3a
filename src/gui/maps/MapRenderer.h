#pragma once

#include "gui/maps/MapMarkerIcons.h"
#include "gui/maps/MapScene.h"

#include <QRect>
#include <QSize>

#include <optional>

class QPainter;

namespace Velmora {

/// Paints a map: the picture, the grid over it and the markers, in that order (players, then
/// objects, then notes). The view, the saved picture, printing and velmora-cli all paint
/// through it, so they show the same thing.
class MapRenderer
{
public:
    /// One marker of a scene: its kind and its position in that kind's list.
    struct Marker
    {
        MapMarkerKind kind = MapMarkerKind::Surface;
        qsizetype index = -1;
    };

    explicit MapRenderer(MapMarkerIcons &icons);

    /// The surface size of a picture laid out in `mode` for a control of `control` pixels.
    static QSize layoutSize(int mode, QSize picture, QSize control);

    /// Paints the surface of `displayed` size; only what meets `exposed` when it is not empty.
    void paint(QPainter &painter, const MapScene &scene, QSize displayed, QRect exposed = {});
    QImage render(const MapScene &scene, QSize displayed);

    /// Where a marker is drawn on the surface.
    QRect markerRect(const MapScene &scene, Marker marker, QSize displayed);
    /// The topmost marker under `point` of the surface, if any.
    std::optional<Marker> markerAt(const MapScene &scene, QSize displayed, QPoint point);

private:
    void paintPicture(QPainter &painter, const QImage &picture, QSize displayed, QRect exposed);
    void paintGrid(QPainter &painter, const MapScene &scene, QSize displayed, QRect exposed);
    void paintMarkers(QPainter &painter, const MapScene &scene, QSize displayed, QRect exposed);

    MapMarkerIcons &m_icons;
};

/// A marker's stored position in picture units, key and icon, whatever its kind.
QPointF markerPosition(const MapScene &scene, MapRenderer::Marker marker);
QString markerKey(const MapScene &scene, MapRenderer::Marker marker);
QString markerIcon(const MapScene &scene, MapRenderer::Marker marker);
qsizetype markerCount(const MapScene &scene, MapMarkerKind kind);

} // namespace Velmora
