#include "core/archive/ZipExtractor.h"

#include "core/archive/ZipDeflate.h"
#include "core/archive/clsZip_UnZip.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <zlib.h>

namespace Velmora {

namespace {

constexpr int LocalHeaderSize = 30;
constexpr qint64 Chunk = 256 * 1024;
// While one large entry is written the owner is asked about stopping every so many bytes.
constexpr qint64 ProgressEvery = qint64(16) << 20;

QString checksumError(const QString &name) { return QStringLiteral("Erreur de checksum dans ") + name; }

struct Inflater
{
    z_stream s {};
    bool ready = false;
    // Raw deflate (window bits -15): the entry's bytes are the stream itself.
    Inflater() { ready = inflateInit2(&s, -15) == Z_OK; }
    ~Inflater()
    {
        if (ready)
            inflateEnd(&s);
    }
};

} // namespace

ZipExtractor::ZipExtractor(clsZip_UnZip &zip, QString target, bool useFolders, bool overwrite)
    : m_zip(zip)
    , m_target(QDir::cleanPath(QDir::fromNativeSeparators(target)))
    , m_useFolders(useFolders)
    , m_overwrite(overwrite)
{
    for (const clsZip_File &file : zip.m_files)
        m_sortedOffsets.push_back(file.LocalHeaderOffset);
    std::sort(m_sortedOffsets.begin(), m_sortedOffsets.end());
}

bool ZipExtractor::run(const QList<int> &indexes)
{
    if (!QDir().mkpath(m_target)) {
        m_zip.error(QStringLiteral("Impossible de créer le répertoire ") + m_target, ZipError::CannotCreateFolder);
        return false;
    }
    m_canonicalTarget = QFileInfo(m_target).canonicalFilePath();
    bool all = true;
    m_entries = indexes.size();
    for (qsizetype k = 0; k < indexes.size(); ++k) {
        m_entry = k;
        const Outcome outcome = extractOne(indexes[k]);
        if (outcome == Ended)
            return false;
        m_percent = int((k + 1) * 100 / indexes.size());
        all = all && outcome != Failed;
        if (progressStops())
            return false;
    }
    m_zip.status(QStringLiteral("Extraction terminée"));
    return all;
}

bool ZipExtractor::progressStops()
{
    bool stop = false;
    if (m_zip.m_notify.progress)
        m_zip.m_notify.progress(m_percent, stop);
    return stop;
}

ZipExtractor::Outcome ZipExtractor::extractOne(int index)
{
    if (index < 0 || index >= m_zip.m_files.size())
        return Failed;
    const clsZip_File &file = m_zip.m_files[index];
    m_zip.status(QStringLiteral("Extraction ...\\") + file.Name);
    QStringList parts = safeParts(file.Name);
    if (parts.isEmpty()) {
        m_zip.error(
            QStringLiteral("Le nom ") + file.Name + QStringLiteral(" sort du répertoire cible"), ZipError::UnsafeName);
        return Failed;
    }
    if (file.IsFolder()) {
        return m_useFolders ? prepareFolder(m_target + u'/' + parts.join(u'/'), file.Name) : Skipped;
    }
    const QString fileName = parts.takeLast();
    const QString folder = m_useFolders && !parts.isEmpty() ? m_target + u'/' + parts.join(u'/') : m_target;
    qint64 dataStart = 0;
    if (Outcome checked = checkEntry(file, index, dataStart); checked != Done)
        return checked;
    if (Outcome prepared = prepareFolder(folder, file.Name); prepared != Done)
        return prepared;
    const QString path = folder + u'/' + fileName;
    if (Outcome prepared = prepareFile(path); prepared != Done)
        return prepared;
    // The data goes to a temporary file beside the target, renamed only once it is complete
    // and its checksum right: no half-extracted file ever stays.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        m_zip.error(QStringLiteral("Impossible d'écrire le fichier ") + path, ZipError::CannotWrite);
        return Failed;
    }
    if (Outcome copied = copyData(file, dataStart, out); copied != Done)
        return copied;
    if (!out.commit()) {
        m_zip.error(QStringLiteral("Impossible d'écrire le fichier ") + path, ZipError::CannotWrite);
        return Failed;
    }
    if (const QDateTime when = file.DateTime(); when.isValid()) {
        QFile written(path);
        if (written.open(QIODevice::ReadWrite))
            written.setFileTime(when, QFileDevice::FileModificationTime);
    }
    m_total += file.UncompressedSize;
    ++m_extracted;
    return Done;
}

