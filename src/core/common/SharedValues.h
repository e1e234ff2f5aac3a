#pragma once

#include <QString>
#include <QStringView>

#include <cstring>
#include <vector>

namespace Velmora {

/// The values a long list repeats, kept once while the list is read: the hit points, armour
/// classes and sizes of a Battle Box or a statistics list come back row after row, and sharing
/// one string for them spares an allocation per field and the memory of every copy.
///
/// Each column keeps the values it met most recently in a small table; a value not found there
/// is copied and takes its slot. A value equal to the row before's is found first. A value met
/// a second time moves to the InternPool, whose strings copy without touching a reference
/// count. A column whose values are nearly all new (the names of a list) is soon only copied:
/// looking its values up would cost more than it spares.
class SharedValues
{
public:
    /// `value` as a string: the one already kept for an equal value of `column`, else a copy.
    QString text(int column, QStringView value)
    {
        // Inline, the common case: the value of the row before, already in the pool.
        if (size_t(column) < m_columns.size()) {
            const Slot *last = m_columns[size_t(column)].last;
            if (last && last->interned && same(last->text, value))
                return last->text;
        }
        return lookUp(column, value);
    }

private:
    // Equal texts, compared a word at a time in the registers: a call to memcmp costs more than
    // the comparison itself for values this short. The last word may overlap the one before.
    static bool same(const QString &kept, QStringView value)
    {
        if (kept.size() != value.size())
            return false;
        const auto *a = reinterpret_cast<const char *>(kept.constData());
        const auto *b = reinterpret_cast<const char *>(value.data());
        const qsizetype bytes = value.size() * qsizetype(sizeof(char16_t));
        const auto equalAt = [a, b]<typename Word>(Word, qsizetype at) {
            Word x, y;
            std::memcpy(&x, a + at, sizeof x);
            std::memcpy(&y, b + at, sizeof y);
            return x == y;
        };
        if (bytes >= 8) {
            for (qsizetype at = 0; at + 8 < bytes; at += 8) {
                if (!equalAt(quint64(), at))
                    return false;
            }
            return equalAt(quint64(), bytes - 8);
        }
        if (bytes >= 4)
            return equalAt(quint32(), 0) && equalAt(quint32(), bytes - 4);
        return bytes == 0 || equalAt(quint16(), 0);
    }
    QString lookUp(int column, QStringView value);

    static constexpr int SlotBits = 9; // 512 values per column
    static constexpr int Trial = 256;   // values looked up before a column may be given up
    static constexpr int Worthwhile = 32; // ... of which at least this many were found

    struct Slot
    {
        QString text;
        bool interned = false; // text is the InternPool's (or the pool had no room for it)
    };
    struct Column
    {
        std::vector<Slot> byHash; // by hash of the value
        Slot *last = nullptr; // the column's value in the row before
        int looked = 0;
        int found = 0;
    };
    std::vector<Column> m_columns;
};

} // namespace Velmora
