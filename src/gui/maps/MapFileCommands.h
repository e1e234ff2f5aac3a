#pragma once

#include <QCoreApplication>
#include <QString>

namespace Velmora {

class MapCollectionModel;
struct FileDialogRequest;
class ToolHost;
class ucPictureSiz;

/// The Maps menu's files: the map collection exported to and imported from a map XML file, and a
/// map view saved as a picture or printed.
class MapFileCommands
{
    Q_DECLARE_TR_FUNCTIONS(MapFileCommands)

public:
    MapFileCommands(ToolHost &host, MapCollectionModel &maps);

    /// Asks for a map XML file and replaces the collection with it. True when the collection was
    /// replaced (the map views need building again), even when the file stopped halfway.
    bool importCollection();
    void exportCollection();
    /// The path of the last map file imported or exported; "" before the first.
    const QString &lastMapFile() const { return m_lastMapFile; }

    /// Asks for a file under `title` and saves what `view` shows there, as a bitmap or PNG.
    void saveAsPicture(ucPictureSiz &view, const QString &title);

private:
    /// A file dialog's request; a map file's dialog offers "Maps_<user>.xml".
    FileDialogRequest request(const QString &title, const QString &filter, bool mapFile) const;

    ToolHost &m_host;
    MapCollectionModel &m_maps;
    QString m_lastMapFile;
};

} // namespace Velmora
