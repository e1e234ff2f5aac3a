#include "gui/documents/ShortcutRelocator.h"

#include "core/documents/ShortcutRelocation.h"
#include "gui/ui/Platform.h"

#include <QObject>

using namespace Qt::StringLiterals;

namespace Velmora {

ShortcutRelocator::ShortcutRelocator(Platform &platform, AppFolder folder)
    : m_platform(platform)
    , m_folder(std::move(folder))
{
}

QString ShortcutRelocator::relocate(QList<Shortcut> &items, qsizetype row) const
{
    if (row < 0 || row >= items.size())
        return {};
    const QString look = QObject::tr("Ths file may have moved.") + u"\r\n"_s
                         + QObject::tr("Would you like to look for its new localisaton ?");
    if (m_platform.message(QObject::tr("File Not Found"), look, MessageButtons::YesNo, MessageIcon::Question)
        != MessageAnswer::Yes)
        return {};

    const ShortcutRelocation::Search search = ShortcutRelocation::searchFor(m_folder.storedFile(items[row].location));
    FileDialogRequest request;
    request.title = QObject::tr("Find File New Localisation");
    request.filter = search.filter;
    request.initialFolder = search.folder;
    request.initialFileName = search.fileName;
    request.fileMustExist = true;
    const FileDialogResult chosen = m_platform.openFile(request);
    if (!chosen.accepted())
        return {};

    items[row].location = m_folder.storedPath(chosen.path);
    if (m_platform.message(QObject::tr("Propagate Change"),
                           QObject::tr("Do you whish to propagate that change to all other list items ?"),
                           MessageButtons::YesNo, MessageIcon::Question)
        == MessageAnswer::Yes)
        ShortcutRelocation::propagate(items, chosen.path, m_folder);
    return chosen.path;
}

} // namespace Velmora
