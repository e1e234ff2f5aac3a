#include "core/documents/ReferenceShelf.h"

#include "core/common/AppFolder.h"
#include "core/documents/CustomClasses.h"
#include "core/persistence/CampaignModel.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace Velmora {

QList<ReferenceList> ReferenceShelf::makeLists()
{
    QList<ReferenceList> lists;
    for (int index : ReferenceList::indexes())
        lists << ReferenceList(index);
    return lists;
}

ReferenceList &ReferenceShelf::list(int index) { return m_lists[ReferenceList::indexes().indexOf(index)]; }

const ReferenceList &ReferenceShelf::list(int index) const
{
    return m_lists.at(ReferenceList::indexes().indexOf(index));
}

ReferenceShelf ReferenceShelf::fromCampaign(const CampaignModel &model, const AppFolder &folder, QStringList *problems)
{
    ReferenceShelf shelf;
    const CustomClasses::Reading custom = CustomClasses::read(folder);
    for (int index : { ReferenceList::Standard, ReferenceList::Prestige }) {
        shelf.list(index).fillClasses(model.classes);
        shelf.list(index).mergeClasses(custom.classes);
    }
    shelf.list(ReferenceList::Links).fillShortcuts(model.links);
    shelf.list(ReferenceList::Articles).fillShortcuts(model.articles);
    shelf.list(ReferenceList::NetBooks).fillShortcuts(model.netBooks);
    shelf.list(ReferenceList::WebSites).fillShortcuts(model.webSites);
    shelf.refreshFolders(folder);
    shelf.labels = model.labels;
    if (problems)
        *problems = custom.problems;
    return shelf;
}

void ReferenceShelf::refreshFolders(const AppFolder &folder)
{
    list(ReferenceList::Characters).fillFolder(folder);
    list(ReferenceList::Library).fillFolder(folder);
}

void ReferenceShelf::collect(CampaignModel &model) const
{
    model.classes = list(ReferenceList::Standard).toClasses() + list(ReferenceList::Prestige).toClasses();
    model.links = list(ReferenceList::Links).toShortcuts();
    model.articles = list(ReferenceList::Articles).toShortcuts();
    model.netBooks = list(ReferenceList::NetBooks).toShortcuts();
    model.webSites = list(ReferenceList::WebSites).toShortcuts();
}

QJsonObject ReferenceShelf::docsJson(const CampaignModel &model, const AppFolder &folder)
{
    QJsonArray slotItems;
    for (int slot = 0; slot < NotesDocuments::SlotCount; ++slot)
        slotItems << QJsonObject { { u"key"_s, NotesDocuments::key(slot) },
            { u"path"_s, model.documents.paths.at(slot) } };
    const ReferenceShelf shelf = fromCampaign(model, folder);
    QJsonArray lists;
    for (int index : ReferenceList::indexes()) {
        QJsonArray items;
        for (const ReferenceItem &item : shelf.list(index).items())
            items << QJsonObject { { u"text"_s, item.text }, { u"location"_s, item.location },
                { u"default"_s, item.isDefault } };
        lists << QJsonObject { { u"index"_s, index }, { u"caption"_s, ReferenceList::caption(index, shelf.labels) },
            { u"items"_s, items } };
    }
    return QJsonObject { { u"slots"_s, slotItems }, { u"lists"_s, lists } };
}

} // namespace Velmora
