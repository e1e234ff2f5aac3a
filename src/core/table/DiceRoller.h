#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace Velmora {

class RandomSource;

/// One roll of the dice roller: every face in the order it was drawn, and the total (the faces
/// summed, then the modifier added or subtracted).
struct DiceRoll
{
    QList<int> faces;
    int total = 0;

    bool operator==(const DiceRoll &) const = default;
};

/// The dice roller apart from its widgets: the eight die kinds of its buttons, the texts it
/// shows, how its two fields are read and stepped, and the roll itself. The window keeps the
/// field texts and the result label; everything it decides comes from here.
class DiceRoller
{
    Q_DECLARE_TR_FUNCTIONS(DiceRoller)

public:
    static constexpr int KindCount = 8;   // cmdDice 0 to 7 roll a die kind
    static constexpr int RangeButton = 8; // cmdDice 8 opens the range dialog
    static constexpr int MaxDice = 32767; // the count is a 16-bit number
    static constexpr int MaxSides = 32767;

    /// The sides of the die of button `index` 0 to 7 (3, 4, 6, 8, 10, 12, 20, 100); 0 for others.
    static int Sides(int index);
    /// "d3" ... "d100" for 0 to 7, "Rand" for 8; "" for others.
    static QString Caption(int index);
    /// The menu command that rolls kind `index` 0 to 7: "Dice roll 3", "Roll dice 6", ...
    static QString MenuCaption(int index);
    static QString FrameCaption();
    static QString MenuTitle();
    static QString ModifierLabel();
    static QString UpToolTip();
    static QString DownToolTip();

    static QString InitialCount() { return QStringLiteral("1"); }
    static QString InitialModifier() { return QStringLiteral("0"); }
    static QString InitialResult() { return QStringLiteral("0"); }

    /// What a field shows after an edit: an emptied count becomes "1", an emptied modifier "0";
    /// any other text stays as typed.
    static QString CountAfterEdit(const QString &text);
    static QString ModifierAfterEdit(const QString &text);

    /// The number of dice a field holds, 1 to 32767. The fields accept any key, so: the leading
    /// whole number counts ("3 dice" is 3); a text without one, and a count below one, roll one
    /// die, as the emptied field does; a count past 16 bits rolls the most there can be.
    static int ReadCount(const QString &text);
    /// The modifier a field holds: its leading whole number clamped to 16 bits, 0 without one.
    static int ReadModifier(const QString &text);
    /// The leading whole number of `text` (an optional sign, then digits, blanks around ignored)
    /// clamped to -32768..32767; `fallback` when there is none.
    static int ReadInt16(const QString &text, int fallback);

    /// "Up by one": the count + 1, at most 32767.
    static QString StepUp(const QString &countText);
    /// "Down by one": the count - 1 while it is at least 2; otherwise the text is unchanged.
    static QString StepDown(const QString &countText);

    /// `count` (0 to 32767) faces of 1 to `sides` from `random` (each the whole part of
    /// sides * r, plus 1), then the 16-bit modifier added, or subtracted when `subtract`.
    /// Sides outside 1 to 32767 roll nothing.
    static DiceRoll Roll(RandomSource &random, int count, int sides, int modifier, bool subtract = false);
    /// The roll a die button makes from the two field texts and the chosen sign.
    static DiceRoll RollFields(
        RandomSource &random, const QString &countText, int sides, const QString &modifierText, bool subtract);
    /// The result label's text.
    static QString ResultText(const DiceRoll &roll) { return QString::number(roll.total); }
};

} // namespace Velmora
