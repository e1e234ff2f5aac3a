#pragma once

#include "core/common/Result.h"
#include "core/table/DiceRoller.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

/// A roll written as text, "NdS", "NdS+M" or "NdS-M" ("3d6+2"): N dice of S sides, then M added
/// or subtracted. How the command line asks for a roll.
struct DiceExpression
{
    Q_DECLARE_TR_FUNCTIONS(DiceExpression)

public:
    int count = 1;    // N, 1 to 32767
    int sides = 6;    // S, 1 to 32767
    int modifier = 0; // +M or -M, -32767 to 32767

    /// Blanks are not allowed and "d" may be "D". The error says what is wrong with `text`
    /// (its path is empty).
    static Result<DiceExpression> parse(const QString &text);
    DiceRoll roll(RandomSource &random) const { return DiceRoller::Roll(random, count, sides, modifier); }

    bool operator==(const DiceExpression &) const = default;
};

} // namespace Velmora
