#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace Velmora {

class SharedValues;

/// One character of the statistics list (block STATS): 23 values, all text as typed, in the
/// order of the list's columns. The same order is the dialog's value array and the CSV line.
struct StatsRow
{
    static constexpr int Count = 23;

    QString name;               // 0 "Character name", unique in the list (with case)
    QString classAndLevel;      // 1 "Class and level"
    QString ecl;                // 2 "ECL"
    QString size;               // 3 "Size"
    QString gender;             // 4 "Gender"
    QString alignment;          // 5 "Alignement"
    QString deity;              // 6 "Religion / Patron deity"
    QString height;             // 7 "Height"
    QString weight;             // 8 "Weight"
    QString race;               // 9 "Race"
    QString strength;           // 10 "STR"
    QString dexterity;          // 11 "DEX"
    QString constitution;       // 12 "CON"
    QString intelligence;       // 13 "INT"
    QString wisdom;             // 14 "WIS"
    QString charisma;           // 15 "CHA"
    QString hitPoints;          // 16 "HP"
    QString speed;              // 17 "SPEED"
    QString initiativeModifier; // 18 "Init mod"
    QString fortitude;          // 19 "Fort"
    QString reflex;             // 20 "Reflex"
    QString will;               // 21 "Will"
    QString armourClass;        // 22 "AC"

    /// The 23 values in column order.
    QStringList values() const;
    /// A row from values in column order: missing values stay empty, values past 23 are dropped.
    static StatsRow fromValues(const QStringList &values);

    /// The 23 values joined by ";". std::nullopt unless the item has exactly 23 fields. With
    /// `shared`, a value the list has already shown shares its text (SharedValues).
    static std::optional<StatsRow> fromItem(const QString &item, SharedValues *shared = nullptr);
    QString toItem() const;
    /// The item's fields: the 23 values in column order.
    std::array<QStringView, Count> fields() const;
    QJsonObject toJson() const;

    bool operator==(const StatsRow &) const = default;
};

} // namespace Velmora
