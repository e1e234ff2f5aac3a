#pragma once

#include "gui/archive/ArchiveJob.h"

#include <QWidget>

class QProgressBar;
class QPushButton;
class QStatusBar;

namespace Velmora {

/// The foot of the archive windows: the status bar `stbStatus`, and while work runs its progress
/// bar (`prgWork`, the share done) and Cancel (`cmdCancel`) beside it.
class ArchiveWorkBar : public QWidget
{
    Q_OBJECT

public:
    explicit ArchiveWorkBar(QWidget *parent);

    void showStatus(const QString &text);
    QString status() const;
    bool isWorking() const { return m_job != nullptr; }
    /// Runs `work` off the window's thread; `finished` is called on the window's thread after.
    void start(ArchiveJob::Work work, std::function<void()> finished);
    /// Stops the work, if any, and waits for it.
    void stop();

private:
    QStatusBar *m_stbStatus;
    QProgressBar *m_progress;
    QPushButton *m_cmdCancel;
    ArchiveJob *m_job = nullptr;
};

} // namespace Velmora
