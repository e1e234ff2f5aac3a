#include "core/maps/DistancePath.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr int FeetPerSquare = 5;

} // namespace

DistancePath::DistancePath(const MapFactors &surfacePerPicture, const oGrid &grid, QSize picture)
    : m_factors(surfacePerPicture)
    , m_cells(MapGeometry::cells(grid, picture, surfacePerPicture))
{
}

QPointF DistancePath::wholeSurface(QPointF picture) const
{
    const QPointF surface = m_factors.toSurface(picture);
    return m_factors.toPicture(QPointF(MapGeometry::round(surface.x()), MapGeometry::round(surface.y())));
}

void DistancePath::start(QPointF picture)
{
    m_points = { wholeSurface(picture) };
    m_total = 0;
}

bool DistancePath::extend(QPointF picture)
{
    if (m_points.isEmpty() || m_points.size() >= MaxPoints)
        return false;
    const QPointF step = m_factors.toSurface(picture) - m_factors.toSurface(m_points.last());
    const int d = MapGeometry::round(std::hypot(step.x(), step.y()));
    if (d <= MinStep)
        return false;
    m_points.append(picture);
    m_total += d;
    return true;
}

int DistancePath::squaresOf(int dx, int dy)
{
    dx = std::abs(dx);
    dy = std::abs(dy);
    return std::max(dx, dy) + std::min(dx, dy) / 2;
}

int DistancePath::squares() const
{
    if (m_cells.pictureWidth <= 0 || m_cells.pictureHeight <= 0)
        return -1;
    // A segment's cells are those between the squares its two ends stand in, so a path along a
    // row of squares counts each square it enters once, however its points fall inside them.
    const auto cell = [this](QPointF p) {
        return QPoint(int(std::floor(p.x() / m_cells.pictureWidth)), int(std::floor(p.y() / m_cells.pictureHeight)));
    };
    int count = 0;
    for (qsizetype i = 1; i < m_points.size(); ++i) {
        const QPoint move = cell(m_points.at(i)) - cell(m_points.at(i - 1));
        count += squaresOf(move.x(), move.y());
    }
    return count;
}

QString DistancePath::thousands(qint64 value)
{
    // "##,###" has no digit that must show, so 0 gives an empty text.
    return value == 0 ? QString() : QLocale(QLocale::English).toString(value);
}

QString DistancePath::label() const
{
    const int count = squares();
    if (count < 0)
        return thousands(m_total);
    return u"%1 (%2 squares, %3 ft)"_s.arg(
        thousands(m_total), QString::number(count), QLocale(QLocale::English).toString(qint64(count) * FeetPerSquare));
}

} // namespace Velmora
