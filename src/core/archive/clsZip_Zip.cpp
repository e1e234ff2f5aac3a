#include "core/archive/clsZip_Zip.h"

#include "core/archive/ZipCompressQueue.h"
#include "core/common/CodePage.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>
#include <QtEndian>

#include <limits>

namespace Velmora {

namespace {

constexpr qint64 MaxOffset = std::numeric_limits<uint32_t>::max();
constexpr int MaxEntries = 65535;
// Source data read ahead of the writer on the compressing threads.
constexpr qint64 BytesAhead = qint64(256) << 20;

// "*" stands for any run of characters; everything else is literal. Letter case is ignored, as
// the file names of campaigns made on Windows need. The pattern is the whole file name: "*"
// matches every file, "*.*" those with a dot.
bool matches(const QString &name, const QString &pattern)
{
    QStringList parts = pattern.split(u'*');
    for (QString &part : parts)
        part = QRegularExpression::escape(part);
    const QString expression = parts.join(QStringLiteral(".*"));
    const QRegularExpression re(
        QRegularExpression::anchoredPattern(expression), QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}

QByteArray endRecord(int count, qint64 centralSize, qint64 centralOffset, const QByteArray &comment)
{
    QByteArray out(22, '\0');
    char *p = out.data();
    qToLittleEndian<uint32_t>(0x06054B50, p);
    qToLittleEndian<uint16_t>(uint16_t(count), p + 8);
    qToLittleEndian<uint16_t>(uint16_t(count), p + 10);
    qToLittleEndian<uint32_t>(uint32_t(centralSize), p + 12);
    qToLittleEndian<uint32_t>(uint32_t(centralOffset), p + 16);
    qToLittleEndian<uint16_t>(uint16_t(comment.size()), p + 20);
    return out + comment;
}

} // namespace

clsZip_Zip::clsZip_Zip(AppFolder appFolder)
    : m_appFolder(std::move(appFolder))
    , m_sizeLimit(MaxOffset)
{
}

void clsZip_Zip::SetSizeLimit(qint64 bytes) { m_sizeLimit = std::min(bytes, MaxOffset); }

int clsZip_Zip::FileAdd(const QString &pattern, int nameMode, bool recurse)
{
    // A path in the stored relative form ("\Sounds\Intro.WAV") names a file of the application
    // folder, as campaigns store them.
    const QString path = pattern.startsWith(u'\\') ? m_appFolder.storedFile(pattern) : pattern;
    const QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    return addMatching(info.absolutePath(), info.fileName(), nameMode, recurse);
}

int clsZip_Zip::addMatching(const QString &folder, const QString &namePattern, int nameMode, bool recurse)
{
    int added = 0;
    const QDir dir(folder);
    if (!namePattern.contains(u'*')) {
        const QFileInfo file(dir.filePath(namePattern));
        if (file.isFile()) {
            addFile(file.absoluteFilePath(), nameMode);
            ++added;
        }
    } else {
        for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
            if (matches(file.fileName(), namePattern)) {
                addFile(file.absoluteFilePath(), nameMode);
                ++added;
            }
        }
    }
    // Linked folders are not followed: a link back up would never end.
    if (recurse) {
        for (const QFileInfo &sub :
            dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDir::Name))
            added += addMatching(sub.absoluteFilePath(), namePattern, nameMode, recurse);
    }
    return added;
}

void clsZip_Zip::addFile(const QString &path, int nameMode)
{
    const QFileInfo info(path);
    clsZip_File entry;
    entry.SourcePath = path;
    entry.Name = entryName(path, nameMode);
    entry.SetDateTime(info.lastModified());
    entry.UncompressedSize = uint32_t(std::min<qint64>(info.size(), MaxOffset));
    entry.PrepareName();
    m_files.append(entry);
}

// Entry names separate folders with "/", as the format asks and every tool expects. A name never
// starts with a separator: an absolute name is one that other tools strip or refuse.
QString clsZip_Zip::entryName(const QString &absolutePath, int nameMode) const
{
    const QString path = QDir::fromNativeSeparators(absolutePath);
    QString name;
    switch (nameMode) {
    case FileNameOnly:
        name = path.mid(path.lastIndexOf(u'/') + 1);
        break;
    case RelativeToAppFolder: {
        const QString stored = m_appFolder.storedPath(path);
        name = stored.startsWith(u'\\') ? stored.mid(1).replace(u'\\', u'/') : path;
        break;
    }
    default:
        name = path;
    }
    // The drive and the leading separators ("C:/", "/").
    if (name.size() >= 2 && name[1] == u':' && name[0].isLetter())
        name = name.mid(2);
    while (name.startsWith(u'/'))
        name.remove(0, 1);
    return name;
}

