#include "core/common/AppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace Velmora {

AppFolder::AppFolder(QString root)
    : m_root(QDir::cleanPath(std::move(root)))
{
}

AppFolder AppFolder::locate()
{
    const QString home = qEnvironmentVariable("VELMORA_HOME");
    if (!home.isEmpty())
        return AppFolder(QFileInfo(home).absoluteFilePath());
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return AppFolder(base + u"/Velmora"_s);
}

QString AppFolder::shippedDataDir()
{
    const QString installed = QCoreApplication::applicationDirPath() + u"/../share/velmora"_s;
    if (QFileInfo::exists(installed + u"/Sounds"_s))
        return QDir::cleanPath(installed);
    const QString configured = QString::fromUtf8(VELMORA_INSTALL_DATA_DIR);
    if (QFileInfo::exists(configured + u"/Sounds"_s))
        return configured;
    return QString::fromUtf8(VELMORA_SOURCE_DATA_DIR);
}

namespace {

QStringList splitRelative(const QString &relative)
{
    QString normal = relative;
    normal.replace(u'\\', u'/');
    return normal.split(u'/', Qt::SkipEmptyParts);
}

// The entry of `dir` named `name`, matched without regard to case, or `name` itself.
QString matchEntry(const QString &dir, const QString &name)
{
    if (QFileInfo::exists(dir + u'/' + name))
        return name;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

QString resolveParts(QString base, const QStringList &parts)
{
    for (const QString &part : parts)
        base += u'/' + matchEntry(base, part);
    return base;
}

} // namespace

QString AppFolder::file(const QString &relative) const
{
    return resolveParts(m_root, splitRelative(relative));
}

QString AppFolder::storedFile(const QString &stored) const
{
    return stored.startsWith(u'\\') ? file(stored) : resolvePathIgnoringCase(stored);
}

// Stored paths are relative to the application folder wherever the file is under it; older
// campaigns stored full paths, which keep working but tie a campaign to one machine and user.
QString AppFolder::storedPath(const QString &path) const
{
    if (path.startsWith(u'\\'))
        return path;
    const QString normal = QDir::cleanPath(QDir::fromNativeSeparators(QString(path).replace(u'\\', u'/')));
    const QString root = m_root.endsWith(u'/') ? m_root : m_root + u'/';
    if (normal.size() <= root.size() || !normal.startsWith(root, Qt::CaseInsensitive))
        return path;
    return relativeForm(normal.mid(root.size()));
}

QString AppFolder::relativeForm(const QString &relative)
{
    return u'\\' + splitRelative(relative).join(u'\\');
}

QString resolvePathIgnoringCase(const QString &path)
{
    QString normal = path;
    normal.replace(u'\\', u'/');
    if (QFileInfo::exists(normal) || !normal.startsWith(u'/'))
        return normal;
    return resolveParts(QString(), normal.split(u'/', Qt::SkipEmptyParts));
}

QStringList AppFolder::seedFrom(const QString &shippedDir) const
{
    QStringList copied;
    const QDir source(shippedDir);
    if (!source.exists())
        return copied;
    QDir().mkpath(m_root);
    QDirIterator it(shippedDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = source.relativeFilePath(from);
        const QString to = file(relative);
        if (QFileInfo::exists(to))
            continue;
        QDir().mkpath(QFileInfo(to).absolutePath());
        if (QFile::copy(from, to)) {
            // Shipped files may come read-only from the installation; the copy is the user's.
            QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
            copied << relative;
        }
    }
    return copied;
}

} // namespace Velmora
