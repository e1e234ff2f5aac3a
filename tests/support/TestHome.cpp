#include "support/TestHome.h"

#include "TestConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Velmora {

TestHome::TestHome(Seed seed)
    : m_previousHome(qgetenv("VELMORA_HOME"))
{
    qputenv("VELMORA_HOME", QFile::encodeName(m_dir.path()));
    if (seed == Shipped)
        folder().seedFrom(QString::fromUtf8(VELMORA_SHIPPED_DATA_DIR));
}

TestHome::~TestHome()
{
    qputenv("VELMORA_HOME", m_previousHome);
}

QString TestHome::write(const QString &relative, const QByteArray &bytes) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray TestHome::read(const QString &relative) const
{
    QFile f(file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace Velmora
