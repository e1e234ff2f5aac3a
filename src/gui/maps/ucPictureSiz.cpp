#include "gui/maps/ucPictureSiz.h"

#include "core/common/FileWriter.h"
#include "core/common/NumberText.h"
#include "gui/maps/MapPicture.h"
#include "gui/ui/Platform.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPromise>
#include <QScrollBar>
#include <QThreadPool>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr double MinZoom = 1.0 / 16;
constexpr double MaxZoom = 16;
constexpr int PathColour = 65535; // yellow, 0x00BBGGRR
constexpr int LabelAbovePoint = 20;

QLabel *hoverLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(u"No caption"_s, parent);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::Box);
    label->hide();
    return label;
}

} // namespace

ucPictureSiz::ucPictureSiz(Platform &platform, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_platform(platform)
    , m_position(hoverLabel(viewport(), u"lblNote"_s))
    , m_distanceLabel(hoverLabel(viewport(), u"lblPopDist"_s))
    , m_busy(new QProgressBar(viewport()))
{
    setObjectName(u"ucPictureSiz"_s);
    setFrameShape(QFrame::NoFrame); // stretched, the surface is the whole control
    horizontalScrollBar()->setObjectName(u"scrH"_s);
    verticalScrollBar()->setObjectName(u"scrV"_s);
    viewport()->setMouseTracking(false);
    m_busy->setObjectName(u"prgLoading"_s);
    m_busy->setRange(0, 0);
    m_busy->hide();
    MapPicture::raiseAllocationLimit();
    connect(&m_decoding, &QFutureWatcher<QImage>::finished, this, &ucPictureSiz::pictureDecoded);
}

ucPictureSiz::~ucPictureSiz() = default;

void ucPictureSiz::setPathResolver(std::function<QString(const QString &)> resolve)
{
    m_resolve = resolve;
    m_icons = MapMarkerIcons(std::move(resolve));
}

bool ucPictureSiz::PutPicture(const QString &path, int mode, bool gridVisible, const oGrid &grid,
    const QList<oPlayer> &players, const QList<oNote> &notes, const QList<oObject> &objects)
{
    const QImage previous = m_scene.picture;
    const double zoom = m_zoom;
    ClearPicture();
    m_scene.mode = std::max(mode, 0);
    m_scene.gridVisible = gridVisible;
    m_scene.grid = grid;
    m_scene.players = players;
    m_scene.objects = objects;
    m_scene.notes = notes;
    const QString file = m_resolve ? m_resolve(path) : path;
    const MapPicture::Probe probe = MapPicture::probe(file);
    if (!probe.error.isEmpty())
        emit pictureRefused(probe.error);
    if (!probe.readable || !probe.error.isEmpty())
        return false;
    const QDateTime stamp = QFileInfo(file).lastModified();
    if (reusePicture(previous, file, stamp)) {
        m_zoom = zoom;
        DisplayMode(m_scene.mode);
        return true;
    }
    m_file = file;
    m_fileStamp = stamp;
    // Decoded off the user-interface thread so that a big map never freezes the window; the
    // header read above already answered whether the picture can be shown.
    auto promise = std::make_shared<QPromise<QImage>>();
    m_decoding.setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, file] {
        promise->start();
        promise->addResult(MapPicture::decode(file));
        promise->finish();
    });
    m_loading = true;
    m_busy->show();
    updateLayout();
    return true;
}

bool ucPictureSiz::reusePicture(const QImage &previous, const QString &file, const QDateTime &stamp)
{
    // The same map shown again (a visibility toggle) keeps its picture and zoom, so the owner
    // can put the scroll values back at once and nothing is decoded twice.
    if (previous.isNull() || file != m_file || stamp != m_fileStamp)
        return false;
    m_scene.picture = previous;
    return true;
}

void ucPictureSiz::pictureDecoded()
{
    if (!m_loading)
        return;
    m_loading = false;
    m_busy->hide();
    const QFuture<QImage> future = m_decoding.future();
    m_scene.picture = future.resultCount() > 0 ? future.result() : QImage();
    DisplayMode(m_scene.mode);
    emit pictureLoaded();
}

