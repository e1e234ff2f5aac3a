#pragma once

#include <QString>
#include <QStringView>

namespace Velmora {

/// Numbers as our files write them, whatever the user's locale: "." as the decimal point.
class NumberText
{
public:
    /// A single-precision number in its shortest form with up to seven significant digits:
    /// 1399.748, 899.7166, 3600, 0, -12.5.
    static QString single(float value);
    /// Reads a number written by single() (or any plain decimal); std::nullopt-like `ok`.
    static float toSingle(QStringView text, bool *ok = nullptr);
    /// The leading whole number of a text, as a 16-bit integer: "12abc" gives 12, no digits or a
    /// number out of range give 0.
    static int leadingInt16(const QString &text);
};

} // namespace Velmora
