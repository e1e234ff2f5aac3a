#include "cli/MapRenderCommand.h"

#include "cli/CliCall.h"
#include "cli/CliCommands.h"
#include "core/common/FileWriter.h"
#include "core/persistence/Campaign.h"
#include "gui/maps/MapPicture.h"
#include "gui/maps/MapRenderer.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The map's markers as the window hands them to its view: hidden kinds left out.
MapScene sceneOf(const CampaignModel &model, const MapRecord &map)
{
    MapScene scene;
    scene.gridVisible = map.gridVisible;
    scene.grid = oGrid { map.gridX, map.gridY, map.gridColour };
    const QString key = map.key();
    for (const PlayerMarker &player : model.playerMarkers) {
        if (map.playersVisible && player.mapKey == key)
            scene.players.append(player);
    }
    for (const ObjectMarker &object : model.objectMarkers) {
        if (object.mapKey == key)
            scene.objects.append(object);
    }
    for (const NoteMarker &note : model.noteMarkers) {
        if (map.notesVisible && note.mapKey == key)
            scene.notes.append(note);
    }
    return scene;
}

const MapRecord *findMap(const CampaignModel &model, const QString &key)
{
    for (const MapRecord &map : model.maps) {
        if (map.key() == key)
            return &map;
    }
    return nullptr;
}

} // namespace

bool MapRenderCommand::needsGui(const QCommandLineParser &parser)
{
    return parser.positionalArguments().value(0) == u"render"_s;
}

int MapRenderCommand::run(CliCall &call)
{
    if (call.argument(0) != u"render"_s || call.argument(3).isEmpty() || !call.argument(4).isEmpty())
        return call.usageError(u"Use: maps render CAMPAIGN MAPKEY OUT.png [--mode 0|2] [--size WxH]."_s);
    const QRegularExpressionMatch size
        = QRegularExpression(u"^([1-9][0-9]{0,4})x([1-9][0-9]{0,4})$"_s).match(call.value(u"size"_s));
    const auto side = [&size](int n) { return size.captured(n).toInt(); };
    if (call.isSet(u"size"_s) && !(size.hasMatch() && side(1) <= MapPicture::MaxSide && side(2) <= MapPicture::MaxSide))
        return call.usageError(u"--size takes WIDTHxHEIGHT, each 1 to %1 pixels, not '%2'."_s.arg(
            QString::number(MapPicture::MaxSide), call.value(u"size"_s)));
    Campaign campaign(AppFolder::locate());
    LoadOutcome outcome;
    if (!CliCommands::load(call, campaign, call.argument(1), outcome))
        return CliCall::Refused;
    const MapRecord *map = findMap(campaign.model, call.argument(2));
    if (!map)
        return call.refuse(call.argument(1), u"has no map '%1'"_s.arg(call.argument(2)));
    const QString picture = campaign.folder().storedFile(map->picturePath);
    const MapPicture::Probe probe = MapPicture::probe(picture);
    if (!probe.readable || !probe.error.isEmpty())
        return call.refuse(picture, probe.error.isEmpty() ? u"no such picture"_s : probe.error);

    MapScene scene = sceneOf(campaign.model, *map);
    scene.picture = MapPicture::decode(picture);
    if (scene.picture.isNull())
        return call.refuse(picture, u"could not be decoded"_s);
    scene.mode = call.isSet(u"mode"_s) ? call.value(u"mode"_s).toInt() : (map->fitted ? 2 : 0);
    // Without --size a stretched map fills a control of the picture's own size.
    const QSize control = size.hasMatch() ? QSize(side(1), side(2)) : scene.picture.size();
    const QSize shown = MapRenderer::layoutSize(scene.mode, scene.picture.size(), control);
    MapMarkerIcons icons([&campaign](const QString &stored) { return campaign.folder().storedFile(stored); });
    const QImage image = MapRenderer(icons).render(scene, shown);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const QString out = call.argument(3);
    if (const Result<void> written = FileWriter::writeAtomically(out, png); !written)
        return call.refuse(out, u"could not be saved: "_s + written.error().message);
    return call.wrote(out,
        { { u"width"_s, shown.width() }, { u"height"_s, shown.height() }, { u"mode"_s, scene.mode },
            { u"players"_s, scene.players.size() }, { u"objects"_s, scene.objects.size() },
            { u"notes"_s, scene.notes.size() } });
}

} // namespace Velmora
