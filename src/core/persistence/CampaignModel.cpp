#include "core/persistence/CampaignModel.h"

#include "core/calendar/WeatherGenerator.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

template<typename Row>
QJsonArray rowsToJson(const QList<Row> &rows)
{
    QJsonArray array;
    for (const Row &row : rows)
        array.append(row.toJson());
    return array;
}

} // namespace

CampaignModel CampaignModel::newCampaign()
{
    CampaignModel model;
    model.weather = WeatherState::defaults();
    model.time = ClockTime::defaults();
    model.layout = ListLayout::defaults();
    model.calendar = CalendarState::defaults();
    model.documents = NotesDocuments::defaults();
    model.classes = ClassEntry::defaultClasses();
    model.links = Shortcut::defaultLinks();
    model.town = TownValues::defaults();
    model.articles = Shortcut::defaultArticles();
    model.netBooks = Shortcut::defaultNetBooks();
    model.webSites = Shortcut::defaultWebSites();
    model.images = ImageEntry::defaultList();
    model.options = CampaignOptions::defaults();
    model.labels = FrameLabels::defaults();
    return model;
}

CampaignModel CampaignModel::newCampaign(RandomSource &random)
{
    CampaignModel model = newCampaign();
    if (const std::optional<Weather> weather = WeatherGenerator(random).Generate(model.weather.climate))
        model.weather.text = weather->text;
    return model;
}

QJsonObject CampaignModel::toJson() const
{
    return QJsonObject{
        {u"weather"_s, weather.toJson()},
        {u"time"_s, time.toJson()},
        {u"moons"_s, rowsToJson(moons)},
        {u"tools"_s, rowsToJson(tools)},
        {u"layout"_s, layout.toJson()},
        {u"calendar"_s, calendar.toJson()},
        {u"xp"_s, rowsToJson(xp)},
        {u"documents"_s, documents.toJson()},
        {u"agenda"_s, rowsToJson(agenda)},
        {u"almanach"_s, rowsToJson(almanach)},
        {u"stats"_s, rowsToJson(stats)},
        {u"classes"_s, rowsToJson(classes)},
        {u"links"_s, rowsToJson(links)},
        {u"battleBox"_s, rowsToJson(battleBox)},
        {u"battleBoxCounters"_s, battleBoxCounters.toJson()},
        {u"linkedBattleBoxes"_s, rowsToJson(linkedBattleBoxes)},
        {u"town"_s, town.toJson()},
        {u"maps"_s, rowsToJson(maps)},
        {u"noteMarkers"_s, rowsToJson(noteMarkers)},
        {u"playerMarkers"_s, rowsToJson(playerMarkers)},
        {u"objectMarkers"_s, rowsToJson(objectMarkers)},
        {u"articles"_s, rowsToJson(articles)},
        {u"netBooks"_s, rowsToJson(netBooks)},
        {u"webSites"_s, rowsToJson(webSites)},
        {u"images"_s, rowsToJson(images)},
        {u"options"_s, options.toJson()},
        {u"labels"_s, labels.toJson()},
    };
}

} // namespace Velmora
