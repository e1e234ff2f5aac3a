#pragma once

#include "core/maps/oGrid.h"

#include <QList>
#include <QPointF>
#include <QSize>

namespace Velmora {

/// How a map's picture units turn into surface units, one factor per axis: displayed size ÷
/// picture size. At full size both are 1; stretched, each axis has its own.
struct MapFactors
{
    double x = 1;
    double y = 1;

    QPointF toSurface(QPointF picture) const { return { picture.x() * x, picture.y() * y }; }
    QPointF toPicture(QPointF surface) const { return { surface.x() / x, surface.y() / y }; }
    bool operator==(const MapFactors &) const = default;
};

/// A grid's cells: in picture units (each rounded) and as drawn (scaled and rounded again).
struct GridCells
{
    int pictureWidth = 0;
    int pictureHeight = 0;
    int width = 0;
    int height = 0;
};

/// The grid over a map and the factors between picture and surface, without a window.
class MapGeometry
{
public:
    /// Displayed size ÷ picture size per axis; 1 for an axis whose picture size is 0.
    static MapFactors factors(QSize picture, QSize displayed);
    /// A grid with fewer than 2 horizontal divisions is never drawn.
    static bool drawable(const oGrid &grid) { return grid.X >= 2; }
    static GridCells cells(const oGrid &grid, QSize picture, const MapFactors &factors);
    /// x of each full-height line, left to right; none when the grid is not drawable.
    static QList<int> verticalLines(const oGrid &grid, QSize picture, QSize displayed);
    /// y of each full-width line, top to bottom; at least one when the grid is drawable.
    static QList<int> horizontalLines(const oGrid &grid, QSize picture, QSize displayed);
    /// Whole numbers as the map view rounds them: halves to even.
    static int round(double value);
};

} // namespace Velmora
