#include "core/table/DiceExpression.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// A number of at most five digits that lies in 1..32767 (0 too when `allowZero`), else -1.
int readPart(const QString &digits, bool allowZero)
{
    const int value = digits.size() <= 5 ? digits.toInt() : -1;
    return value <= 32767 && (value >= 1 || (allowZero && value == 0)) ? value : -1;
}

} // namespace

Result<DiceExpression> DiceExpression::parse(const QString &text)
{
    static const QRegularExpression shape(u"^(\\d+)[dD](\\d+)(?:([+-])(\\d+))?$"_s);
    const QRegularExpressionMatch match = shape.match(text);
    const QString quoted = u'"' + text + u'"';
    if (!match.hasMatch())
        return Error{QString(), tr("%1 is not a roll: write NdS, NdS+M or NdS-M, such as 3d6+2").arg(quoted)};
    DiceExpression expression;
    expression.count = readPart(match.captured(1), false);
    expression.sides = readPart(match.captured(2), false);
    const int modifier = match.hasCaptured(4) ? readPart(match.captured(4), true) : 0;
    if (expression.count < 0)
        return Error{QString(), tr("%1: the number of dice must be 1 to 32767").arg(quoted)};
    if (expression.sides < 0)
        return Error{QString(), tr("%1: the number of sides must be 1 to 32767").arg(quoted)};
    if (modifier < 0)
        return Error{QString(), tr("%1: the modifier must be 0 to 32767").arg(quoted)};
    expression.modifier = match.captured(3) == u"-"_s ? -modifier : modifier;
    return expression;
}

} // namespace Velmora
