#include "core/options/CustomTool.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Velmora {

std::optional<CustomTool> CustomTool::fromItem(const QString &item)
{
    const QStringList fields = item.split(u';');
    if (fields.size() < 3)
        return std::nullopt;
    return CustomTool{fields.at(0), fields.at(1), fields.mid(2).join(u';')};
}

QString CustomTool::toItem() const
{
    return name + u';' + path + u';' + commandLine;
}

QJsonObject CustomTool::toJson() const
{
    return {{u"name"_s, name}, {u"path"_s, path}, {u"commandLine"_s, commandLine}};
}

} // namespace Velmora
