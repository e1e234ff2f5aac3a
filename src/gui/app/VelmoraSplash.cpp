#include "gui/app/VelmoraSplash.h"

#include "core/common/Version.h"

#include <QColor>
#include <QFrame>
#include <QPalette>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace Velmora {

VelmoraSplash::VelmoraSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_label(new QLabel(this))
    , m_bar(new QProgressBar(this))
{
    setObjectName(u"VelmoraSplash"_s);
    setWindowTitle(u"Velmora"_s);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    // A palette rather than a style sheet: the splash is up while every second of start-up counts.
    QPalette colours = frame->palette();
    colours.setColor(QPalette::Window, QColor(0x2b, 0x1d, 0x12));
    colours.setColor(QPalette::WindowText, QColor(0xf2, 0xe6, 0xc9));
    frame->setPalette(colours);
    frame->setAutoFillBackground(true);
    auto *title = new QLabel(u"Velmora"_s, frame);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 3);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto *version = new QLabel(tr("Version %1").arg(Version::text()), frame);
    version->setAlignment(Qt::AlignCenter);

    m_label->setObjectName(u"VelmoraLoadingLabel"_s);
    m_label->setParent(frame);
    m_bar->setObjectName(u"VelmoraProgressBar"_s);
    m_bar->setParent(frame);
    m_bar->setTextVisible(false);
    setProgressRange(0, LeastMax);
    // A progress bar repaints itself at once whenever its chunk moves; the splash decides when
    // it is painted (below), so the bar only paints along with it.
    m_bar->setUpdatesEnabled(false);

    auto *inner = new QVBoxLayout(frame);
    inner->setContentsMargins(24, 24, 24, 16);
    inner->addWidget(title);
    inner->addWidget(version);
    inner->addStretch();
    inner->addWidget(m_label);
    inner->addWidget(m_bar);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    setFixedSize(420, 220);
    m_sincePaint.start();
}

void VelmoraSplash::setProgressRange(int min, int max)
{
    m_bar->setRange(min, qMax(max, qMax(min, LeastMax)));
    m_bar->setValue(min);
}

void VelmoraSplash::ShowLoadingMessage(const QString &text)
{
    m_label->setText(text);
    // QProgressBar ignores values beyond its range, so the last steps stay on Max.
    m_bar->setValue(qMin(m_bar->value() + 1, m_bar->maximum()));
    // Loading runs without the event loop, so the splash is painted here; but no eye follows
    // more than a few messages a second, and painting each one would slow the loading down.
    if (m_sincePaint.elapsed() >= RepaintIntervalMs)
        paintNow();
}

void VelmoraSplash::showWhileLoading()
{
    m_sincePaint.start();
}

void VelmoraSplash::paintNow()
{
    // A start-up that is over within the first interval never shows the splash: it could only
    // flash, and laying it out would cost that start-up more than anything it loads.
    if (!isVisible())
        show();
    m_bar->setUpdatesEnabled(true);
    repaint();
    m_bar->setUpdatesEnabled(false);
    m_sincePaint.start();
}

int VelmoraSplash::Min() const
{
    return m_bar->minimum();
}

int VelmoraSplash::Max() const
{
    return m_bar->maximum();
}

int VelmoraSplash::value() const
{
    return m_bar->value();
}

QString VelmoraSplash::loadingText() const
{
    return m_label->text();
}

} // namespace Velmora
