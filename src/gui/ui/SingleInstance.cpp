#include "gui/ui/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifdef Q_OS_UNIX

// The system holds the lock on the open file and lets it go with the process, however it ends:
// a crashed instance leaves no lock behind, and nothing is written to disk while the program
// starts (a synced lock file cost a start a noticeable wait on a busy disk).
bool SingleInstance::tryAcquire()
{
    if (isHeld())
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    // The file must still be the one at the path: an instance that ends removes it, and a lock
    // on a removed file would stop nobody.
    struct stat opened {}, named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0
        || ::stat(QFile::encodeName(m_path).constData(), &named) != 0 || opened.st_ino != named.st_ino
        || opened.st_dev != named.st_dev) {
        ::close(fd);
        return false;
    }
    // The holder's process id, for whoever wonders which program holds the lock; not synced.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(fd, 0) != 0 || ::write(fd, pid.constData(), size_t(pid.size())) != pid.size()) {
        // The lock holds without the note.
    }
    m_fd = fd;
    return true;
}

void SingleInstance::release()
{
    if (m_fd < 0)
        return;
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}

bool SingleInstance::isHeld() const
{
    return m_fd >= 0;
}

#else

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

#endif

} // namespace Velmora
