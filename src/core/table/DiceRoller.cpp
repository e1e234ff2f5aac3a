#include "core/table/DiceRoller.h"

#include "core/common/RandomSource.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr std::array<int, DiceRoller::KindCount> KindSides = {3, 4, 6, 8, 10, 12, 20, 100};

bool isKind(int index)
{
    return index >= 0 && index < DiceRoller::KindCount;
}

} // namespace

int DiceRoller::Sides(int index)
{
    return isKind(index) ? KindSides[size_t(index)] : 0;
}

QString DiceRoller::Caption(int index)
{
    if (index == RangeButton)
        return tr("Rand");
    return isKind(index) ? u"d"_s + QString::number(Sides(index)) : QString();
}

QString DiceRoller::MenuCaption(int index)
{
    // The six-sided roll has always been worded the other way round.
    if (index == 2)
        return tr("Roll dice 6");
    return isKind(index) ? tr("Dice roll %1").arg(Sides(index)) : QString();
}

QString DiceRoller::FrameCaption()
{
    return tr("Dice Roller");
}

QString DiceRoller::MenuTitle()
{
    return tr("D&ices and Turns");
}

QString DiceRoller::ModifierLabel()
{
    return tr("Modifier");
}

QString DiceRoller::UpToolTip()
{
    return tr("Up by one");
}

QString DiceRoller::DownToolTip()
{
    return tr("Down by one");
}

QString DiceRoller::CountAfterEdit(const QString &text)
{
    return text.isEmpty() ? InitialCount() : text;
}

QString DiceRoller::ModifierAfterEdit(const QString &text)
{
    return text.isEmpty() ? InitialModifier() : text;
}

int DiceRoller::ReadInt16(const QString &text, int fallback)
{
    const QString t = text.trimmed();
    qsizetype digitsFrom = (t.startsWith(u'-') || t.startsWith(u'+')) ? 1 : 0;
    qsizetype end = digitsFrom;
    while (end < t.size() && t.at(end) >= u'0' && t.at(end) <= u'9')
        ++end;
    if (end == digitsFrom)
        return fallback;
    // Leading zeros cannot overflow; any other run longer than five digits is out of range anyway.
    while (digitsFrom < end - 1 && t.at(digitsFrom) == u'0')
        ++digitsFrom;
    const bool negative = t.startsWith(u'-');
    if (end - digitsFrom > 5)
        return negative ? -32768 : 32767;
    const int magnitude = t.mid(digitsFrom, end - digitsFrom).toInt();
    return std::clamp(negative ? -magnitude : magnitude, -32768, 32767);
}

int DiceRoller::ReadCount(const QString &text)
{
    return std::max(ReadInt16(text, 1), 1);
}

int DiceRoller::ReadModifier(const QString &text)
{
    return ReadInt16(text, 0);
}

QString DiceRoller::StepUp(const QString &countText)
{
    return QString::number(std::min(ReadCount(countText) + 1, MaxDice));
}

QString DiceRoller::StepDown(const QString &countText)
{
    const int count = ReadCount(countText);
    return count >= 2 ? QString::number(count - 1) : countText;
}

// The result label once held a 16-bit number, and a big roll overflowed it. The total is kept
// whole instead: 32767 dice of 32767 sides and any modifier still fit an int, so the label
// always shows the true sum.
DiceRoll DiceRoller::Roll(RandomSource &random, int count, int sides, int modifier, bool subtract)
{
    DiceRoll roll;
    if (sides < 1 || sides > MaxSides)
        return roll;
    count = std::clamp(count, 0, MaxDice);
    roll.faces.reserve(count);
    for (int i = 0; i < count; ++i) {
        // An r just below 1 can round up to `sides` in single precision; the face stays a face.
        const int face = std::min(random.roll(sides), sides);
        roll.faces << face;
        roll.total += face;
    }
    roll.total += subtract ? -modifier : modifier;
    return roll;
}

DiceRoll DiceRoller::RollFields(
    RandomSource &random, const QString &countText, int sides, const QString &modifierText, bool subtract)
{
    return Roll(random, ReadCount(countText), sides, ReadModifier(modifierText), subtract);
}

} // namespace Velmora
