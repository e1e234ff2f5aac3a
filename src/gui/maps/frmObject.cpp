#include "gui/maps/frmObject.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

namespace Velmora {

frmObject::frmObject(Platform &platform, AppFolder folder, QWidget *parent)
    : MarkerDialog(platform, std::move(folder),
        { u"frmObject"_s, tr("Map Object"), tr("Object name:"), tr("Object is on this map:"),
            tr("Select Custom Object Icon"), tr("Icon (*.ico)|*.ico|Picture (*.bmp)|*.bmp"), tr("Duplicate Object"),
            tr("There is already an object by that name in the list.") },
        parent)
    , m_movable(new QCheckBox(tr("Object can be dragged on the map."), this))
{
    m_movable->setObjectName(u"chkMovable"_s);
    addField({}, m_movable);
}

void frmObject::init(const QList<oObject> &objects, const QList<MapEntry> &maps, const std::optional<oObject> &object,
    const QString &currentMapKey)
{
    QStringList names;
    for (const oObject &each : objects)
        names << each.name;
    initMarker(names, maps, !object, object ? object->name : QString(), object ? object->mapKey : currentMapKey);
    m_movable->setChecked(object && object->movable);
    if (object)
        initPlace(object->x, object->y, object->icon);
}

oObject frmObject::GetObject() const
{
    return oObject { name(), mapKey(), posX(), posY(), icon(), m_movable->isChecked() };
}

} // namespace Velmora
