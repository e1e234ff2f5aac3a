#include "core/maps/MapGeometry.h"

#include <cmath>
#include <limits>

namespace Velmora {

int MapGeometry::round(double value)
{
    // Halves go to the even neighbour, as every whole-number rounding of the program does.
    const double whole = std::nearbyint(value);
    if (!(whole > std::numeric_limits<int>::min() && whole < std::numeric_limits<int>::max()))
        return 0;
    return int(whole);
}

MapFactors MapGeometry::factors(QSize picture, QSize displayed)
{
    const auto factor = [](int shown, int own) { return own > 0 ? double(shown) / own : 1.0; };
    return { factor(displayed.width(), picture.width()), factor(displayed.height(), picture.height()) };
}

GridCells MapGeometry::cells(const oGrid &grid, QSize picture, const MapFactors &factors)
{
    GridCells cells;
    if (!drawable(grid))
        return cells;
    cells.pictureWidth = round(double(picture.width()) / grid.X);
    cells.pictureHeight = grid.Y == 0 ? cells.pictureWidth : round(double(picture.height()) / grid.Y);
    cells.width = round(cells.pictureWidth * factors.x);
    cells.height = round(cells.pictureHeight * factors.y);
    return cells;
}

QList<int> MapGeometry::verticalLines(const oGrid &grid, QSize picture, QSize displayed)
{
    QList<int> lines;
    const GridCells cell = cells(grid, picture, factors(picture, displayed));
    for (int i = 1; i < grid.X; ++i) {
        const qint64 x = qint64(i) * cell.width;
        // Lines past the right edge would not show; stopping there keeps a huge X cheap.
        if (x > displayed.width() || (cell.width <= 0 && i > 1))
            break;
        lines.append(int(x));
    }
    return lines;
}

QList<int> MapGeometry::horizontalLines(const oGrid &grid, QSize picture, QSize displayed)
{
    QList<int> lines;
    if (!drawable(grid))
        return lines;
    const int step = cells(grid, picture, factors(picture, displayed)).height;
    qint64 y = step;
    do {
        lines.append(int(y));
        y += step;
        // A cell scaled below one pixel would never leave the surface: its one line is all.
    } while (step > 0 && y < displayed.height());
    return lines;
}

} // namespace Velmora
