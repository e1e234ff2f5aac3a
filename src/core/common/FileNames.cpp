#include "core/common/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// The counter of copies is 16-bit, as the campaign's other counts are.
constexpr int LastCopyNumber = 32767;

QString withSlashes(const QString &path) { return QString(path).replace(u'\\', u'/'); }

QString fileName(const QString &path)
{
    return path.mid(std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1);
}

QString resolved(const QString &path)
{
    const QFileInfo info(withSlashes(path));
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

QString FileNames::FileBaseName(const QString &path)
{
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

// Only the file name's dot counts: a dot in a folder name ("C:\Maps.old\Keep") is no extension,
// and taking it as one would send copies into a folder that does not exist.
QString FileNames::FileExtension(const QString &path)
{
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

bool FileNames::FileExists(const QString &path) { return !path.isEmpty() && QFileInfo::exists(withSlashes(path)); }

bool FileNames::IsInFolder(const QString &path, const QString &folder)
{
    const QString root = resolved(folder) + u'/';
    return resolved(path).startsWith(root, Qt::CaseInsensitive);
}

Result<QString> FileNames::UniqueCopyPath(const QString &source, const QString &folder)
{
    const QString stem = withSlashes(folder) + u'/' + FileBaseName(source);
    const QString extension = FileExtension(source);
    QString target = stem + extension;
    for (int n = 1; FileExists(target); ++n) {
        if (n > LastCopyNumber) {
            return Error { folder,
                QCoreApplication::translate(
                    "FileNames", "No free name for a copy of %1: %2_1%3 to %2_%4%3 are all taken.")
                    .arg(fileName(source), FileBaseName(source), extension)
                    .arg(LastCopyNumber) };
        }
        target = stem + u'_' + QString::number(n) + extension;
    }
    return target;
}

Result<QString> FileNames::CopyToFolder(const QString &source, const QString &folder)
{
    const Result<QString> target = UniqueCopyPath(source, folder);
    if (!target)
        return target;
    QDir().mkpath(withSlashes(folder));
    // QFile::copy never replaces an existing file: a copy that lost a race fails instead.
    QFile file(withSlashes(source));
    if (!file.copy(*target))
        return Error { source,
            QCoreApplication::translate("FileNames", "Cannot copy to %1: %2").arg(*target, file.errorString()) };
    return target;
}

int FileNames::DigitsOnlyKey(int key)
{
    constexpr int Backspace = 8;
    constexpr int Enter = 13;
    const bool digit = key >= '0' && key <= '9';
    return digit || key == Backspace || key == Enter ? key : 0;
}

} // namespace Velmora
