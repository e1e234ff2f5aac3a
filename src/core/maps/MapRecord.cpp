#include "core/maps/MapRecord.h"

#include "core/common/FileNames.h"
#include "core/common/ItemFields.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr int FieldCount = 10;

QStringView flagText(bool flag)
{
    return flag ? u"TRUE" : u"FALSE";
}

// A whole number as stored; an empty text is 0 (as the map dialog reads an empty field).
std::optional<int> wholeNumber(QStringView text)
{
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QString MapRecord::key() const
{
    return FileBaseName(picturePath);
}

QString MapRecord::FileBaseName(const QString &path)
{
    return FileNames::FileBaseName(path);
}

std::optional<MapRecord> MapRecord::fromItem(const QString &item)
{
    const ItemFields fields(item);
    if (fields.size() < FieldCount)
        return std::nullopt;
    // The nine fields after the path are the last nine; whatever comes before them is the path.
    const qsizetype first = fields.size() - (FieldCount - 1);
    const auto field = [&](int i) { return fields.at(first + i - 1); };
    const std::optional<int> gridX = wholeNumber(field(3));
    const std::optional<int> gridY = wholeNumber(field(4));
    const std::optional<int> colour = wholeNumber(field(5));
    if (!gridX || !gridY || !colour)
        return std::nullopt;

    MapRecord map;
    map.picturePath = fields.span(0, first - 1).toString();
    map.fitted = field(1) == u"FITTED";
    map.gridVisible = field(2) == u"TRUE";
    map.gridX = *gridX;
    map.gridY = *gridY;
    map.gridColour = *colour;
    map.navX = field(6).toString();
    map.navY = field(7).toString();
    map.playersVisible = field(8) == u"TRUE";
    map.notesVisible = field(9) == u"TRUE";
    return map;
}

QString MapRecord::toItem() const
{
    return ItemFields::join({picturePath, fitted ? u"FITTED" : u"FULL", flagText(gridVisible), QString::number(gridX),
                             QString::number(gridY), QString::number(gridColour), navX, navY,
                             flagText(playersVisible), flagText(notesVisible)});
}

QJsonObject MapRecord::toJson() const
{
    return QJsonObject{
        {u"key"_s, key()},
        {u"picturePath"_s, picturePath},
        {u"fitted"_s, fitted},
        {u"gridVisible"_s, gridVisible},
        {u"gridX"_s, gridX},
        {u"gridY"_s, gridY},
        {u"gridColour"_s, gridColour},
        {u"navX"_s, navX},
        {u"navY"_s, navY},
        {u"playersVisible"_s, playersVisible},
        {u"notesVisible"_s, notesVisible},
    };
}

} // namespace Velmora
