#pragma once

#include "gui/maps/MapScene.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>

namespace Velmora {

/// The pictures of the markers: each icon file loaded once, and a drawn icon per kind for a
/// marker whose file is missing or unreadable.
class MapMarkerIcons
{
public:
    /// The side of a marker on the surface; bigger icons are scaled down to it.
    static constexpr int Side = 32;

    /// `resolve` turns a stored icon path into a file path (the identity when not given).
    explicit MapMarkerIcons(std::function<QString(const QString &)> resolve = {});

    const QImage &icon(MapMarkerKind kind, const QString &path);
    static QImage defaultIcon(MapMarkerKind kind);

private:
    static QImage load(const QString &file);

    std::function<QString(const QString &)> m_resolve;
    QHash<QString, QImage> m_loaded; // by stored path; a null image for a file that failed
    QHash<int, QImage> m_defaults;
};

} // namespace Velmora
