#pragma once

#include "core/archive/clsZip_UnZip.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>
#include <QTest>

namespace Velmora {

/// What a reader reported: "code text" for each error, in order.
struct ZipLog
{
    QStringList errors;
    QStringList statuses;
    ZipNotifications notifications()
    {
        return { [this](const QString &text) { statuses << text; }, {},
            [this](const QString &text, int code) { errors << QString::number(code) + u' ' + text; } };
    }
};

/// Every file below `folder` (links neither listed nor followed), relative, sorted.
inline QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace Velmora
