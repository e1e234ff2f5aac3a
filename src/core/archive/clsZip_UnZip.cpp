#include "core/archive/clsZip_UnZip.h"

#include "core/archive/ZipExtractor.h"
#include "core/common/CodePage.h"

#include <QtEndian>

#include <zlib.h>

namespace Velmora {

namespace {

constexpr int EndRecordSize = 22;
constexpr int CentralHeaderSize = 46;
constexpr uint32_t EndSignature = 0x06054B50;
constexpr uint32_t CentralSignature = 0x02014B50;

uint16_t get16(const char *p) { return qFromLittleEndian<uint16_t>(p); }

uint32_t get32(const char *p) { return qFromLittleEndian<uint32_t>(p); }

// Archives made on Unix hold names in the maker's own character set, UTF-8 nowadays, without
// flag bit 11 (Info-ZIP does so); such a name is read as UTF-8 whenever it is valid UTF-8.
void unixName(clsZip_File &file, const QByteArray &plainName, int host)
{
    constexpr int Unix = 3, MacOs = 19;
    if ((file.Flags & clsZip_File::Utf8Flag) || (host != Unix && host != MacOs))
        return;
    const QString utf8 = QString::fromUtf8(plainName);
    if (utf8.toUtf8() == plainName)
        file.Name = utf8;
}

// Info-ZIP keeps the UTF-8 name of an entry in its "Unicode Path" extra field (0x7075) rather
// than flag bit 11; it holds while the CRC-32 of the plain name it was made for still matches.
void unicodePath(clsZip_File &file, const QByteArray &plainName)
{
    const QByteArray &extra = file.ExtraField;
    for (qsizetype p = 0; p + 4 <= extra.size();) {
        const int id = get16(extra.constData() + p), size = get16(extra.constData() + p + 2);
        if (p + 4 + size > extra.size())
            return;
        if (id == 0x7075 && size >= 5 && extra[p + 4] == 1
            && get32(extra.constData() + p + 5)
                == crc32(0, reinterpret_cast<const Bytef *>(plainName.constData()), uInt(plainName.size()))) {
            file.Name = QString::fromUtf8(extra.mid(p + 9, size - 5));
            return;
        }
        p += 4 + size;
    }
}

} // namespace

void clsZip_UnZip::status(const QString &text) const
{
    if (m_notify.status)
        m_notify.status(text);
}

void clsZip_UnZip::error(const QString &text, int code) const
{
    if (m_notify.error)
        m_notify.error(text, code);
}

bool clsZip_UnZip::ZipOpen(const QString &path)
{
    ZipClose();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        error(QStringLiteral("Impossible d'ouvrir le fichier ") + path, ZipError::BadData);
        return false;
    }
    status(QStringLiteral("Zip ouvert (") + path + u')');
    if (!readDirectory()) {
        error(QStringLiteral("Fichier Zip invalide : ") + path, ZipError::BadData);
        m_file.close();
        m_files.clear();
        m_comment.clear();
        return false;
    }
    m_open = true;
    return true;
}

