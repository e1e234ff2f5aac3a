#pragma once

#include <QString>

namespace Velmora {

/// The message a right click on a replaceable picture shows: its size in pixels and its
/// proportions.
class PictureSize
{
public:
    /// "Picture dimensions in pixels (W * H) are 320 * 200" CR LF "Proportions (W/H) are 1.6".
    static QString message(int width, int height);
    /// `ratio` as the pattern "##.##" writes it: no leading zero, at most two decimals, no
    /// trailing zeros, the point always there (2 is "2.", 0.75 is ".75").
    static QString ratioText(double ratio);
};

} // namespace Velmora
