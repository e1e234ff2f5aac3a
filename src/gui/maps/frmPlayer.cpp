#include "gui/maps/frmPlayer.h"

using namespace Qt::StringLiterals;

namespace Velmora {

frmPlayer::frmPlayer(Platform &platform, AppFolder folder, QWidget *parent)
    : MarkerDialog(platform, std::move(folder),
        { u"frmPlayer"_s, tr("Map Player"), tr("Player name:"), tr("Player is on this map:"),
            tr("Select Custom Player Icon"), tr("Icon (*.ico)|*.ico"), tr("Duplicate Player"),
            tr("There is already a player by that name in the list.") },
        parent)
{
}

void frmPlayer::init(const QList<oPlayer> &players, const QList<MapEntry> &maps, const std::optional<oPlayer> &player,
    const QString &currentMapKey)
{
    QStringList names;
    for (const oPlayer &each : players)
        names << each.name;
    initMarker(names, maps, !player, player ? player->name : QString(), player ? player->mapKey : currentMapKey);
    if (player)
        initPlace(player->x, player->y, player->icon);
}

oPlayer frmPlayer::GetPlayer() const { return oPlayer { name(), mapKey(), posX(), posY(), icon() }; }

} // namespace Velmora