void ucPictureSiz::waitForPicture()
{
    if (!m_loading)
        return;
    m_decoding.waitForFinished();
    pictureDecoded();
}

void ucPictureSiz::ClearPicture()
{
    m_loading = false;
    m_busy->hide();
    m_scene = MapScene {};
    m_drag.reset();
    m_distance.reset();
    m_position->hide();
    m_distanceLabel->hide();
    m_zoom = 1;
    updateLayout();
}

void ucPictureSiz::DisplayMode(int mode)
{
    m_scene.mode = std::max(mode, 0);
    updateLayout();
}

QSize ucPictureSiz::displayedSize() const
{
    const QSize base = MapRenderer::layoutSize(m_scene.mode, m_scene.picture.size(), size());
    return QSize(MapGeometry::round(base.width() * m_zoom), MapGeometry::round(base.height() * m_zoom));
}

MapFactors ucPictureSiz::factors() const { return MapGeometry::factors(m_scene.picture.size(), displayedSize()); }

QPoint ucPictureSiz::offset() const { return { horizontalScrollBar()->value(), verticalScrollBar()->value() }; }

void ucPictureSiz::updateLayout()
{
    const QSize shown = displayedSize();
    // A surface that fits the control needs no bars; without this a stretched map would make
    // room for bars it then fills.
    const bool fits = shown.width() <= width() && shown.height() <= height();
    const Qt::ScrollBarPolicy policy = fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, shown.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, shown.height() - view.height()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
    m_busy->setGeometry(QRect(QPoint(), QSize(std::min(200, view.width()), 16))
                            .translated((view.width() - std::min(200, view.width())) / 2, view.height() / 2 - 8));
    viewport()->update();
}

int ucPictureSiz::ScrollBar_H_Value() const { return horizontalScrollBar()->value(); }
void ucPictureSiz::setScrollBar_H_Value(int value) { horizontalScrollBar()->setValue(value); }
int ucPictureSiz::ScrollBar_V_Value() const { return verticalScrollBar()->value(); }
void ucPictureSiz::setScrollBar_V_Value(int value) { verticalScrollBar()->setValue(value); }
void ucPictureSiz::MapRefresh() { viewport()->update(); }

void ucPictureSiz::setZoom(double zoom, QPoint anchor)
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (m_scene.picture.isNull() || zoom == m_zoom)
        return;
    // The picture point under the anchor stays under it.
    const QPointF picture = factors().toPicture(anchor + offset());
    m_zoom = zoom;
    updateLayout();
    const QPointF surface = factors().toSurface(picture);
    setScrollBar_H_Value(MapGeometry::round(surface.x()) - anchor.x());
    setScrollBar_V_Value(MapGeometry::round(surface.y()) - anchor.y());
}

void ucPictureSiz::zoomToFit()
{
    const QSize base = MapRenderer::layoutSize(m_scene.mode, m_scene.picture.size(), size());
    if (!base.isEmpty())
        setZoom(std::min(double(width()) / base.width(), double(height()) / base.height()));
}

void ucPictureSiz::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateLayout();
}

void ucPictureSiz::scrollContentsBy(int dx, int dy)
{
    // Moves what is already drawn and paints only the strip that came into view.
    viewport()->scroll(dx, dy);
}

void ucPictureSiz::updateSurface(QRect surfaceRect) { viewport()->update(surfaceRect.translated(-offset())); }

void ucPictureSiz::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().dark());
    painter.translate(-offset());
    m_renderer.paint(painter, m_scene, displayedSize(), event->rect().translated(offset()));
    if (m_distance && m_distance->points().size() > 1) {
        painter.setPen(QPen(QColor(PathColour & 0xFF, (PathColour >> 8) & 0xFF, PathColour >> 16), 0));
        const MapFactors f = factors();
        QPolygonF line;
        for (const QPointF &point : m_distance->points())
            line << f.toSurface(point);
        painter.drawPolyline(line);
    }
}

