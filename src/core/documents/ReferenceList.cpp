#include "core/documents/ReferenceList.h"

#include "core/common/AppFolder.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("ReferenceList", text); }

} // namespace

const QList<int> &ReferenceList::indexes()
{
    static const QList<int> all { Standard, Prestige, Links, Articles, NetBooks, WebSites, Characters, Library };
    return all;
}

ReferenceList::ReferenceList(int index)
    : m_index(index)
{
}

QString ReferenceList::caption(int index, const FrameLabels &labels)
{
    switch (index) {
    case Standard:
        return tr("Standard Classes");
    case Prestige:
        return tr("Prestige Classes");
    case Links:
        return labels.links;
    case Articles:
        return labels.articles;
    case NetBooks:
        return labels.netBooks;
    case WebSites:
        return labels.webSites;
    case BattleBoxes:
        return tr("Saved BattleBox List");
    case Characters:
        return tr("Character misc.");
    default:
        return tr("Library");
    }
}

// The location column is hidden until the game master widens it; the spec of the lists names
// only the first header of the document lists, so the second one says what it holds.
QStringList ReferenceList::columns(int index)
{
    if (index == Standard || index == Prestige)
        return { tr("Class name"), tr("Path") };
    if (index == BattleBoxes)
        return { tr("Name"), tr("Path") };
    return { tr("Doc. Name"), index == WebSites ? tr("Address") : tr("Location") };
}

QString ReferenceList::folderName(int index) { return index == Characters ? u"Characters"_s : u"Library"_s; }

void ReferenceList::fillDefaults()
{
    switch (m_index) {
    case Standard:
    case Prestige:
        fillClasses(ClassEntry::defaultClasses());
        break;
    case Links:
        fillShortcuts(Shortcut::defaultLinks());
        break;
    case Articles:
        fillShortcuts(Shortcut::defaultArticles());
        break;
    case NetBooks:
        fillShortcuts(Shortcut::defaultNetBooks());
        break;
    case WebSites:
        fillShortcuts(Shortcut::defaultWebSites());
        break;
    default:
        m_items.clear();
    }
}

void ReferenceList::fillClasses(const QList<ClassEntry> &classes)
{
    m_items.clear();
    for (const ClassEntry &entry : classes) {
        if (entry.prestige == (m_index == Prestige))
            m_items << ReferenceItem { entry.name, entry.path, entry.key(), isShippedKey(entry.key()) };
    }
}

void ReferenceList::fillShortcuts(const QList<Shortcut> &shortcuts)
{
    m_items.clear();
    for (const Shortcut &shortcut : shortcuts)
        m_items << ReferenceItem { shortcut.name, shortcut.location, {}, false };
}

void ReferenceList::fillFolder(const AppFolder &folder)
{
    m_items.clear();
    const QString name = folderName(m_index);
    const QDir dir(folder.file(name));
    // Hidden files (".gitkeep", a desktop's ".directory") are no documents of the game master's.
    QStringList files = dir.entryList(QDir::Files);
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    for (const QString &file : files)
        m_items << ReferenceItem { file, AppFolder::relativeForm(name + u'/' + file), {}, false };
}

int ReferenceList::mergeClasses(const QList<ClassEntry> &custom)
{
    int added = 0;
    for (const ClassEntry &entry : custom) {
        if (entry.prestige != (m_index == Prestige))
            continue;
        const QString key = entry.key();
        const bool listed = std::any_of(m_items.begin(), m_items.end(),
            [&](const ReferenceItem &item) { return item.key.compare(key, Qt::CaseInsensitive) == 0; });
        if (!listed) {
            m_items << ReferenceItem { entry.name, entry.path, key, false };
            ++added;
        }
    }
    return added;
}

ReferenceList::Removal ReferenceList::removal(qsizetype row) const
{
    if (isFolderList())
        return Removal::Ignored;
    if (row < 0 || row >= m_items.size())
        return Removal::NothingSelected;
    return isClassList() && m_items.at(row).isDefault ? Removal::AskFirst : Removal::Remove;
}

void ReferenceList::add(const QString &text, const QString &location)
{
    m_items << ReferenceItem { text, location, isClassList() ? keyOf(text) : QString(), false };
}

void ReferenceList::edit(qsizetype row, const QString &text, const QString &location)
{
    if (row < 0 || row >= m_items.size())
        return;
    ReferenceItem &item = m_items[row];
    item.text = text;
    item.location = location;
    if (isClassList())
        item.key = keyOf(text);
}

void ReferenceList::remove(qsizetype row)
{
    if (removal(row) == Removal::Remove || removal(row) == Removal::AskFirst)
        m_items.removeAt(row);
}

QList<Shortcut> ReferenceList::toShortcuts() const
{
    QList<Shortcut> shortcuts;
    for (const ReferenceItem &item : m_items)
        shortcuts << Shortcut { item.text, item.location };
    return shortcuts;
}

void ReferenceList::setLocations(const QList<Shortcut> &shortcuts)
{
    for (qsizetype row = 0; row < qMin(m_items.size(), shortcuts.size()); ++row)
        m_items[row].location = shortcuts.at(row).location;
}

QList<ClassEntry> ReferenceList::toClasses() const
{
    QList<ClassEntry> classes;
    for (const ReferenceItem &item : m_items)
        classes << ClassEntry { m_index == Prestige, item.location, item.text };
    return classes;
}

ReferenceList::Message ReferenceList::selectItem() { return { tr("Item Selection"), tr("Select existing item.") }; }

ReferenceList::Message ReferenceList::defaultClassRemoval()
{
    return { tr("Default Class Removal"),
        tr("You are about to remove a default classes.") + u"\r\n"_s + tr("Proceed ?") };
}

QString ReferenceList::keyOf(const QString &text) { return QString(text).remove(u' '); }

bool ReferenceList::isShippedKey(const QString &key) const
{
    const QStringList &names
        = m_index == Prestige ? ClassEntry::prestigeClassNames() : ClassEntry::standardClassNames();
    return std::any_of(names.begin(), names.end(), [&](const QString &name) { return keyOf(name) == key; });
}

} // namespace Velmora
