#pragma once

#include <QString>
#include <QStringView>

namespace Velmora {

/// The instruction of an RTF field ("{\*\fldinst ...}"), as Word's field codes write it.
class RtfField
{
public:
    /// The target of a HYPERLINK field: its address, "address#bookmark" with the \l switch, or
    /// "#bookmark" alone; "" for any other field. Inside quotes "\\" stands for "\" and "\""
    /// for '"'.
    static QString hyperlinkTarget(QStringView instruction);
};

} // namespace Velmora
