#include "core/documents/ClassEntry.h"

#include "core/common/AppFolder.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QString StandardFlag = u"standardFlag"_s;
const QString PrestigeFlag = u"prestigeFlag"_s;

} // namespace

QString ClassEntry::key() const
{
    return QString(name).remove(u' ');
}

const QStringList &ClassEntry::standardClassNames()
{
    static const QStringList names = {
        u"Barbarian"_s,
        u"Bard"_s,
        u"Cleric"_s,
        u"Druid"_s,
        u"Fighter"_s,
        u"Monk"_s,
        u"Paladin"_s,
        u"Ranger"_s,
        u"Rogue"_s,
        u"Sorcerer"_s,
        u"Wizard"_s,
    };
    return names;
}

const QStringList &ClassEntry::prestigeClassNames()
{
    static const QStringList names = {
        u"Arcane Archer"_s,
        u"Arcane Trickster"_s,
        u"Archmage"_s,
        u"Assassin"_s,
        u"Blackguard"_s,
        u"Dragon Disciple"_s,
        u"Duelist"_s,
        u"Dwarven Defender"_s,
        u"Eldritch Knight"_s,
        u"Hierophant"_s,
        u"Horizon Walker"_s,
        u"Loremaster"_s,
        u"Mystic Theurge"_s,
        u"Shadowdancer"_s,
        u"Thaumaturgist"_s,
    };
    return names;
}

// Shipped documents are named relative to the application folder, so that a campaign keeps
// finding them wherever the folder is (and on another machine).
QList<ClassEntry> ClassEntry::defaultClasses()
{
    QList<ClassEntry> classes;
    const auto add = [&](bool isPrestige, const QStringList &names) {
        for (const QString &className : names)
            classes << ClassEntry{isPrestige, AppFolder::relativeForm(u"Documents/"_s + className + u".rtf"_s), className};
    };
    add(false, standardClassNames());
    add(true, prestigeClassNames());
    return classes;
}

std::optional<ClassEntry> ClassEntry::fromItem(const QString &item)
{
    const QStringList fields = item.split(u';');
    if (fields.size() < 3)
        return std::nullopt;
    const QString &flag = fields.first();
    if (flag != StandardFlag && flag != PrestigeFlag)
        return std::nullopt;
    return ClassEntry{flag == PrestigeFlag, fields.mid(1, fields.size() - 2).join(u';'), fields.last()};
}

QString ClassEntry::toItem() const
{
    return (prestige ? PrestigeFlag : StandardFlag) + u';' + path + u';' + name;
}

QJsonObject ClassEntry::toJson() const
{
    return QJsonObject{{u"prestige"_s, prestige}, {u"path"_s, path}, {u"name"_s, name}};
}

} // namespace Velmora