QString ucPictureSiz::toolTipAt(QPoint viewportPoint)
{
    const auto marker = m_renderer.markerAt(m_scene, displayedSize(), viewportPoint + offset());
    if (!marker)
        return {};
    const QPointF at = markerPosition(m_scene, *marker);
    return u"%1 at %2, %3"_s.arg(
        markerKey(m_scene, *marker), NumberText::single(float(at.x())), NumberText::single(float(at.y())));
}

bool ucPictureSiz::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString tip = toolTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void ucPictureSiz::mousePressEvent(QMouseEvent *event)
{
    const QPoint surface = event->position().toPoint() + offset();
    if (event->button() == Qt::LeftButton)
        pressLeft(surface);
    else if (event->button() == Qt::RightButton)
        pressRight(surface, event->globalPosition().toPoint());
    else if (event->button() == Qt::MiddleButton && !m_scene.picture.isNull()) {
        // Measured on the unzoomed surface; squares only over a grid the user can see.
        const QSize base = MapRenderer::layoutSize(m_scene.mode, m_scene.picture.size(), size());
        m_distance = std::make_unique<DistancePath>(MapGeometry::factors(m_scene.picture.size(), base),
            m_scene.gridVisible ? m_scene.grid : oGrid {}, m_scene.picture.size());
        m_distance->start(factors().toPicture(surface));
    }
}

void ucPictureSiz::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint surface = event->position().toPoint() + offset();
    if (m_drag && (event->buttons() & Qt::LeftButton))
        moveMarker(surface);
    else if (m_position->isVisible() && (event->buttons() & Qt::LeftButton))
        showPosition(surface);
    if (m_distance && (event->buttons() & Qt::MiddleButton))
        extendPath(surface);
}

void ucPictureSiz::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint surface = event->position().toPoint() + offset();
    if (event->button() == Qt::LeftButton && m_drag)
        dropMarker(surface, viewport()->rect().contains(event->position().toPoint()));
    else if (event->button() == Qt::LeftButton) {
        m_position->hide();
        m_position->setText(u"No caption"_s);
    } else if (event->button() == Qt::MiddleButton)
        endPath();
}

void ucPictureSiz::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    setZoom(m_zoom * std::pow(1.25, event->angleDelta().y() / 120.0), event->position().toPoint());
    event->accept();
}

void ucPictureSiz::pressLeft(QPoint surface)
{
    const auto marker = m_renderer.markerAt(m_scene, displayedSize(), surface);
    if (!marker) {
        if (!m_scene.picture.isNull())
            showPosition(surface);
        return;
    }
    if (marker->kind == MapMarkerKind::Object && !m_scene.objects.at(marker->index).movable) {
        m_platform.information(u"Object Cannot be Dragged"_s, u"You must use the editor to move this object."_s);
        return;
    }
    const QRect where = m_renderer.markerRect(m_scene, *marker, displayedSize());
    m_drag = Drag { *marker, surface - where.topLeft(), markerPosition(m_scene, *marker) };
}

void ucPictureSiz::pressRight(QPoint surface, QPoint global)
{
    const auto marker = m_renderer.markerAt(m_scene, displayedSize(), surface);
    if (marker)
        m_menuCaller = markerKey(m_scene, *marker);
    emit menuRequested(marker ? m_menuCaller : QString(), marker ? marker->kind : MapMarkerKind::Surface, global);
}

void ucPictureSiz::setMarkerPosition(MapRenderer::Marker marker, QPointF picture)
{
    const QRect before = m_renderer.markerRect(m_scene, marker, displayedSize());
    const float x = float(picture.x());
    const float y = float(picture.y());
    if (marker.kind == MapMarkerKind::Player)
        std::tie(m_scene.players[marker.index].x, m_scene.players[marker.index].y) = std::pair(x, y);
    else if (marker.kind == MapMarkerKind::Object)
        std::tie(m_scene.objects[marker.index].x, m_scene.objects[marker.index].y) = std::pair(x, y);
    else
        std::tie(m_scene.notes[marker.index].x, m_scene.notes[marker.index].y) = std::pair(x, y);
    updateSurface(before.united(m_renderer.markerRect(m_scene, marker, displayedSize())));
}

