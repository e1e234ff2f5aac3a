#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace Velmora {

/// The values a long list repeats, kept once while the list is read: the hit points, armour
/// classes and sizes of a Battle Box or a statistics list come back row after row, and sharing
/// one string for them spares an allocation per field and the memory of every copy.
///
/// Each column keeps the values it met most recently in a small table; a value not found there
/// is copied and takes its slot. A value equal to the row before's is found first.
class SharedValues
{
public:
    /// `value` as a string: the one already kept for an equal value of `column`, else a copy.
    QString text(int column, QStringView value);

private:
    static constexpr int SlotBits = 9; // 512 values per column

    struct Column
    {
        std::vector<QString> byHash; // by hash of the value
        const QString *last = nullptr; // the column's value in the row before
    };
    std::vector<Column> m_columns;
};

} // namespace Velmora