// A name's drive and leading separators are dropped, so an absolute name lands below the
// target under its path. A ".." part is refused outright, whatever follows it: the name was
// made to leave the folder.
QStringList ZipExtractor::safeParts(const QString &name) const
{
    QString normal = name;
    normal.replace(u'\\', u'/');
    if (normal.size() >= 2 && normal[1] == u':' && normal[0].isLetter())
        normal = normal.mid(2);
    QStringList parts;
    for (const QString &part : normal.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u"..")
            return {};
        if (part != u"." && !part.contains(QChar(0)))
            parts << part;
        else if (part != u".")
            return {};
    }
    return parts;
}

// Checks the entry before anything is written: its method, the bomb limits and where its data
// lies in the archive.
ZipExtractor::Outcome ZipExtractor::checkEntry(const clsZip_File &file, int index, qint64 &dataStart)
{
    // Encrypted entries (flag bit 0) cannot be read either; they count as an unknown method.
    if ((file.Method != 0 && file.Method != 8) || (file.Flags & 1)) {
        m_zip.error(
            QStringLiteral("La méthode de compression pour ") + file.Name + QStringLiteral(" n'est pas supportée"),
            ZipError::UnsupportedMethod);
        return Failed;
    }
    // Archive bombs: one entry that expands far beyond its data, or all of them beyond what the
    // user allows, end the extraction. Sizes are the declared ones; the data is held to them.
    const qint64 ratio = std::min(m_zip.m_maxRatio, qint64(1) << 31); // more allows anything
    if (file.UncompressedSize > qint64(file.CompressedSize) * ratio) {
        m_zip.error(QStringLiteral("Taux de compression suspect pour ") + file.Name, ZipError::RatioLimit);
        return Ended;
    }
    if (m_total + file.UncompressedSize > m_zip.m_maxTotal) {
        m_zip.error(QStringLiteral("Taille totale maximale dépassée par ") + file.Name, ZipError::SizeLimit);
        return Ended;
    }
    QFile &archive = m_zip.m_file;
    const qint64 offset = file.LocalHeaderOffset;
    char header[LocalHeaderSize];
    if (!archive.seek(offset) || archive.read(header, LocalHeaderSize) != LocalHeaderSize
        || qFromLittleEndian<uint32_t>(header) != 0x04034B50) {
        m_zip.error(QStringLiteral("En-tête local invalide pour ") + file.Name, ZipError::BadData);
        return Failed;
    }
    dataStart = offset + LocalHeaderSize + qFromLittleEndian<uint16_t>(header + 26)
        + qFromLittleEndian<uint16_t>(header + 28);
    // Each entry owns the bytes up to the next local header (or the directory): entries that
    // share data multiply one compressed stream into many files, the way overlapping bombs work.
    if (dataStart + file.CompressedSize > dataLimit(index)) {
        m_zip.error(QStringLiteral("Le fichier ") + file.Name + QStringLiteral(" chevauche une autre entrée"),
            ZipError::Overlap);
        return Failed;
    }
    return Done;
}

// Where the entry's bytes must end: the next local header after its own, or the directory. An
// entry whose header another entry also claims owns no bytes at all.
qint64 ZipExtractor::dataLimit(int index) const
{
    const qint64 offset = m_zip.m_files[index].LocalHeaderOffset;
    const auto first = std::lower_bound(m_sortedOffsets.begin(), m_sortedOffsets.end(), offset);
    if (first + 1 != m_sortedOffsets.end() && *(first + 1) == offset)
        return 0;
    const auto next = std::upper_bound(m_sortedOffsets.begin(), m_sortedOffsets.end(), offset);
    return std::min(next == m_sortedOffsets.end() ? m_zip.m_centralOffset : *next, m_zip.m_centralOffset);
}

// A path below the target resolves inside it even through symbolic links already there.
bool ZipExtractor::insideTarget(const QString &path) const
{
    QString existing = path;
    // A dangling link counts as existing: it resolves nowhere, so it is refused.
    while (!QFileInfo::exists(existing) && !QFileInfo(existing).isSymLink() && existing.size() > m_target.size())
        existing = QFileInfo(existing).path();
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return canonical == m_canonicalTarget || canonical.startsWith(m_canonicalTarget + u'/');
}

