#pragma once

#include <QString>

namespace Velmora {

/// One row of a reference list: the text shown, where it leads (a path in the campaign's stored
/// form, or a web address), the key of a class item, and whether it is one of the shipped
/// default classes, which the list shows in blue.
struct ReferenceItem
{
    QString text;
    QString location;
    QString key; ///< class lists only: the text without spaces ("ArcaneArcher")
    bool isDefault = false; ///< a shipped default class

    bool operator==(const ReferenceItem &) const = default;
};

} // namespace Velmora
