#include "core/documents/Shortcut.h"

#include "core/common/AppFolder.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// Shipped documents named after their files: "Name" is "\Documents\Name" + extension, relative to
// the application folder so that a campaign finds them wherever the folder is.
QList<Shortcut> shippedDocuments(const QStringList &names, const QString &extension)
{
    QList<Shortcut> list;
    for (const QString &name : names)
        list << Shortcut{name, AppFolder::relativeForm(u"Documents/"_s + name + extension)};
    return list;
}

} // namespace

QList<Shortcut> Shortcut::defaultArticles()
{
    static const QStringList names = {
        u"Combat Quick Reference"_s,
        u"Conditions Summary"_s,
        u"Difficulty Classes"_s,
        u"Encounter Levels and Experience"_s,
        u"Treasure Guidelines"_s,
        u"Running a Game Session"_s,
    };
    return shippedDocuments(names, u".txt"_s);
}

QList<Shortcut> Shortcut::defaultNetBooks()
{
    static const QStringList names = {
        u"Traps and Hazards"_s,
        u"Poisons and Diseases"_s,
        u"Magic Item Creation"_s,
        u"Planes of Existence"_s,
        u"Weather and Environment"_s,
        u"Taverns and Inns"_s,
        u"NPC Gallery"_s,
        u"Adventure Hooks"_s,
        u"Random Names"_s,
    };
    return shippedDocuments(names, u".rtf"_s);
}


QList<Shortcut> Shortcut::defaultWebSites()
{
    return {
        {u"Hypertext d20 SRD"_s, u"https://www.d20srd.org/"_s},
        {u"Dungeons & Dragons"_s, u"https://dnd.wizards.com/"_s},
        {u"donjon RPG Tools"_s, u"https://donjon.bin.sh/"_s},
        {u"EN World"_s, u"https://www.enworld.org/"_s},
        {u"Giant in the Playground Forums"_s, u"https://forums.giantitp.com/"_s},
    };
}

std::optional<Shortcut> Shortcut::fromItem(const QString &item)
{
    const qsizetype separator = item.indexOf(u';');
    if (separator < 0)
        return std::nullopt;
    return Shortcut{item.left(separator), item.mid(separator + 1)};
}

QString Shortcut::toItem() const
{
    return name + u';' + location;
}

QJsonObject Shortcut::toJson() const
{
    return QJsonObject{{u"name"_s, name}, {u"location"_s, location}};
}

} // namespace Velmora
