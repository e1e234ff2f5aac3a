#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace Velmora {

/// Marks the one running instance of the program: a lock file "Velmora.lock" in the
/// application folder, held from start to end of the process. A lock left behind by a process
/// that no longer runs is taken over; one held by a running instance is refused.
class SingleInstance
{
public:
    /// `folder`: the application folder.
    explicit SingleInstance(const QString &folder);
    ~SingleInstance();

    /// True when this process now holds the lock (or held it already).
    bool tryAcquire();
    void release();
    bool isHeld() const;
    const QString &lockPath() const { return m_path; }

    static QString lockFileName();

private:
    QString m_path;
    int m_fd = -1;                     ///< the locked file, where the system locks open files
    std::unique_ptr<QLockFile> m_lock; ///< elsewhere
};

} // namespace Velmora
