#pragma once

#include "gui/maps/MarkerDialog.h"

#include <optional>

namespace Velmora {

/// The player marker dialog ("Map Player"). The caller runs it through Platform::execDialog.
class frmPlayer : public MarkerDialog
{
    Q_OBJECT

public:
    frmPlayer(Platform &platform, AppFolder folder, QWidget *parent = nullptr);

    /// `player` std::nullopt makes a new marker, placed on `currentMapKey` when it is a map's.
    void init(const QList<oPlayer> &players, const QList<MapEntry> &maps, const std::optional<oPlayer> &player,
        const QString &currentMapKey = {});
    oPlayer GetPlayer() const;
};

} // namespace Velmora
