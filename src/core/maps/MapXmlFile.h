#pragma once

#include "core/common/Result.h"
#include "core/maps/MapCollection.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace Velmora {

/// The map XML file: the whole map collection (maps, players, objects, notes) in one file, for
/// export and import, and the file a 3.0 campaign named for its maps.
///
/// The root "VELMO" holds the sections "MAPS", "PLAYERS", "OBJECTS" and "NOTES", one empty
/// element per row with its values as attributes ("MAP", "PLAYER", "OBJECT", "NOTE"). Lines end
/// in CR LF, each level is indented by one tab; there is no XML declaration, no byte-order mark
/// and no line break after the last line.
class MapXmlFile
{
    Q_DECLARE_TR_FUNCTIONS(Velmora::MapXmlFile)

public:
    /// What an import did to the collection.
    struct Import
    {
        /// False when the file held nothing to import (a document or a root without child
        /// nodes): the collection is as it was. True when the file's rows replaced it.
        bool replaced = false;
        /// Why the import stopped before the end of the file (a key met twice), naming the key
        /// and its line; "" when it read everything. The rows read before it stay.
        QString stopped;

        bool operator==(const Import &) const = default;
    };

    /// The title of the import's messages.
    static QString title();

    /// The whole file. Its bytes are ASCII: see the writer for how other characters go.
    static QByteArray toBytes(const MapCollection &collection);
    /// Written whole, through a temporary file.
    static Result<void> write(const QString &path, const MapCollection &collection);

    /// Imports `path` into `collection`. A refusal leaves the collection untouched; its message
    /// is the one the user is shown ("No XML file selected.", "Error loading XML file.", "That
    /// file is not a Velmora Map file.").
    static Result<Import> read(const QString &path, MapCollection &collection);
    /// The same over the file's bytes; the error names no path.
    static Result<Import> fromBytes(const QByteArray &bytes, MapCollection &collection);
};

} // namespace Velmora
