#include "core/generators/LineDraw.h"

#include "core/common/RandomSource.h"

#include <cmath>

namespace Velmora {

// The default rounding mode rounds an exact half to the even neighbour.
qsizetype LineDraw::nearest(float x) { return static_cast<qsizetype>(std::nearbyint(x)); }

bool LineDraw::isDrawable(const QStringList &lines, qsizetype line)
{
    return line >= 1 && line < lines.size() && !lines.at(line).trimmed().isEmpty();
}

std::optional<qsizetype> LineDraw::draw(const QStringList &lines, RandomSource &random)
{
    bool anyDrawable = false;
    for (qsizetype line = 1; line < lines.size() && !anyDrawable; ++line)
        anyDrawable = isDrawable(lines, line);
    if (!anyDrawable)
        return std::nullopt;
    const auto n = static_cast<float>(lines.size());
    qsizetype k = 0;
    for (int draw = 0; draw < MaxDraws && !isDrawable(lines, k); ++draw)
        k = nearest((n - 1.0f) * random.next() + 1.0f);
    if (!isDrawable(lines, k))
        return std::nullopt;
    return k;
}

} // namespace Velmora
