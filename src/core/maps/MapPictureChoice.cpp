#include "core/maps/MapPictureChoice.h"

#include "core/common/AppFolder.h"
#include "core/common/FileNames.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

bool hasKey(const QList<MapEntry> &maps, const QString &key)
{
    return std::any_of(maps.cbegin(), maps.cend(), [&](const MapEntry &map) { return map.key == key; });
}

} // namespace

MapPictureChoice MapPictureChoice::choose(
    const QString &chosen, const QList<MapEntry> &maps, bool isNew, const AppFolder &folder)
{
    if (!isNew || !hasKey(maps, FileNames::FileBaseName(chosen)))
        return { Outcome::Use, chosen, {}, {} };
    const QString duplicate = tr("There is already a map by that name in the collection.");
    const QString campaigns = folder.file(u"Campaigns"_s);
    if (FileNames::IsInFolder(chosen, campaigns))
        return { Outcome::Duplicate, {}, tr("Map Duplicate"), duplicate };
    const Result<QString> copy = FileNames::CopyToFolder(chosen, campaigns);
    if (!copy)
        return { Outcome::CopyFailed, {}, tr("File Error"), tr("Error copying file.") };
    // The folder in the system's own separators: on Windows the program folder and "\Campaigns".
    const QString message = duplicate + u"\r\n"_s
        + tr("This new map will be renamed '%1' and moved to '%2'")
              .arg(FileNames::FileBaseName(*copy), QDir::toNativeSeparators(campaigns));
    return { Outcome::Copied, *copy, tr("Map Duplicate"), message };
}

} // namespace Velmora
