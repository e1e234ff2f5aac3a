#include "core/table/BattleBoxEntry.h"

#include "core/common/ItemFields.h"
#include "core/common/SharedValues.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The text fields in item order (fields 1 to 14).
struct TextField
{
    QString BattleBoxEntry::*field;
    QString jsonKey;
};

const std::array<TextField, BattleBoxEntry::FieldCount - 1> &textFields()
{
    static const std::array<TextField, BattleBoxEntry::FieldCount - 1> all = {{
        {&BattleBoxEntry::initiative, u"initiative"_s},
        {&BattleBoxEntry::name, u"name"_s},
        {&BattleBoxEntry::fortitude, u"fortitude"_s},
        {&BattleBoxEntry::reflex, u"reflex"_s},
        {&BattleBoxEntry::will, u"will"_s},
        {&BattleBoxEntry::special, u"special"_s},
        {&BattleBoxEntry::speed, u"speed"_s},
        {&BattleBoxEntry::armourClass, u"armourClass"_s},
        {&BattleBoxEntry::melee, u"melee"_s},
        {&BattleBoxEntry::meleeDamage, u"meleeDamage"_s},
        {&BattleBoxEntry::ranged, u"ranged"_s},
        {&BattleBoxEntry::rangedDamage, u"rangedDamage"_s},
        {&BattleBoxEntry::hitPoints, u"hitPoints"_s},
        {&BattleBoxEntry::icon, u"icon"_s},
    }};
    return all;
}

} // namespace

QString BattleBoxEntry::PadLeftZeros(const QString &text, int width)
{
    if (text.size() >= width)
        return text;
    return QString(width - text.size(), u'0') + text;
}

std::optional<BattleBoxEntry> BattleBoxEntry::fromItem(const QString &item, SharedValues *shared)
{
    const ItemFields fields(item);
    const auto &texts = textFields();
    std::optional<BattleBoxEntry> entry(std::in_place);
    entry->ticked = fields.at(0) == u"T";
    for (qsizetype i = 1; i < fields.size() && i < FieldCount; ++i) {
        QString BattleBoxEntry::*const field = texts[size_t(i - 1)].field;
        const QStringView text = i == FieldCount - 1 ? fields.from(i) : fields.at(i); // the icon takes the rest
        *entry.*field = shared ? shared->text(int(i), text) : text.toString();
    }
    return entry;
}

QString BattleBoxEntry::toItem() const
{
    return ItemFields::join(fields());
}

std::array<QStringView, BattleBoxEntry::FieldCount> BattleBoxEntry::fields() const
{
    const auto &texts = textFields();
    std::array<QStringView, FieldCount> views{ticked ? u"T" : u"F"};
    for (size_t i = 1; i < views.size(); ++i)
        views[i] = this->*texts[i - 1].field;
    return views;
}

QJsonObject BattleBoxEntry::toJson() const
{
    QJsonObject json{{u"ticked"_s, ticked}, {u"sortKey"_s, sortKey()}};
    for (const TextField &text : textFields())
        json.insert(text.jsonKey, this->*text.field);
    return json;
}

} // namespace Velmora
