#include "core/generators/TownValues.h"

#include <QJsonArray>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The values in item order (const or not, as the town).
template<typename Town>
auto fields(Town &town) -> std::array<decltype(&town.townName), TownValues::ItemCount>
{
    auto &centres = town.powerCentres;
    return {&town.townName, &town.continent, &town.size, &town.population, &town.gpLimit, &centres[0].type,
        &centres[0].alignment, &centres[1].type, &centres[1].alignment, &centres[2].type, &centres[2].alignment,
        &centres[3].type, &centres[3].alignment, &town.racialMix, &town.dominantRace};
}

} // namespace

bool TownValues::load(const QStringList &items)
{
    const auto values = fields(*this);
    const qsizetype n = std::min<qsizetype>(items.size(), ItemCount);
    for (qsizetype i = 0; i < n; ++i)
        *values[size_t(i)] = items.at(i);
    return items.size() == ItemCount;
}

QStringList TownValues::toItems() const
{
    QStringList items;
    for (const QString *value : fields(*this))
        items << *value;
    return items;
}

QJsonObject TownValues::toJson() const
{
    QJsonArray centres;
    for (const PowerCentre &centre : powerCentres)
        centres.append(QJsonObject{{u"type"_s, centre.type}, {u"alignment"_s, centre.alignment}});
    return QJsonObject{
        {u"townName"_s, townName},
        {u"continent"_s, continent},
        {u"size"_s, size},
        {u"population"_s, population},
        {u"gpLimit"_s, gpLimit},
        {u"powerCentres"_s, centres},
        {u"racialMix"_s, racialMix},
        {u"dominantRace"_s, dominantRace},
    };
}

} // namespace Velmora
