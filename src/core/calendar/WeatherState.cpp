#include "core/calendar/WeatherState.h"

using namespace Qt::StringLiterals;

namespace Velmora {

WeatherState WeatherState::defaults()
{
    return WeatherState{};
}

bool WeatherState::load(const QStringList &items)
{
    bool understood = items.size() == 2;
    if (!items.isEmpty()) {
        const QString &index = items.at(0);
        bool ok = false;
        const int value = index.toInt(&ok);
        if (index.isEmpty())
            climate = NoClimate;
        else if (ok && value >= 0 && value < ClimateCount)
            climate = value;
        else
            understood = false;
    }
    if (items.size() > 1)
        text = items.at(1);
    return understood;
}

QStringList WeatherState::toItems() const
{
    return {climate == NoClimate ? QString() : QString::number(climate), text};
}

QJsonObject WeatherState::toJson() const
{
    return {{u"climate"_s, climate}, {u"text"_s, text}};
}

} // namespace Velmora
