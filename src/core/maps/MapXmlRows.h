#pragma once

#include "core/maps/MapCollection.h"

#include <QCoreApplication>
#include <QSet>
#include <QString>

class QDomElement;

namespace Velmora {

/// Adds the rows of a map XML file to a collection, one element at a time, as the import reads
/// them (used by MapXmlFile only).
///
/// Each row is keyed: a map by its id, a player or an object by its id (which is its name), a
/// note by its note ID. A row whose key is empty or already in its list, or whose number is not
/// a number, cannot be added: the adder says why, naming the row and its line, and the import
/// ends there with the rows added before it.
class MapXmlRows
{
    Q_DECLARE_TR_FUNCTIONS(Velmora::MapXmlFile)

public:
    /// Adds one element's row; "" when it was added, else why not.
    using Adder = QString (MapXmlRows::*)(const QDomElement &);

    explicit MapXmlRows(MapCollection &collection);

    /// The adder of a section's rows ("MAPS", "PLAYERS", "OBJECTS", "NOTES"); nullptr for any
    /// other section.
    static Adder adder(const QString &section);

    QString map(const QDomElement &element);
    QString player(const QDomElement &element);
    QString object(const QDomElement &element);
    QString note(const QDomElement &element);

private:
    QString claim(QSet<QString> &keys, const QDomElement &element, const QString &kind, const QString &key);
    QString position(const QDomElement &element, const QString &kind, float &x, float &y);

    MapCollection &m_collection;
    QSet<QString> m_maps;
    QSet<QString> m_players;
    QSet<QString> m_objects;
    QSet<QString> m_notes;
};

} // namespace Velmora
