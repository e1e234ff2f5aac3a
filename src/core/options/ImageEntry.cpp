#include "core/options/ImageEntry.h"

#include "core/common/AppFolder.h"

using namespace Qt::StringLiterals;

namespace Velmora {

// The shipped pictures, stored relative to the application folder.
QList<ImageEntry> ImageEntry::defaultList()
{
    return {
        {u"main"_s, AppFolder::relativeForm(u"Pictures/Main.bmp"_s)},
        {u"class"_s, AppFolder::relativeForm(u"Pictures/Classes.bmp"_s)},
        {u"calendar"_s, AppFolder::relativeForm(u"Pictures/Calendar.bmp"_s)},
        {u"about"_s, AppFolder::relativeForm(u"Pictures/About.bmp"_s)},
        {u"tip"_s, AppFolder::relativeForm(u"Pictures/Tip Of The Day.jpg"_s)},
    };
}

QString ImageEntry::defaultPath(const QString &key)
{
    for (const ImageEntry &entry : defaultList()) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.path;
    }
    return QString();
}

std::optional<ImageEntry> ImageEntry::fromItem(const QString &item)
{
    const qsizetype split = item.indexOf(u';');
    if (split <= 0)
        return std::nullopt;
    return ImageEntry{item.left(split), item.mid(split + 1)};
}

QString ImageEntry::toItem() const
{
    return key + u';' + path;
}

QJsonObject ImageEntry::toJson() const
{
    return {{u"key"_s, key}, {u"path"_s, path}};
}

} // namespace Velmora