void clsZip_Zip::FileDel(int index)
{
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}

QString clsZip_Zip::FileName(int index) const
{
    return index >= 0 && index < m_files.size() ? m_files[index].Name : QString();
}

qint64 clsZip_Zip::SizeCompressed(int index) const
{
    return index >= 0 && index < m_files.size() ? m_files[index].CompressedSize : 0;
}

qint64 clsZip_Zip::SizeUncompressed(int index) const
{
    return index >= 0 && index < m_files.size() ? m_files[index].UncompressedSize : 0;
}

bool clsZip_Zip::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

// The archive goes to a temporary file renamed over `path` at the end: an old archive is
// replaced only by a complete new one, and a failure or a stop leaves nothing behind.
bool clsZip_Zip::WriteZip(const QString &path, bool overwrite)
{
    m_lastError.clear();
    if (QFileInfo::exists(path) && !overwrite)
        return fail(tr("%1 already exists.").arg(path));
    // Without the ZIP64 extensions the format counts entries in 16 bits.
    if (m_files.size() > MaxEntries)
        return fail(tr("An archive holds at most %1 files; %2 were added.").arg(MaxEntries).arg(m_files.size()));
    if (m_comment.size() > 0xFFFF)
        return fail(tr("The archive comment is longer than 65535 characters."));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return fail(tr("Cannot write %1: %2").arg(path, out.errorString()));
    if (!writeEntries(out))
        return false;
    if (!out.commit())
        return fail(tr("Cannot write %1: %2").arg(path, out.errorString()));
    return true;
}

bool clsZip_Zip::writeEntries(QSaveFile &out)
{
    QStringList paths;
    std::vector<qint64> sizes;
    for (const clsZip_File &file : std::as_const(m_files)) {
        paths << file.SourcePath;
        sizes.push_back(QFileInfo(file.SourcePath).size());
        // Said before anything is read: an entry's sizes are 32-bit without the ZIP64 extensions.
        if (sizes.back() > MaxOffset)
            return fail(tr("%1 is larger than 4 GiB, more than an archive entry holds.").arg(file.SourcePath));
    }
    const int threads = m_threads > 0 ? m_threads : QThread::idealThreadCount();
    ZipCompressQueue queue(paths, sizes, threads, BytesAhead);
    qint64 offset = 0;
    for (int i = 0; i < m_files.size(); ++i) {
        clsZip_File &file = m_files[i];
        const ZipCompressed data = queue.take(i);
        if (!data.ok)
            return fail(tr("Cannot read %1.").arg(file.SourcePath));
        // Without the ZIP64 extensions sizes and offsets are 32-bit: an archive stops at 4 GiB.
        if (data.size > MaxOffset || offset + 30 + 2 * 0xFFFF + data.data.size() > m_sizeLimit)
            return fail(tr("The archive would be larger than 4 GiB, more than the format holds."));
        file.Method = data.stored ? 0 : 8;
        file.Crc32 = data.crc;
        file.CompressedSize = uint32_t(data.data.size());
        file.UncompressedSize = uint32_t(data.size);
        file.LocalHeaderOffset = uint32_t(offset);
        const QByteArray header = file.LocalHeader();
        if (out.write(header) != header.size() || out.write(data.data) != data.data.size())
            return fail(tr("Cannot write %1: %2").arg(out.fileName(), out.errorString()));
        offset += header.size() + data.data.size();
        bool stop = false;
        if (m_notify.progress)
            m_notify.progress(int((i + 1) * 100 / m_files.size()), stop);
        if (stop)
            return fail(tr("Stopped."));
    }
    QByteArray central;
    for (const clsZip_File &file : std::as_const(m_files))
        central += file.CentralHeader();
    if (offset + central.size() + 22 + m_comment.size() > m_sizeLimit)
        return fail(tr("The archive would be larger than 4 GiB, more than the format holds."));
    central += endRecord(int(m_files.size()), central.size(), offset, CodePage::fromUnicode(m_comment));
    if (out.write(central) != central.size())
        return fail(tr("Cannot write %1: %2").arg(out.fileName(), out.errorString()));
    return true;
}

} // namespace Velmora
