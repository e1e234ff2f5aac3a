#pragma once

#include <QString>
#include <QStringView>

namespace Velmora {

/// The short values that campaigns repeat ("+2", "Human", "1d8+2"), kept once for the life of
/// the program. A string of the pool is a QString over data that is never freed: copying and
/// releasing it touch no reference count, where a shared string costs an atomic operation each
/// time, hundreds of thousands of times in a long list. The pool is bounded; once full, values
/// stay ordinary strings. Safe to use from any thread.
class InternPool
{
public:
    static constexpr qsizetype MaxLength = 64;         // longer values are not kept
    static constexpr qsizetype Capacity = 1024 * 1024; // characters in all

    /// `value` as a string of the pool; a null QString when it is empty, too long or the pool
    /// is full.
    static QString intern(QStringView value);
};

} // namespace Velmora
