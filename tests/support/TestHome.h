#pragma once

#include "core/common/AppFolder.h"

#include <QTemporaryDir>

namespace Velmora {

/// A fresh application folder for one test: a temporary directory, set as VELMORA_HOME, and
/// optionally seeded with the shipped data. Removed when the object goes.
class TestHome
{
public:
    enum Seed { Empty, Shipped };
    explicit TestHome(Seed seed = Empty);
    ~TestHome();

    AppFolder folder() const { return AppFolder(m_dir.path()); }
    QString path() const { return m_dir.path(); }
    /// Full path of a file inside the folder.
    QString file(const QString &relative) const { return m_dir.path() + u'/' + relative; }
    /// Writes `bytes` to `relative`, creating folders; returns the full path.
    QString write(const QString &relative, const QByteArray &bytes) const;
    QByteArray read(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
};

} // namespace Velmora
