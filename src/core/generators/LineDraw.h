#pragma once

#include <QStringList>

#include <optional>

namespace Velmora {

class RandomSource;

/// The draw of one line of a list read from a text file whose line 0 is a title: the oracle's
/// answers and the event generator's events.
class LineDraw
{
public:
    /// Draws of a line before the draw gives up.
    static constexpr int MaxDraws = 1000;

    /// Whether `line` can be shown: past the title, inside the list and not blank (a line of
    /// blanks shows no more than an empty one).
    static bool isDrawable(const QStringList &lines, qsizetype line);
    /// A line k from 1 on, the nearest whole number to (n - 1) * r + 1 (an exact half goes to the
    /// even one) for n lines, drawn again while it is past the last line or blank.
    /// The repetition would never end on a list without a drawable line, so it is checked before
    /// the first draw; and a source that keeps giving an unusable r (as a scripted one can) ends
    /// after MaxDraws draws. std::nullopt in both cases.
    static std::optional<qsizetype> draw(const QStringList &lines, RandomSource &random);
    /// The nearest whole number to x, an exact half to the even one.
    static qsizetype nearest(float x);
};

} // namespace Velmora
