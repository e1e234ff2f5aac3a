#pragma once

#include <QString>
#include <QThread>

#include <atomic>
#include <functional>

namespace Velmora {

/// Long archive work run off the window's thread. The work reports status texts and the share
/// done (delivered to the window's thread as queued signals) and asks whether to stop.
class ArchiveJob : public QThread
{
    Q_OBJECT

public:
    using Status = std::function<void(const QString &)>;
    using Progress = std::function<void(int percent)>;
    using Stop = std::function<bool()>;
    using Work = std::function<void(const Status &status, const Progress &progress, const Stop &stopRequested)>;

    ArchiveJob(Work work, QObject *parent);
    /// Stops the work and waits for it.
    ~ArchiveJob() override;

    void requestStop() { m_stop = true; }

signals:
    void status(const QString &text);
    void progress(int percent);

protected:
    void run() override;

private:
    Work m_work;
    std::atomic<bool> m_stop = false;
};

} // namespace Velmora
