#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace Velmora {

/// The running instance's ear for files opened from the file manager: a local socket named
/// after the application folder. A second start that names a file sends its path here and
/// ends; the running instance receives it through pathReceived.
class PathHandOver : public QObject
{
    Q_OBJECT

public:
    /// `folder`: the application folder, the same one SingleInstance locks.
    explicit PathHandOver(const QString &folder, QObject *parent = nullptr);

    /// Starts listening (the running instance, which holds the single-instance lock, so a socket
    /// left by an instance that crashed may be taken over). False when that fails.
    bool listen();
    /// Sends `path` to the instance listening for `folder`; false when none answered in time.
    static bool send(const QString &folder, const QString &path, int timeoutMs = 5000);
    /// Short and free of separators: the socket lives in the temporary folder, whose socket
    /// paths are limited in length.
    static QString serverName(const QString &folder);

signals:
    void pathReceived(const QString &path);

private:
    void accept();

    QString m_name;
    QLocalServer *m_server;
};

} // namespace Velmora
