#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

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
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace Velmora