ZipExtractor::Outcome ZipExtractor::prepareFolder(const QString &folder, const QString &name)
{
    if (!insideTarget(folder)) {
        m_zip.error(
            QStringLiteral("Le nom ") + name + QStringLiteral(" sort du répertoire cible"), ZipError::UnsafeName);
        return Failed;
    }
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        m_zip.error(QStringLiteral("Impossible de créer le répertoire ") + folder, ZipError::CannotCreateFolder);
        return Ended;
    }
    return Done;
}

ZipExtractor::Outcome ZipExtractor::prepareFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Done;
    if (!m_overwrite) {
        m_zip.error(QStringLiteral("Le fichier ") + path + QStringLiteral(" existe déjà"), ZipError::FileExists);
        return Failed;
    }
    // A link is removed itself, never followed: what it points to is not ours to replace.
    const bool removed = !(info.isDir() && !info.isSymLink()) && QFile::remove(path);
    if (!removed) {
        m_zip.error(QStringLiteral("Ne peut pas supprimer le fichier ") + path, ZipError::CannotDelete);
        return Failed;
    }
    return Done;
}

// Streams the entry: a fixed buffer in, a fixed buffer out, and never more output than the
// declared size. A stream that is invalid, ends early, or would give more than declared is as
// damaged as a wrong checksum, and is reported the same way; stored entries are checked too.
ZipExtractor::Outcome ZipExtractor::copyData(const clsZip_File &file, qint64 dataStart, QSaveFile &out)
{
    const auto damaged = [&] {
        m_zip.error(checksumError(file.Name), ZipError::Checksum);
        return Failed;
    };
    QFile &archive = m_zip.m_file;
    const bool stored = file.Method == 0;
    if (!archive.seek(dataStart) || (stored && file.CompressedSize != file.UncompressedSize))
        return damaged();
    Inflater inflater;
    QByteArray in(Chunk, Qt::Uninitialized), buffer(Chunk, Qt::Uninitialized);
    qint64 left = file.CompressedSize, written = 0, nextProgress = ProgressEvery;
    uint32_t crc = 0;
    bool ended = stored;
    enum class Put { Ok, Bad, Stop };
    auto put = [&](const char *data, qint64 size) {
        if (written + size > file.UncompressedSize)
            return Put::Bad;
        written += size;
        crc = ZipDeflate::crc32(crc, QByteArrayView(data, size));
        if (out.write(data, size) != size)
            return Put::Bad;
        // Counted in bytes written, so that an entry packed a thousand times stops soon too; the
        // share grows with the entry's bytes.
        if (written >= nextProgress) {
            nextProgress += ProgressEvery;
            m_percent = int((m_entry * 100 + written * 100 / std::max<qint64>(file.UncompressedSize, 1)) / m_entries);
            if (progressStops())
                return Put::Stop;
        }
        return Put::Ok;
    };
    while (left > 0) {
        const qint64 n = archive.read(in.data(), std::min(left, Chunk));
        if (n <= 0)
            return damaged();
        left -= n;
        if (stored) {
            if (const Put done = put(in.constData(), n); done != Put::Ok)
                return done == Put::Stop ? Ended : damaged();
            continue;
        }
        if (!inflater.ready || ended)
            return damaged();
        inflater.s.next_in = reinterpret_cast<Bytef *>(in.data());
        inflater.s.avail_in = uInt(n);
        do {
            inflater.s.next_out = reinterpret_cast<Bytef *>(buffer.data());
            inflater.s.avail_out = uInt(buffer.size());
            const int rc = inflate(&inflater.s, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                return damaged();
            if (const Put done = put(buffer.constData(), buffer.size() - inflater.s.avail_out); done != Put::Ok)
                return done == Put::Stop ? Ended : damaged();
            ended = rc == Z_STREAM_END;
            if (rc == Z_BUF_ERROR && inflater.s.avail_out != 0)
                break;
        } while (!ended && (inflater.s.avail_in > 0 || inflater.s.avail_out == 0));
    }
    // An empty entry has no stream at all.
    if ((!ended && file.CompressedSize > 0) || written != file.UncompressedSize || crc != file.Crc32)
        return damaged();
    return Done;
}

} // namespace Velmora
