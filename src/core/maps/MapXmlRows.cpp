#include "core/maps/MapXmlRows.h"

#include "core/maps/MarkerFields_p.h"

#include <QDomElement>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// A grid number or colour as stored: a whole number, "" for 0 (as the map dialog reads an empty
// field). False for anything else.
bool wholeNumber(const QString &text, int &value)
{
    if (text.isEmpty()) {
        value = 0;
        return true;
    }
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok)
        value = number;
    return ok;
}

bool isTrue(const QDomElement &element, const QString &name) { return element.attribute(name) == u"TRUE"_s; }

} // namespace

MapXmlRows::MapXmlRows(MapCollection &collection)
    : m_collection(collection)
{
}

MapXmlRows::Adder MapXmlRows::adder(const QString &section)
{
    static const std::array<std::pair<QString, Adder>, 4> adders = { {
        { u"MAPS"_s, &MapXmlRows::map },
        { u"PLAYERS"_s, &MapXmlRows::player },
        { u"OBJECTS"_s, &MapXmlRows::object },
        { u"NOTES"_s, &MapXmlRows::note },
    } };
    for (const auto &[name, add] : adders) {
        if (name == section)
            return add;
    }
    return nullptr;
}

// Keys are told apart without regard to case, as the old program's lists did, so that a list
// never holds two rows that a lookup by key cannot tell apart. An empty key ends the import as a
// repeated one does: the lists are keyed, and a row without a key could be neither chosen nor
// saved in the campaign.
QString MapXmlRows::claim(QSet<QString> &keys, const QDomElement &element, const QString &kind, const QString &key)
{
    if (key.isEmpty())
        return tr("Line %1: a %2 without an id; the import stops there.").arg(element.lineNumber()).arg(kind);
    const QString folded = key.toCaseFolded();
    if (keys.contains(folded))
        return tr("Line %1: the %2 \"%3\" is listed twice; the import stops there.")
            .arg(element.lineNumber())
            .arg(kind, key);
    keys.insert(folded);
    return {};
}

// Positions are read as the campaign's marker records read them: a decimal number, "" for 0.
// Anything else ends the import with its row, rather than putting the marker somewhere else.
QString MapXmlRows::position(const QDomElement &element, const QString &kind, float &x, float &y)
{
    for (auto [name, value] : { std::pair { u"posx"_s, &x }, std::pair { u"posy"_s, &y } }) {
        const QString text = element.attribute(name);
        const std::optional<float> number = markerPosition(text);
        if (!number)
            return tr("Line %1: the %2 \"%3\" has %4=\"%5\", which is not a number; the import stops there.")
                .arg(element.lineNumber())
                .arg(kind, element.attribute(u"id"_s), name, text);
        *value = *number;
    }
    return {};
}

QString MapXmlRows::map(const QDomElement &element)
{
    const QString key = element.attribute(u"id"_s);
    MapRecord map;
    map.picturePath = element.attribute(u"filename"_s);
    map.fitted = element.attribute(u"imagefillstyle"_s) == u"FITTED"_s;
    map.gridVisible = isTrue(element, u"gridVisible"_s);
    // A grid number that is not a whole number ends the import, as a position does.
    for (auto [name, value] : { std::pair { u"gridX"_s, &map.gridX }, std::pair { u"gridY"_s, &map.gridY },
             std::pair { u"colour"_s, &map.gridColour } }) {
        if (!wholeNumber(element.attribute(name), *value))
            return tr("Line %1: the map \"%2\" has %3=\"%4\", which is not a whole number; the import stops there.")
                .arg(element.lineNumber())
                .arg(key, name, element.attribute(name));
    }
    map.navX = element.attribute(u"navigationX"_s);
    map.navY = element.attribute(u"navigationY"_s);
    map.playersVisible = isTrue(element, u"playersvisible"_s);
    map.notesVisible = isTrue(element, u"notesvisible"_s);
    if (QString why = claim(m_maps, element, tr("map"), key); !why.isEmpty())
        return why;
    m_collection.maps.append(MapEntry { key, element.attribute(u"name"_s), map });
    return {};
}

// A player's key and row text are one: its "id", which the lists go by. The file's "name"
// repeats it (the writer writes both from the one name).
QString MapXmlRows::player(const QDomElement &element)
{
    PlayerMarker player { element.attribute(u"id"_s), element.attribute(u"onmap"_s), 0, 0,
        element.attribute(u"icon"_s) };
    if (QString why = position(element, tr("player"), player.x, player.y); !why.isEmpty())
        return why;
    if (QString why = claim(m_players, element, tr("player"), player.name); !why.isEmpty())
        return why;
    m_collection.players.append(player);
    return {};
}

QString MapXmlRows::object(const QDomElement &element)
{
    ObjectMarker object { element.attribute(u"id"_s), element.attribute(u"onmap"_s), 0, 0, element.attribute(u"icon"_s),
        isTrue(element, u"ismovable"_s) };
    if (QString why = position(element, tr("object"), object.x, object.y); !why.isEmpty())
        return why;
    if (QString why = claim(m_objects, element, tr("object"), object.name); !why.isEmpty())
        return why;
    m_collection.objects.append(object);
    return {};
}

QString MapXmlRows::note(const QDomElement &element)
{
    NoteMarker note { element.attribute(u"id"_s), element.attribute(u"content"_s), element.attribute(u"onmap"_s), 0, 0,
        element.attribute(u"icon"_s) };
    if (QString why = position(element, tr("note"), note.x, note.y); !why.isEmpty())
        return why;
    if (QString why = claim(m_notes, element, tr("note"), note.key); !why.isEmpty())
        return why;
    m_collection.notes.append(note);
    return {};
}

} // namespace Velmora
