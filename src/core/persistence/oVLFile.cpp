#include "core/persistence/oVLFile.h"

#include "core/common/CodePage.h"
#include "core/common/FileWriter.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr qsizetype kMarkerSize = 8;

bool isBlankOrNul(char c)
{
    return c == '\0' || c == ' ';
}

/// The bytes left after stripping NULs and blanks from the end and blanks from the start.
QByteArrayView trimmed(QByteArrayView bytes)
{
    qsizetype end = bytes.size();
    while (end > 0 && isBlankOrNul(bytes[end - 1]))
        --end;
    qsizetype start = 0;
    while (start < end && bytes[start] == ' ')
        ++start;
    return bytes.sliced(start, end - start);
}

} // namespace

void oVLFile::init(const QString &path, const QString &version)
{
    m_path = path;
    m_hasPath = !path.isEmpty();
    m_version = version;
}

Result<qint32> oVLFile::ParseVLFile(const QString &path, ItemDecoding decoding)
{
    m_path = path;
    m_hasPath = !path.isEmpty();
    if (path.isEmpty())
        return NoPathResult;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_blocks.clear();
        m_index.clear();
        return error(u"cannot be opened: %1"_s.arg(file.errorString()));
    }
    if (Result<void> read = parse(file, decoding); !read)
        return read.error();
    return 0;
}

Result<void> oVLFile::parse(QIODevice &device, ItemDecoding decoding)
{
    m_blocks.clear();
    m_index.clear();
    if (!device.isSequential())
        return readBlocks(device, decoding);
    // The remaining length must be known before a block's text is read.
    QBuffer buffer;
    buffer.setData(device.readAll());
    buffer.open(QIODevice::ReadOnly);
    return readBlocks(buffer, decoding);
}

Result<void> oVLFile::readBlocks(QIODevice &device, ItemDecoding decoding)
{
    char header[oBlock::HeaderSize];
    const qint64 got = device.read(header, oBlock::HeaderSize);
    m_marker = CodePage::toUnicode(QByteArrayView(header, qBound<qint64>(0, got, kMarkerSize)));
    m_headerTotalSize = 0;
    m_headerBlockCount = 0;
    if (got < oBlock::HeaderSize)
        return {};
    // Lists hold at most 32767 rows, and so does a file: the count is read as 16-bit signed.
    const qint16 count = qint16(qFromLittleEndian<quint16>(header + 12));
    m_headerTotalSize = qFromLittleEndian<qint32>(header + 8);
    m_headerBlockCount = qFromLittleEndian<qint32>(header + 12);

    QByteArray text; // reused by every block
    for (qint16 i = 0; i < count; ++i) {
        const qint64 offset = device.pos();
        if (device.read(header, oBlock::HeaderSize) < oBlock::HeaderSize)
            break;
        const qint32 length = qFromLittleEndian<qint32>(header + oBlock::MaxLabelLength);
        if (length <= 0)
            continue;
        // Never trust the length further than the bytes that are really there.
        const qint64 take = std::min<qint64>(length, device.size() - device.pos());
        if (take <= 0)
            break;
        text.resize(take);
        const qint64 read = device.read(text.data(), take);
        if (read < 0)
            return error(u"read error in block at offset %1: %2"_s.arg(offset).arg(device.errorString()));

        const QByteArrayView itemText = trimmed(QByteArrayView(text.constData(), read));
        if (itemText.isEmpty())
            continue;
        QString label = CodePage::toUnicode(trimmed(QByteArrayView(header, oBlock::MaxLabelLength)));
        QString key = label.toCaseFolded();
        if (m_index.contains(key))
            return error(u"duplicate block label '%1' at offset %2"_s.arg(label).arg(offset));
        oBlock block;
        if (decoding == ItemDecoding::WhenAsked)
            block.initText(std::move(label), itemText);
        else
            block.init(std::move(label), oBlock::splitItems(itemText));
        appendBlock(std::move(block), key);
    }
    return {};
}

void oVLFile::UpdateBlock(const QString &label, const QStringList &items)
{
    blockFor(label, QString()).Update(items);
}

void oVLFile::UpdateBlockAfter(const QString &label, const QStringList &items, const QString &after)
{
    blockFor(label, after).Update(items);
}

void oVLFile::UpdateBlockText(const QString &label, QByteArray text, const QString &after)
{
    blockFor(label, after).UpdateText(std::move(text));
}

oBlock &oVLFile::blockFor(const QString &label, const QString &after)
{
    const QString key = label.toCaseFolded();
    if (const auto found = m_index.constFind(key); found != m_index.constEnd())
        return m_blocks[*found];
    oBlock block;
    block.init(label, {});
    const auto previous = after.isEmpty() ? m_index.constEnd() : m_index.constFind(after.toCaseFolded());
    if (previous == m_index.constEnd()) {
        appendBlock(std::move(block), key);
        return m_blocks.last();
    }
    const qsizetype position = *previous + 1;
    m_blocks.insert(position, std::move(block));
    reindex();
    return m_blocks[position];
}

void oVLFile::RemoveBlock(const QString &label)
{
    for (qsizetype i = m_blocks.size() - 1; i >= 0; --i) {
        if (m_blocks.at(i).Label() == label) {
            m_blocks.removeAt(i);
            reindex();
            return;
        }
    }
}

Result<void> oVLFile::WriteData(const QString &path)
{
    const Result<QByteArray> bytes = toBytes();
    if (!bytes)
        return Error{path, bytes.error().message};
    if (Result<void> written = FileWriter::writeAtomically(path, *bytes); !written)
        return written;
    m_marker = QString::fromLatin1(FormatMarker);
    return {};
}

Result<QByteArray> oVLFile::toBytes() const
{
    // The header's total counts 16 bytes for every block, even for one without items that is
    // not written at all.
    qint64 total = 0;
    qsizetype size = oBlock::HeaderSize;
    for (const oBlock &block : m_blocks) {
        const qint32 full = block.GetFullBlockSize();
        total += full;
        if (full == oBlock::HeaderSize)
            continue;
        if (!block.labelFits()) // refused before the first byte is written
            return error(block.labelTooLong().message);
        size += full;
    }
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    std::memcpy(out, FormatMarker, kMarkerSize);
    qToLittleEndian<qint32>(qint32(total), out + 8);
    qToLittleEndian<qint32>(qint32(m_blocks.size()), out + 12);

    qsizetype position = oBlock::HeaderSize;
    for (const oBlock &block : m_blocks) {
        if (Result<void> put = block.PutBlock(bytes, position); !put)
            return error(put.error().message);
    }
    return bytes;
}

qint16 oVLFile::NumberOfBlocks() const
{
    return qint16(std::min<qsizetype>(m_blocks.size(), 32767));
}

const oBlock *oVLFile::block(const QString &label) const
{
    const auto found = m_index.constFind(label.toCaseFolded());
    return found == m_index.constEnd() ? nullptr : &m_blocks.at(*found);
}

void oVLFile::appendBlock(oBlock block, const QString &key)
{
    m_index.insert(key, m_blocks.size());
    m_blocks.append(std::move(block));
}

void oVLFile::reindex()
{
    m_index.clear();
    for (qsizetype i = 0; i < m_blocks.size(); ++i)
        m_index.insert(m_blocks.at(i).Label().toCaseFolded(), i);
}

} // namespace Velmora
