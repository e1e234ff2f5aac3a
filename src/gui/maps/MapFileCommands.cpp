#include "gui/maps/MapFileCommands.h"

#include "core/common/AppFolder.h"
#include "core/maps/MapCollectionModel.h"
#include "core/maps/MapXmlFile.h"
#include "gui/maps/ucPictureSiz.h"
#include "gui/options/SoundCuePlayer.h"
#include "gui/ui/Platform.h"
#include "gui/ui/ToolHost.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

MapFileCommands::MapFileCommands(ToolHost &host, MapCollectionModel &maps)
    : m_host(host)
    , m_maps(maps)
{
}

// Every dialog of the maps' files starts in "Campaigns" and asks before replacing a file.
FileDialogRequest MapFileCommands::request(const QString &title, const QString &filter, bool mapFile) const
{
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.initialFolder = m_host.folder().file(u"Campaigns"_s);
    if (mapFile)
        request.initialFileName = u"Maps_"_s + m_host.platform().userName() + u".xml"_s;
    request.overwritePrompt = true;
    return request;
}

bool MapFileCommands::importCollection()
{
    // A cancelled dialog imports nothing and says nothing: the user chose not to.
    const FileDialogResult chosen
        = m_host.platform().openFile(request(tr("Select or Create XML File"), tr("XML (*.xml)|*.xml"), true));
    if (!chosen.accepted())
        return false;
    m_lastMapFile = chosen.path;
    MapCollection collection = m_maps.collection();
    const Result<MapXmlFile::Import> read = MapXmlFile::read(chosen.path, collection);
    if (!read) {
        m_host.platform().exclamation(MapXmlFile::title(), read.error().message);
        return false;
    }
    if (!read->replaced)
        return false;
    m_maps.importCollection(collection);
    // The rows read before a refusal stay; the user learns where the file stopped.
    if (!read->stopped.isEmpty())
        m_host.platform().exclamation(MapXmlFile::title(), read->stopped);
    return true;
}

void MapFileCommands::exportCollection()
{
    const FileDialogResult chosen = m_host.platform().saveFile(
        request(tr("Confirm Name or Select New One"), tr("Velmora XML map file (*.xml)|*.xml"), true));
    if (!chosen.accepted())
        return;
    // A file that could not be written is said, so that nobody counts on an export that is not
    // there.
    const Result<void> written = MapXmlFile::write(chosen.path, m_maps.collection());
    if (!written) {
        m_host.platform().exclamation(MapXmlFile::title(), written.error().message);
        return;
    }
    m_host.sounds().play(SoundEvent::Save);
    m_lastMapFile = chosen.path;
}

void MapFileCommands::saveAsPicture(ucPictureSiz &view, const QString &title)
{
    // PNG beside the bitmap: smaller files that every program opens.
    const FileDialogResult chosen
        = m_host.platform().saveFile(request(title, tr("Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png"), false));
    if (!chosen.accepted())
        return;
    QString path = chosen.path;
    if (QFileInfo(path).suffix().isEmpty())
        path += chosen.filterIndex == 1 ? u".png"_s : u".bmp"_s;
    // Said, unlike a failed capture of old: the user expects the file to be there.
    if (!view.SaveMapAsBMP(path))
        m_host.platform().exclamation(tr("Velmora"), tr("The map could not be saved to %1.").arg(path));
}

} // namespace Velmora
