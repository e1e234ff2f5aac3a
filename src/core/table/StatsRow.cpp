#include "core/table/StatsRow.h"

#include "core/common/ItemFields.h"
#include "core/common/SharedValues.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

struct Column
{
    QString StatsRow::*field;
    QString jsonKey;
};

const std::array<Column, StatsRow::Count> &columns()
{
    static const std::array<Column, StatsRow::Count> all = {{
        {&StatsRow::name, u"name"_s},
        {&StatsRow::classAndLevel, u"classAndLevel"_s},
        {&StatsRow::ecl, u"ecl"_s},
        {&StatsRow::size, u"size"_s},
        {&StatsRow::gender, u"gender"_s},
        {&StatsRow::alignment, u"alignment"_s},
        {&StatsRow::deity, u"deity"_s},
        {&StatsRow::height, u"height"_s},
        {&StatsRow::weight, u"weight"_s},
        {&StatsRow::race, u"race"_s},
        {&StatsRow::strength, u"strength"_s},
        {&StatsRow::dexterity, u"dexterity"_s},
        {&StatsRow::constitution, u"constitution"_s},
        {&StatsRow::intelligence, u"intelligence"_s},
        {&StatsRow::wisdom, u"wisdom"_s},
        {&StatsRow::charisma, u"charisma"_s},
        {&StatsRow::hitPoints, u"hitPoints"_s},
        {&StatsRow::speed, u"speed"_s},
        {&StatsRow::initiativeModifier, u"initiativeModifier"_s},
        {&StatsRow::fortitude, u"fortitude"_s},
        {&StatsRow::reflex, u"reflex"_s},
        {&StatsRow::will, u"will"_s},
        {&StatsRow::armourClass, u"armourClass"_s},
    }};
    return all;
}

} // namespace

QStringList StatsRow::values() const
{
    QStringList result;
    result.reserve(Count);
    for (const Column &column : columns())
        result << this->*column.field;
    return result;
}

StatsRow StatsRow::fromValues(const QStringList &values)
{
    StatsRow row;
    const qsizetype n = std::min<qsizetype>(values.size(), Count);
    for (qsizetype i = 0; i < n; ++i)
        row.*columns()[size_t(i)].field = values.at(i);
    return row;
}

std::optional<StatsRow> StatsRow::fromItem(const QString &item, SharedValues *shared)
{
    const ItemFields fields(item);
    std::optional<StatsRow> row; // one return value, built in place
    if (fields.size() != Count)
        return row;
    row.emplace();
    const auto &all = columns();
    for (size_t i = 0; i < all.size(); ++i) {
        QString StatsRow::*const field = all[i].field;
        const QStringView text = fields.at(qsizetype(i));
        *row.*field = shared ? shared->text(int(i), text) : text.toString();
    }
    return row;
}

QString StatsRow::toItem() const
{
    return ItemFields::join(fields());
}

std::array<QStringView, StatsRow::Count> StatsRow::fields() const
{
    const auto &all = columns();
    std::array<QStringView, Count> views;
    for (size_t i = 0; i < views.size(); ++i)
        views[i] = this->*all[i].field;
    return views;
}

QJsonObject StatsRow::toJson() const
{
    QJsonObject json;
    for (const Column &column : columns())
        json.insert(column.jsonKey, this->*column.field);
    return json;
}

} // namespace Velmora
