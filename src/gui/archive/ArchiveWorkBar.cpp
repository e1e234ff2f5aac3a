#include "gui/archive/ArchiveWorkBar.h"

#include "gui/ui/PushButtons.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace Velmora {

ArchiveWorkBar::ArchiveWorkBar(QWidget *parent)
    : QWidget(parent)
    , m_stbStatus(new QStatusBar(this))
    , m_progress(new QProgressBar(this))
    , m_cmdCancel(PushButtons::make(tr("Cancel"), u"cmdCancel"_s, this))
{
    m_stbStatus->setObjectName(u"stbStatus"_s);
    m_stbStatus->setSizeGripEnabled(false);
    m_progress->setObjectName(u"prgWork"_s);
    m_progress->setRange(0, 100);
    m_progress->setMaximumWidth(120);
    m_progress->hide();
    m_cmdCancel->hide();
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stbStatus, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_cmdCancel);
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] {
        if (m_job)
            m_job->requestStop();
    });
}

void ArchiveWorkBar::showStatus(const QString &text) { m_stbStatus->showMessage(text); }

QString ArchiveWorkBar::status() const { return m_stbStatus->currentMessage(); }

void ArchiveWorkBar::start(ArchiveJob::Work work, std::function<void()> finished)
{
    m_job = new ArchiveJob(std::move(work), this);
    connect(m_job, &ArchiveJob::status, this, &ArchiveWorkBar::showStatus);
    connect(m_job, &ArchiveJob::progress, m_progress, &QProgressBar::setValue);
    connect(m_job, &QThread::finished, this, [this, finished = std::move(finished)] {
        m_job->deleteLater();
        m_job = nullptr;
        m_progress->hide();
        m_cmdCancel->hide();
        finished();
    });
    m_progress->setValue(0);
    m_progress->show();
    m_cmdCancel->show();
    m_job->start();
}

void ArchiveWorkBar::stop()
{
    if (!m_job)
        return;
    m_job->requestStop();
    m_job->wait();
}

} // namespace Velmora
