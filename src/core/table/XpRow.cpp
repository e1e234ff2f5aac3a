#include "core/table/XpRow.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Velmora {

std::optional<XpRow> XpRow::fromItem(const QString &item)
{
    const QStringList fields = item.split(u';');
    if (fields.size() != 3)
        return std::nullopt;
    return XpRow{fields.at(0), fields.at(1), fields.at(2)};
}

QString XpRow::toItem() const
{
    return QStringList{name, xp, needed}.join(u';');
}

QJsonObject XpRow::toJson() const
{
    return QJsonObject{{u"name"_s, name}, {u"xp"_s, xp}, {u"needed"_s, needed}};
}

} // namespace Velmora
