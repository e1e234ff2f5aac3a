#pragma once

#include "core/maps/MapGeometry.h"

#include <QList>
#include <QPointF>
#include <QString>

namespace Velmora {

/// The path the middle button draws to measure a distance. Points are kept in picture units, so
/// zooming does not change a distance; lengths are measured in surface units of the unzoomed
/// view (the factors given), which at full size are the picture's own.
class DistancePath
{
public:
    static constexpr int MaxPoints = 20000;
    static constexpr int MinStep = 50; ///< a new point only when it is more than this far away

    /// `surfacePerPicture`: the view's factors at 100 %. `grid` and `picture` give the squares.
    DistancePath(const MapFactors &surfacePerPicture, const oGrid &grid, QSize picture);

    /// The first point, at whole surface units.
    void start(QPointF picture);
    /// Records `picture` when it lies more than MinStep from the last point and the list is not
    /// full. True when it did.
    bool extend(QPointF picture);

    const QList<QPointF> &points() const { return m_points; }
    int total() const { return m_total; }
    /// Squares along the path, or -1 when the map has no drawable grid.
    int squares() const;
    /// The distance label: the total as "##,###", then squares and feet when there is a grid.
    QString label() const;

    /// `value` as "##,###": thousands with ",", and nothing at all for 0.
    static QString thousands(qint64 value);
    /// Squares of a move of dx by dy cells: every second diagonal step counts double.
    static int squaresOf(int dx, int dy);

private:
    QPointF wholeSurface(QPointF picture) const;

    MapFactors m_factors;
    GridCells m_cells;
    QList<QPointF> m_points;
    int m_total = 0;
};

} // namespace Velmora