void ucPictureSiz::moveMarker(QPoint surface)
{
    setMarkerPosition(m_drag->marker, factors().toPicture(surface - m_drag->grab));
}

void ucPictureSiz::dropMarker(QPoint surface, bool onSurface)
{
    const Drag drag = *std::exchange(m_drag, std::nullopt);
    if (!onSurface) {
        setMarkerPosition(drag.marker, drag.original);
        return;
    }
    const QPointF picture = factors().toPicture(surface - drag.grab);
    setMarkerPosition(drag.marker, picture);
    const QString key = markerKey(m_scene, drag.marker);
    const float x = float(picture.x());
    const float y = float(picture.y());
    if (drag.marker.kind == MapMarkerKind::Player)
        emit PlayerMoved(key, x, y);
    else if (drag.marker.kind == MapMarkerKind::Object)
        emit ObjectMoved(key, x, y);
    else
        emit NoteMoved(key, x, y);
}

void ucPictureSiz::showPosition(QPoint surface)
{
    const QPointF picture = factors().toPicture(surface);
    m_position->setText(u" X: %1 Y: %2  "_s.arg(MapGeometry::round(picture.x())).arg(MapGeometry::round(picture.y())));
    m_position->adjustSize();
    m_position->move(surface - offset());
    m_position->show();
}

void ucPictureSiz::extendPath(QPoint surface)
{
    if (!m_distance->extend(factors().toPicture(surface)))
        return;
    const MapFactors f = factors();
    const QList<QPointF> &points = m_distance->points();
    const QPointF from = f.toSurface(points.at(points.size() - 2));
    const QPointF to = f.toSurface(points.last());
    updateSurface(QRectF(from, to).normalized().toAlignedRect().adjusted(-2, -2, 2, 2));
    m_distanceLabel->setText(m_distance->label());
    m_distanceLabel->adjustSize();
    m_distanceLabel->move(to.toPoint() - offset() - QPoint(0, LabelAbovePoint));
    m_distanceLabel->show();
}

void ucPictureSiz::endPath()
{
    m_distance.reset();
    m_distanceLabel->hide();
    viewport()->update();
}

QImage ucPictureSiz::capture()
{
    waitForPicture();
    if (m_scene.picture.isNull())
        return {};
    // At the zoom shown, but never beyond the largest picture a map may be.
    const QSize shown = displayedSize();
    const QSize size = shown.boundedTo({ MapPicture::MaxSide, MapPicture::MaxSide }) == shown
        ? shown
        : shown.scaled(MapPicture::MaxSide, MapPicture::MaxSide, Qt::KeepAspectRatio);
    return m_renderer.render(m_scene, size);
}

bool ucPictureSiz::SaveMapAsBMP(const QString &path)
{
    const QImage shot = capture();
    if (shot.isNull())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool png = path.endsWith(u".png"_s, Qt::CaseInsensitive);
    if (!shot.save(&buffer, png ? "PNG" : "BMP"))
        return false;
    return bool(FileWriter::writeAtomically(path, bytes));
}

bool ucPictureSiz::PrintPicture()
{
    const QImage shot = capture();
    if (shot.isNull())
        return false;
    // The print dialog lets the user pick the printer; the default printer is its first choice.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(u"Map"_s);
    if (!m_platform.choosePrinter(printer, u"Print Map"_s))
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    painter.drawImage(QRect(page.topLeft(), shot.size().scaled(page.size(), Qt::KeepAspectRatio)), shot);
    const bool printed = painter.end();
    QGuiApplication::restoreOverrideCursor();
    return printed;
}

} // namespace Velmora