// The end record closes the file, followed only by the archive comment of at most 65535 bytes,
// so only that tail is read to find it, never the whole archive.
bool clsZip_UnZip::readDirectory()
{
    const qint64 size = m_file.size();
    const qint64 tailStart = std::max<qint64>(0, size - (EndRecordSize + 0xFFFF));
    if (!m_file.seek(tailStart))
        return false;
    const QByteArray tail = m_file.read(size - tailStart);
    qsizetype at = tail.size() - 4;
    // The first signature from the end that has room for a whole record.
    while (at >= 0 && (get32(tail.constData() + at) != EndSignature || at + EndRecordSize > tail.size()))
        --at;
    if (at < 0)
        return false;
    const char *end = tail.constData() + at;
    if (get16(end + 4) != get16(end + 6))
        return false;
    const qint64 centralSize = get32(end + 12);
    m_centralOffset = get32(end + 16);
    m_comment = CodePage::toUnicode(tail.mid(at + EndRecordSize, get16(end + 20)));
    // The directory must lie before the end record; anything else (ZIP64, a damaged or
    // hostile record) is not an archive this reader can use.
    if (m_centralOffset + centralSize > tailStart + at || !m_file.seek(m_centralOffset))
        return false;
    const QByteArray central = m_file.read(centralSize);
    if (central.size() != centralSize)
        return false;
    // Headers are read as far as the directory holds them: the 16-bit entry count of an archive
    // with more than 65535 entries has wrapped and cannot be trusted.
    qsizetype p = 0;
    while (p + CentralHeaderSize <= central.size() && get32(central.constData() + p) == CentralSignature) {
        const char *h = central.constData() + p;
        const int nameLength = get16(h + 28), extraLength = get16(h + 30), commentLength = get16(h + 32);
        if (p + CentralHeaderSize + nameLength + extraLength + commentLength > central.size())
            return false;
        clsZip_File file;
        file.Flags = get16(h + 8);
        file.Method = get16(h + 10);
        file.DosTime = get16(h + 12);
        file.DosDate = get16(h + 14);
        file.Crc32 = get32(h + 16);
        file.CompressedSize = get32(h + 20);
        file.UncompressedSize = get32(h + 24);
        file.ExternalAttributes = get32(h + 38);
        file.LocalHeaderOffset = get32(h + 42);
        const char *name = h + CentralHeaderSize;
        file.Name = clsZip_File::DecodeName(QByteArray(name, nameLength), file.Flags);
        file.ExtraField = QByteArray(name + nameLength, extraLength);
        unixName(file, QByteArray(name, nameLength), get16(h + 4) >> 8);
        unicodePath(file, QByteArray(name, nameLength));
        file.Comment = clsZip_File::DecodeName(QByteArray(name + nameLength + extraLength, commentLength), file.Flags);
        m_files.append(file);
        p += CentralHeaderSize + nameLength + extraLength + commentLength;
    }
    return true;
}

void clsZip_UnZip::ZipClose()
{
    if (!m_open)
        return;
    m_file.close();
    m_files.clear();
    m_comment.clear();
    m_open = false;
    status(QStringLiteral("Zip fermé"));
}

QStringList clsZip_UnZip::FileList() const
{
    QStringList names;
    for (const clsZip_File &file : m_files)
        names << file.Name;
    return names;
}

QString clsZip_UnZip::FileName(int index) const
{
    return index >= 0 && index < m_files.size() ? m_files[index].Name : QString();
}

qint64 clsZip_UnZip::FileCompressedSize(int index) const
{
    return index >= 0 && index < m_files.size() ? m_files[index].CompressedSize : 0;
}

qint64 clsZip_UnZip::FileUncompressedSize(int index) const
{
    return index >= 0 && index < m_files.size() ? m_files[index].UncompressedSize : 0;
}

QDateTime clsZip_UnZip::FileDateAndTime(int index) const
{
    return index >= 0 && index < m_files.size() ? m_files[index].DateTime() : QDateTime();
}

int clsZip_UnZip::FileMethod(int index) const
{
    return index >= 0 && index < m_files.size() ? m_files[index].Method : -1;
}

quint32 clsZip_UnZip::FileCrc32(int index) const
{
    return index >= 0 && index < m_files.size() ? m_files[index].Crc32 : 0;
}

QString clsZip_UnZip::ZLibVersion() { return QString::fromLatin1(zlibVersion()); }

bool clsZip_UnZip::ExtractSingleFile(int index, const QString &targetFolder, bool useFolders, bool overwrite)
{
    return extract({ index }, targetFolder, useFolders, overwrite);
}

bool clsZip_UnZip::ExtractAllFiles(const QString &targetFolder, bool useFolders, bool overwrite)
{
    QList<int> all;
    for (int i = 0; i < m_files.size(); ++i)
        all << i;
    return extract(all, targetFolder, useFolders, overwrite);
}

bool clsZip_UnZip::extract(const QList<int> &indexes, const QString &targetFolder, bool useFolders, bool overwrite)
{
    m_extracted = 0;
    if (!m_open) {
        error(QStringLiteral("Il n'y a pas de fichier Zip ouvert"), ZipError::NotOpen);
        return false;
    }
    status(QStringLiteral("Début d'extraction"));
    ZipExtractor extractor(*this, targetFolder, useFolders, overwrite);
    const bool done = extractor.run(indexes);
    m_extracted = extractor.extracted();
    return done;
}

} // namespace Velmora
