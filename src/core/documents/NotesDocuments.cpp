#include "core/documents/NotesDocuments.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const std::array<QString, NotesDocuments::SlotCount> &keys()
{
    static const std::array<QString, NotesDocuments::SlotCount> all = {u"Notes"_s, u"Last"_s, u"NPCs"_s};
    return all;
}

} // namespace

QString NotesDocuments::key(int slot)
{
    return keys().at(size_t(slot));
}

QString NotesDocuments::defaultFile(int slot)
{
    static const std::array<QString, SlotCount> files = {
        AppFolder::relativeForm(u"Documents/DM Notes.rtf"_s),
        AppFolder::relativeForm(u"Documents/Game Last Left Off.rtf"_s),
        AppFolder::relativeForm(u"Documents/NPCs Have Met.rtf"_s),
    };
    return files.at(size_t(slot));
}

// Relative to the application folder, as the shipped documents are named.
NotesDocuments NotesDocuments::defaults()
{
    NotesDocuments documents;
    for (int slot = 0; slot < SlotCount; ++slot)
        documents.paths[size_t(slot)] = defaultFile(slot);
    return documents;
}

bool NotesDocuments::filesExist(const QStringList &items, const AppFolder &folder)
{
    return std::all_of(items.cbegin(), items.cend(), [&folder](const QString &item) {
        const qsizetype separator = item.indexOf(u';');
        const QString path = separator < 0 ? QString() : item.mid(separator + 1);
        return !path.isEmpty() && QFileInfo(folder.storedFile(path)).isFile();
    });
}

bool NotesDocuments::load(const QStringList &items)
{
    bool understood = true;
    for (const QString &item : items) {
        const qsizetype separator = item.indexOf(u';');
        const auto slot = separator < 0 ? keys().end() : std::find(keys().begin(), keys().end(), item.left(separator));
        if (slot == keys().end()) {
            understood = false;
            continue;
        }
        paths[size_t(slot - keys().begin())] = item.mid(separator + 1);
    }
    return understood;
}

QStringList NotesDocuments::toItems() const
{
    QStringList items;
    for (int slot = 0; slot < SlotCount; ++slot)
        items << key(slot) + u';' + paths[size_t(slot)];
    return items;
}

QJsonObject NotesDocuments::toJson() const
{
    return QJsonObject{
        {u"notes"_s, paths[Notes]},
        {u"lastLeftOff"_s, paths[LastLeftOff]},
        {u"npcsMet"_s, paths[NpcsMet]},
    };
}

} // namespace Velmora
