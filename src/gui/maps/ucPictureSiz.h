#pragma once

#include "core/maps/DistancePath.h"
#include "gui/maps/MapMarkerIcons.h"
#include "gui/maps/MapRenderer.h"
#include "gui/maps/MapScene.h"

#include <QAbstractScrollArea>
#include <QDateTime>
#include <QFutureWatcher>
#include <QImage>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;

namespace Velmora {

class Platform;

/// The map view: one map picture at full size with scroll bars, or stretched to the control,
/// the grid over it and the player, object and note markers. Markers are dragged with the left
/// button, a distance is measured with the middle one, Ctrl and the wheel zoom. It only reports
/// moves; its owner updates the records. Markers are painted items, not child controls, so
/// thousands of them stay fast; the scroll bars are the area's own, named "scrH" and "scrV".
class ucPictureSiz : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ucPictureSiz(Platform &platform, QWidget *parent = nullptr);
    ~ucPictureSiz() override;

    /// Turns a stored picture or icon path into a file path (the identity when not set).
    void setPathResolver(std::function<QString(const QString &)> resolve);

    /// Shows a map. Answers at once from the file's header whether it exists and can be read;
    /// the picture itself is decoded in the background while a busy bar shows.
    bool PutPicture(const QString &path, int mode, bool gridVisible, const oGrid &grid, const QList<oPlayer> &players,
        const QList<oNote> &notes, const QList<oObject> &objects);
    void ClearPicture();
    void DisplayMode(int mode);
    /// Prints what the view shows, scaled to the page; false when cancelled or empty.
    bool PrintPicture();
    /// Saves what the view shows: PNG for a ".png" name, else a Windows bitmap.
    bool SaveMapAsBMP(const QString &path);
    QString GetMenuCaller() const { return m_menuCaller; }
    // Scroll positions are ints: a zoomed surface can be larger than 16 bits allow.
    int ScrollBar_H_Value() const;
    void setScrollBar_H_Value(int value);
    int ScrollBar_V_Value() const;
    void setScrollBar_V_Value(int value);
    void MapRefresh();

    /// Zoom on top of the display mode: 1 shows the mode's own layout.
    double zoom() const { return m_zoom; }
    void setZoom(double zoom, QPoint anchor = {});
    void zoomToFit();
    void zoomToActualSize() { setZoom(1); }

    bool isLoading() const { return m_loading; }
    const MapScene &scene() const { return m_scene; }
    /// The surface's size as shown now.
    QSize displayedSize() const;
    /// The tool tip of the marker under `viewportPoint`: "key at x, y"; "" over the surface.
    QString toolTipAt(QPoint viewportPoint);

signals:
    void PlayerMoved(const QString &key, float x, float y);
    void ObjectMoved(const QString &key, float x, float y);
    void NoteMoved(const QString &key, float x, float y);
    /// A right click: on a marker (its key and kind) or on the surface (kind Surface, no key).
    void menuRequested(const QString &key, Velmora::MapMarkerKind kind, QPoint globalPos);
    /// A picture that exists but is refused (too large), with the message to show.
    void pictureRefused(const QString &message);
    /// The picture is decoded and shown.
    void pictureLoaded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    struct Drag
    {
        MapRenderer::Marker marker;
        QPoint grab; // from the marker's top-left corner to the pointer
        QPointF original; // picture units, restored when the drop misses the surface
    };

    bool reusePicture(const QImage &previous, const QString &file, const QDateTime &stamp);
    void pictureDecoded();
    void waitForPicture();
    void updateLayout();
    QPoint offset() const;
    MapFactors factors() const;
    QImage capture();
    void updateSurface(QRect surfaceRect);

    void pressLeft(QPoint surface);
    void pressRight(QPoint surface, QPoint global);
    void moveMarker(QPoint surface);
    void dropMarker(QPoint surface, bool onSurface);
    void showPosition(QPoint surface);
    void extendPath(QPoint surface);
    void endPath();
    void setMarkerPosition(MapRenderer::Marker marker, QPointF picture);

    Platform &m_platform;
    std::function<QString(const QString &)> m_resolve;
    MapMarkerIcons m_icons;
    MapRenderer m_renderer { m_icons };
    MapScene m_scene;
    QString m_file; // the picture file shown, and when it was last changed
    QDateTime m_fileStamp;
    double m_zoom = 1;
    bool m_loading = false;
    QFutureWatcher<QImage> m_decoding;
    QString m_menuCaller;
    std::optional<Drag> m_drag;
    std::unique_ptr<DistancePath> m_distance;
    QLabel *m_position = nullptr; // lblNote
    QLabel *m_distanceLabel = nullptr; // lblPopDist
    QProgressBar *m_busy = nullptr;
};

} // namespace Velmora
