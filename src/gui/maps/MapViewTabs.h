#pragma once

#include "gui/maps/MapScene.h"

#include <QList>
#include <QWidget>

#include <functional>

class QGridLayout;
class QTabBar;

namespace Velmora {

class Platform;
class ucPictureSiz;
struct MapViewContent;

/// tabMaps with one map view per tab (ucPictureSiz1, element i under tab i + 1). View 0 always
/// exists. A tab's key is its map's key while the picture shows, the map's name followed by
/// "notfound" when it does not; with no maps the one tab reads " No map loaded!", key
/// "notfound". Only the view of the selected tab shows, and only when its picture does.
class MapViewTabs : public QWidget
{
    Q_OBJECT

public:
    MapViewTabs(Platform &platform, std::function<QString(const QString &)> resolvePath, QWidget *parent = nullptr);

    QTabBar &tabBar() const { return *m_tabs; }
    int viewCount() const { return int(m_views.size()); }
    ucPictureSiz &view(int i) const { return *m_views.at(i); }
    QString tabKey(int i) const;
    int currentIndex() const;
    void setCurrentIndex(int i);

    /// Fewer maps: removes the tabs and views past the new count, the first tab becoming the
    /// " No map loaded!" tab over a cleared view; more maps: adds tabs and hidden views.
    void ResizeMapTabs(int newCount);
    /// Puts `content` on view i and captions its tab by whether the picture shows. Returns what
    /// PutPicture answered.
    bool showMap(int i, const QString &name, const QString &key, const MapViewContent &content);
    /// Scroll values for view i, kept until its picture is decoded when it is still loading.
    void restoreScroll(int i, int h, int v);

signals:
    /// A right click on view i: on a marker (the view's GetMenuCaller() names it) or its surface.
    void menuRequested(int view, Velmora::MapMarkerKind kind, QPoint globalPos);
    void markerMoved(Velmora::MapMarkerKind kind, const QString &key, float x, float y);
    /// A picture the view refuses to load, with the message to show.
    void pictureRefused(const QString &message);

private:
    void addView();
    /// The tab click's rule: view i shows only under the selected tab and when its picture does.
    void showSelectedView();
    void setTab(int i, const QString &caption, const QString &key);

    Platform &m_platform;
    std::function<QString(const QString &)> m_resolvePath;
    QTabBar *m_tabs = nullptr;
    QGridLayout *m_stack = nullptr;
    QList<ucPictureSiz *> m_views;
};

} // namespace Velmora
