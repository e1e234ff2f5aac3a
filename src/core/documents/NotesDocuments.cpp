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

struct SlotTexts
{
    const char *caption;
    const char *promptName;
    const char *openTitle;
    const char *saveAsTitle;
};

// The titles spell the slots' names in their own letter case, unlike the captions.
constexpr std::array<SlotTexts, NotesDocuments::SlotCount> Texts = {{
    {QT_TRANSLATE_NOOP("Velmora::NotesDocuments", " Notes"), QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "'Notes'"),
     QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "Select A File To Open As 'Notes'"),
     QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "Save File in Different 'Notes' Archive")},
    {QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "& Game Last Left Off"),
     QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "'Game Last Left Off'"),
     QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "Select A File To Open As 'Game last left off'"),
     QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "Save File in Different 'Game last left off' Archive")},
    {QT_TRANSLATE_NOOP("Velmora::NotesDocuments", " NPCs Have Met"),
     QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "'NPCs Have Met'"),
     QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "Select A File To Open As 'NPCs have met'"),
     QT_TRANSLATE_NOOP("Velmora::NotesDocuments", "Save File in Different 'NPCs have met' Archive")},
}};

const SlotTexts &texts(int slot)
{
    return Texts.at(size_t(slot));
}

} // namespace

QString NotesDocuments::caption(int slot)
{
    return tr(texts(slot).caption);
}

QString NotesDocuments::promptName(int slot)
{
    return tr(texts(slot).promptName);
}

QString NotesDocuments::openTitle(int slot)
{
    return tr(texts(slot).openTitle);
}

QString NotesDocuments::saveAsTitle(int slot)
{
    return tr(texts(slot).saveAsTitle);
}

QString NotesDocuments::fileFilter()
{
    return tr("RTF Documents (*.rtf)|*.rtf|Text Documents (*.txt)|*.txt");
}

QString NotesDocuments::saveChangesTitle()
{
    return tr("Save Changes");
}

QString NotesDocuments::saveChangesText(int slot)
{
    return tr("File %1 has been modified. Save your changes ?").arg(promptName(slot));
}

QString NotesDocuments::notFoundTitle()
{
    return tr("File Not Found");
}

// The message names the documents as the program always has, spelling included.
QString NotesDocuments::notFoundText()
{
    return tr("'DM Notes', 'Game LastLeft Off' and NPCs have met' were not found on the saved path.") + u"\r\n"_s
        + tr("Default files were reloaded.");
}

bool NotesDocuments::buttonEnabled(const QString &key, bool modified, bool hasText)
{
    if (key == u"Open"_s || key == u"SaveAs"_s)
        return true;
    if (key == u"Save"_s)
        return modified;
    return hasText;
}

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
