#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace Velmora {

class RandomSource;

/// The range dialog (frmRandom) apart from its widgets: its texts, which keys its two bound
/// fields take, when "Roll !" and "OK" may be pressed, what leaving a bound field does, and the
/// draw. A range needs a span of at least 3: from 1 to 3 is refused, from 1 to 4 draws 1 to 4.
class RandomRangeRules
{
    Q_DECLARE_TR_FUNCTIONS(RandomRangeRules)

public:
    static constexpr int MinSpan = 3;
    /// Where the dialog opens, in twips from the main window's left and top edges.
    static constexpr int LeftOffset = 4000;
    static constexpr int TopOffset = 1800;

    static QString Caption();
    static QString FrameCaption();
    static QString FromLabel();
    static QString ToLabel();
    static QString ResultLabel();
    static QString GenerateCaption();
    static QString OkCaption();
    static QString CancelCaption();

    static QString InitialFrom() { return QStringLiteral("1"); }
    static QString InitialTo() { return QStringLiteral("100"); }

    /// The bound fields take only the digits, Backspace and Enter as typed characters.
    static bool AcceptsCharacter(QChar c);
    /// What a bound field shows after an edit: an emptied "from" becomes "0", an emptied "to"
    /// becomes "100"; any other text stays.
    static QString FromAfterEdit(const QString &text);
    static QString ToAfterEdit(const QString &text);

    /// A bound read as a 16-bit number: its leading whole number, clamped, 0 without one (a
    /// pasted text can hold anything).
    static int ReadBound(const QString &text);
    /// to - from is at least 3: "Roll !" is enabled.
    static bool IsValid(const QString &from, const QString &to);

    /// Leaving a bound field: with a valid range the field keeps its text and its normal colour;
    /// with an invalid one it is `refused`: it takes `text` ("0" for from, "100" for to), the
    /// program beeps, colours it yellow and puts the focus back in it.
    struct Leave
    {
        QString text;
        bool refused = false;

        bool operator==(const Leave &) const = default;
    };
    static Leave LeaveFrom(const QString &from, const QString &to);
    static Leave LeaveTo(const QString &from, const QString &to);

    /// "Roll !": the whole part of (to - from + 1) * r + from, in single precision, from
    /// `random`. std::nullopt, without a draw, for an invalid range.
    static std::optional<int> Draw(RandomSource &random, const QString &from, const QString &to);
    /// "OK" is enabled while there is a result.
    static bool CanAccept(const QString &result) { return !result.isEmpty(); }
};

} // namespace Velmora
