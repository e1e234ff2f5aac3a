#include "core/maps/MapXmlFile.h"

#include "core/common/CodePage.h"
#include "core/common/FileWriter.h"
#include "core/maps/MapXmlRows.h"
#include "core/maps/MarkerFields_p.h"

#include <QDomDocument>
#include <QXmlStreamReader>
#include <QFile>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const char *flag(bool set) { return set ? "TRUE" : "FALSE"; }

// What XML 1.0 can carry at all, even as a character reference.
bool isXmlCharacter(char32_t code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF)
        || (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// Values are escaped, although the old writer put them in as they were: "&", "<", ">" and '"'
// as entities, and every character outside printable ASCII as a character reference ("é" is
// "&#233;"), so the file is ASCII in any code page and every standard parser reads each value
// back exactly (a tab or a line break in a note too, which a parser would otherwise turn into a
// space). A character XML cannot hold at all (a control character, half a surrogate pair) is
// written as "?", as our Windows-1252 files write what they cannot hold.
void appendValue(QByteArray &out, QStringView value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        switch (c) {
        case u'&':
            out += "&amp;";
            continue;
        case u'<':
            out += "&lt;";
            continue;
        case u'>':
            out += "&gt;";
            continue;
        case u'"':
            out += "&quot;";
            continue;
        default:
            break;
        }
        if (c >= 0x20 && c < 0x7F) {
            out += char(c);
            continue;
        }
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i + 1 < value.size() && value[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, value[++i].unicode());
        if (isXmlCharacter(code))
            out += "&#" + QByteArray::number(quint32(code)) + ';';
        else
            out += '?';
    }
}

// One attribute: a space, the name, "=" and the value in double quotes.
void attribute(QByteArray &out, const char *name, QStringView value)
{
    out += ' ';
    out += name;
    out += "=\"";
    appendValue(out, value);
    out += '"';
}

void attribute(QByteArray &out, const char *name, const char *value)
{
    attribute(out, name, QString::fromLatin1(value));
}

void row(QByteArray &out, const char *element)
{
    out += "\r\n\t\t<";
    out += element;
}

void writeMap(QByteArray &out, const MapEntry &map)
{
    const MapRecord &r = map.record;
    row(out, "MAP");
    attribute(out, "id", map.key);
    attribute(out, "name", map.name);
    attribute(out, "filename", r.picturePath);
    attribute(out, "imagefillstyle", r.fitted ? "FITTED" : "FULL");
    attribute(out, "gridVisible", flag(r.gridVisible));
    attribute(out, "gridX", QString::number(r.gridX));
    attribute(out, "gridY", QString::number(r.gridY));
    attribute(out, "colour", QString::number(r.gridColour));
    attribute(out, "navigationX", r.navX);
    attribute(out, "navigationY", r.navY);
    attribute(out, "playersvisible", flag(r.playersVisible));
    attribute(out, "notesvisible", flag(r.notesVisible));
    out += " />";
}

// A player and an object start alike: their key and their row text are both the name.
void writeMarker(QByteArray &out, const char *element, const QString &name, const QString &mapKey, float x, float y,
    const QString &icon)
{
    row(out, element);
    attribute(out, "onmap", mapKey);
    attribute(out, "id", name);
    attribute(out, "name", name);
    attribute(out, "posx", markerPositionText(x));
    attribute(out, "posy", markerPositionText(y));
    attribute(out, "icon", icon);
}

void writeNote(QByteArray &out, const NoteMarker &note)
{
    row(out, "NOTE");
    attribute(out, "onmap", note.mapKey);
    attribute(out, "id", note.key);
    attribute(out, "content", note.content);
    attribute(out, "posx", markerPositionText(note.x));
    attribute(out, "posy", markerPositionText(note.y));
    attribute(out, "icon", note.icon);
    out += " />";
}

// Our files and the old writer's in the system's code page: bytes that are not UTF-8 are read
// as Windows-1252. A UTF-8 byte-order mark is skipped.
QString decoded(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? CodePage::toUnicode(bytes) : text;
}

// A map file nests three levels deep. Qt's DOM slows down past all measure on elements nested
// hundreds of thousands deep, so a hostile file could stall the window: deeper nesting than any
// map file needs is refused before the DOM sees it, by a streaming pass that costs one look at
// each element.
bool nestedTooDeep(const QString &text)
{
    constexpr int MaxDepth = 64;
    QXmlStreamReader reader(text);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > MaxDepth)
            return true;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return false;
}

// The name without its namespace prefix.
QString baseName(const QDomNode &node)
{
    const QString name = node.nodeName();
    return name.mid(name.lastIndexOf(u':') + 1);
}

// Each section's rows in document order; other sections are skipped. "" when all were added,
// else why one could not be.
QString readSections(const QDomNode &root, MapCollection &collection)
{
    MapXmlRows rows(collection);
    for (QDomNode section = root.firstChild(); !section.isNull(); section = section.nextSibling()) {
        const MapXmlRows::Adder add = MapXmlRows::adder(baseName(section));
        if (!add)
            continue;
        for (QDomElement e = section.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (QString why = (rows.*add)(e); !why.isEmpty())
                return why;
        }
    }
    return {};
}

} // namespace

QString MapXmlFile::title() { return u"Velmora"_s; }

QByteArray MapXmlFile::toBytes(const MapCollection &collection)
{
    QByteArray out = "<VELMO>\r\n\t<MAPS>";
    for (const MapEntry &map : collection.maps)
        writeMap(out, map);
    out += "\r\n\t</MAPS>\r\n\t<PLAYERS>";
    for (const PlayerMarker &p : collection.players) {
        writeMarker(out, "PLAYER", p.name, p.mapKey, p.x, p.y, p.icon);
        out += " />";
    }
    out += "\r\n\t</PLAYERS>\r\n\t<OBJECTS>";
    for (const ObjectMarker &o : collection.objects) {
        writeMarker(out, "OBJECT", o.name, o.mapKey, o.x, o.y, o.icon);
        attribute(out, "ismovable", flag(o.movable));
        out += " />";
    }
    out += "\r\n\t</OBJECTS>\r\n\t<NOTES>";
    for (const NoteMarker &note : collection.notes)
        writeNote(out, note);
    out += "\r\n\t</NOTES>\r\n</VELMO>";
    return out;
}

Result<void> MapXmlFile::write(const QString &path, const MapCollection &collection)
{
    return FileWriter::writeAtomically(path, toBytes(collection));
}

Result<MapXmlFile::Import> MapXmlFile::read(const QString &path, MapCollection &collection)
{
    if (path.isEmpty())
        return Error { path, tr("No XML file selected.") };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error { path, tr("Error loading XML file.") };
    const Result<Import> import = fromBytes(file.readAll(), collection);
    if (!import)
        return Error { path, import.error().message };
    return import;
}

Result<MapXmlFile::Import> MapXmlFile::fromBytes(const QByteArray &bytes, MapCollection &collection)
{
    const QString text = decoded(bytes);
    QDomDocument document;
    if (nestedTooDeep(text) || !document.setContent(text))
        return Error { {}, tr("Error loading XML file.") };
    // The first node must be the root: a declaration or a comment before it makes the file
    // unreadable, as it did for the old reader.
    const QDomNode root = document.firstChild();
    if (root.isNull())
        return Import {};
    if (baseName(root) != u"VELMO"_s)
        return Error { {}, tr("That file is not a Velmora Map file.") };
    if (!root.hasChildNodes())
        return Import {};
    collection = {};
    return Import { true, readSections(root, collection) };
}

} // namespace Velmora
