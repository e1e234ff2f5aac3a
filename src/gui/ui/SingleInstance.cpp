#include "gui/ui/SingleInstance.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

SingleInstance::SingleInstance(const QString &folder)
    : m_path(QDir(folder).filePath(lockFileName()))
{
}

SingleInstance::~SingleInstance()
{
    release();
}

QString SingleInstance::lockFileName()
{
    return u"Velmora.lock"_s;
}

bool SingleInstance::tryAcquire()
{
    if (isHeld())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // No age limit: a long-running instance keeps its lock. A lock whose process is gone is
    // still found stale through its process id and taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    return false;
}

void SingleInstance::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

bool SingleInstance::isHeld() const
{
    return m_lock && m_lock->isLocked();
}

} // namespace Velmora
