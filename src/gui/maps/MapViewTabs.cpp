#include "gui/maps/MapViewTabs.h"

#include "core/maps/MapViewContent.h"
#include "gui/maps/ucPictureSiz.h"

#include <QGridLayout>
#include <QTabBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

const QString NotFound = u"notfound"_s;

} // namespace

MapViewTabs::MapViewTabs(Platform &platform, std::function<QString(const QString &)> resolvePath, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_resolvePath(std::move(resolvePath))
    , m_tabs(new QTabBar)
{
    m_tabs->setObjectName(u"tabMaps"_s);
    m_tabs->setExpanding(false);
    // The views' place stays when none shows, so that the tabs stay on top.
    auto *stack = new QWidget;
    m_stack = new QGridLayout(stack);
    m_stack->setContentsMargins(0, 0, 0, 0);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_tabs);
    column->addWidget(stack, 1);
    m_tabs->addTab(QString());
    addView();
    setTab(0, tr(" No map loaded!"), NotFound);
    connect(m_tabs, &QTabBar::currentChanged, this, &MapViewTabs::showSelectedView);
}

QString MapViewTabs::tabKey(int i) const { return m_tabs->tabData(i).toString(); }

int MapViewTabs::currentIndex() const { return m_tabs->currentIndex(); }

void MapViewTabs::setCurrentIndex(int i)
{
    if (i >= 0 && i < m_tabs->count())
        m_tabs->setCurrentIndex(i);
    showSelectedView();
}

void MapViewTabs::addView()
{
    auto *view = new ucPictureSiz(m_platform, this);
    const int index = int(m_views.size());
    // The control array's element i, under tab i + 1.
    view->setObjectName(u"ucPictureSiz1"_s);
    view->setProperty("index", index);
    view->setPathResolver(m_resolvePath);
    view->hide();
    m_stack->addWidget(view, 0, 0);
    m_views.append(view);
    connect(view, &ucPictureSiz::menuRequested, this, [this, view](const QString &, MapMarkerKind kind, QPoint global) {
        emit menuRequested(int(m_views.indexOf(view)), kind, global);
    });
    connect(view, &ucPictureSiz::PlayerMoved, this,
        [this](const QString &key, float x, float y) { emit markerMoved(MapMarkerKind::Player, key, x, y); });
    connect(view, &ucPictureSiz::ObjectMoved, this,
        [this](const QString &key, float x, float y) { emit markerMoved(MapMarkerKind::Object, key, x, y); });
    connect(view, &ucPictureSiz::NoteMoved, this,
        [this](const QString &key, float x, float y) { emit markerMoved(MapMarkerKind::Note, key, x, y); });
    connect(view, &ucPictureSiz::pictureRefused, this, &MapViewTabs::pictureRefused);
}

void MapViewTabs::ResizeMapTabs(int newCount)
{
    const int oldCount = viewCount();
    for (int i = oldCount - 1; i >= newCount && i >= 0; --i) {
        if (i > 0) {
            m_tabs->removeTab(i);
            delete m_views.takeAt(i);
        } else {
            setTab(0, tr(" No map loaded!"), NotFound);
            m_views.at(0)->ClearPicture();
            m_views.at(0)->hide();
        }
    }
    for (int i = oldCount; i < newCount; ++i) {
        m_tabs->addTab(QString());
        addView();
    }
}

bool MapViewTabs::showMap(int i, const QString &name, const QString &key, const MapViewContent &content)
{
    ucPictureSiz &view = *m_views.at(i);
    const bool shown = view.PutPicture(
        content.path, content.mode, content.gridVisible, content.grid, content.players, content.notes, content.objects);
    if (shown)
        setTab(i, name, key);
    else
        setTab(i, name + tr(" not found !"), name + NotFound);
    // A view shows under its own tab only, so that one map never covers another.
    showSelectedView();
    view.MapRefresh();
    return shown;
}

void MapViewTabs::restoreScroll(int i, int h, int v)
{
    ucPictureSiz *view = m_views.at(i);
    const auto restore = [view, h, v] {
        view->setScrollBar_H_Value(h);
        view->setScrollBar_V_Value(v);
    };
    if (!view->isLoading()) {
        restore();
        return;
    }
    // The scroll range comes with the decoded picture; a later toggle's values replace these.
    delete view->findChild<QObject *>(u"pendingScroll"_s, Qt::FindDirectChildrenOnly);
    auto *once = new QObject(view);
    once->setObjectName(u"pendingScroll"_s);
    connect(view, &ucPictureSiz::pictureLoaded, once, [once, restore] {
        restore();
        once->deleteLater();
    });
}

void MapViewTabs::showSelectedView()
{
    const int selected = m_tabs->currentIndex();
    for (int i = 0; i < viewCount(); ++i) {
        const bool visible = i == selected && !tabKey(i).endsWith(NotFound);
        m_views.at(i)->setVisible(visible);
        if (visible)
            m_views.at(i)->raise();
    }
}

void MapViewTabs::setTab(int i, const QString &caption, const QString &key)
{
    m_tabs->setTabText(i, caption);
    m_tabs->setTabData(i, key);
}

} // namespace Velmora
