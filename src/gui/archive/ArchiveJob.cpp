#include "gui/archive/ArchiveJob.h"

namespace Velmora {

ArchiveJob::ArchiveJob(Work work, QObject *parent)
    : QThread(parent)
    , m_work(std::move(work))
{
}

ArchiveJob::~ArchiveJob()
{
    requestStop();
    wait();
}

void ArchiveJob::run()
{
    m_work([this](const QString &text) { emit status(text); }, [this](int percent) { emit progress(percent); },
        [this] { return m_stop.load(); });
}

} // namespace Velmora
