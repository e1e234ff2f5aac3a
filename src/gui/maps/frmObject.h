#pragma once

#include "gui/maps/MarkerDialog.h"

#include <optional>

class QCheckBox;

namespace Velmora {

/// The object marker dialog ("Map Object"): a player marker's fields and whether the object may
/// be dragged on the map. The caller runs it through Platform::execDialog.
class frmObject : public MarkerDialog
{
    Q_OBJECT

public:
    frmObject(Platform &platform, AppFolder folder, QWidget *parent = nullptr);

    /// `object` std::nullopt makes a new marker, placed on `currentMapKey` when it is a map's.
    void init(const QList<oObject> &objects, const QList<MapEntry> &maps, const std::optional<oObject> &object,
        const QString &currentMapKey = {});
    oObject GetObject() const;

private:
    QCheckBox *m_movable = nullptr;
};

} // namespace Velmora
