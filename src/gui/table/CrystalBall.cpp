#include "gui/table/CrystalBall.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace Velmora {

CrystalBall::CrystalBall(QWidget *parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

QSize CrystalBall::sizeHint() const { return { 96, 112 }; }

void CrystalBall::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.4);

    // The sphere fills the width and stands on a base of a sixth of the height.
    const qreal side = qMin<qreal>(width(), height() * 6.0 / 7.0) - 4;
    const QRectF sphere((width() - side) / 2, 2, side, side);
    const qreal baseTop = sphere.bottom() - side * 0.12;
    const qreal baseHeight = side / 6;

    QPainterPath stand;
    stand.moveTo(sphere.center().x() - side * 0.28, baseTop);
    stand.lineTo(sphere.center().x() + side * 0.28, baseTop);
    stand.lineTo(sphere.center().x() + side * 0.42, baseTop + baseHeight);
    stand.lineTo(sphere.center().x() - side * 0.42, baseTop + baseHeight);
    stand.closeSubpath();
    QLinearGradient wood(0, baseTop, 0, baseTop + baseHeight);
    wood.setColorAt(0, QColor(150, 96, 48));
    wood.setColorAt(1, QColor(72, 40, 16));
    painter.fillPath(stand, wood);

    // Light from the upper left: a bright spot there, deep violet at the rim.
    QRadialGradient glass(sphere.center(), side / 2, sphere.center() - QPointF(side / 5, side / 5));
    glass.setColorAt(0, QColor(240, 248, 255));
    glass.setColorAt(0.35, QColor(130, 160, 230));
    glass.setColorAt(0.85, QColor(70, 40, 150));
    glass.setColorAt(1, QColor(35, 20, 80));
    painter.setPen(QPen(QColor(30, 20, 60), 1));
    painter.setBrush(glass);
    painter.drawEllipse(sphere);

    if (isDown())
        painter.fillRect(sphere, QColor(255, 255, 255, 40));
}

} // namespace Velmora
