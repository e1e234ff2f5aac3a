#pragma once

#include <QJsonObject>
#include <QString>

#include <array>
#include <optional>

namespace Velmora {

class SharedValues;

/// One combatant of the Battle Box (block BATTLEBOX): the turn mark and the fifteen texts of its
/// row. Every value but the mark stays as typed; the initiative's sort key is derived from it.
struct BattleBoxEntry
{
    bool ticked = false;  // has acted this round ("T" / "F")
    QString initiative;   // "Initiative"; sorted through sortKey()
    QString name;         // "Character name"; may end in a copy number: "Orc (3)"
    QString fortitude;    // "Fort"
    QString reflex;       // "Ref"
    QString will;         // "Will"
    QString special;      // "Special" abilities
    QString speed;        // "spd"
    QString armourClass;  // "Ac"
    QString melee;        // "Melee" attack
    QString meleeDamage;  // its "dmg"
    QString ranged;       // "Ranged" attack
    QString rangedDamage; // its "dmg"
    QString hitPoints;    // "hp"
    QString icon;         // player icon reference, carried through save and load only

    static constexpr int FieldCount = 15;
    static constexpr int SortKeyWidth = 6;

    /// The initiative padded on the left with "0" to six characters ("7" gives "000007", "-2"
    /// gives "0000-2"); compared as text, it sorts initiatives as numbers.
    QString sortKey() const { return PadLeftZeros(initiative, SortKeyWidth); }
    /// `text` with "0" put in front until it has `width` characters; a longer text is unchanged.
    static QString PadLeftZeros(const QString &text, int width);

    /// Only entries with a name are saved; a saved entry without one is dropped on reading.
    bool isWritten() const { return !name.isEmpty(); }

    /// 15 fields: "T" or "F", then initiative to hit points, then the icon. Every item is
    /// understood: a first field other than "T" leaves the entry unticked, a missing field stays
    /// empty and anything after the 15th field belongs to the icon. Check isWritten() to drop
    /// the entries without a name. With `shared`, a value the list has already shown shares its
    /// text (SharedValues).
    static std::optional<BattleBoxEntry> fromItem(const QString &item, SharedValues *shared = nullptr);
    QString toItem() const;
    /// The item's 15 fields.
    std::array<QStringView, FieldCount> fields() const;
    QJsonObject toJson() const;

    bool operator==(const BattleBoxEntry &) const = default;
};

} // namespace Velmora
