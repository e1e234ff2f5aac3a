#pragma once

#include "core/persistence/oBlock.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace Velmora {

/// A campaign file of format 4.0 (".vlf", template ".vlt"): a 16-byte header ("VL400000", total
/// size, block count) followed by named blocks of text items. One object lives for the open
/// campaign and is reused by every save, so blocks keep their order in the file and new ones are
/// appended. Blocks are found by label without regard to letter case.
///
/// Reading survives any bytes: a short file, a block count or text length that claims more than
/// the file holds, or a negative one, reads what is there. Writing builds the whole file in memory
/// and replaces the old one only when everything was written.
class oVLFile
{
public:
    /// ParseVLFile's result for an empty path.
    static constexpr qint32 NoPathResult = 900;
    static constexpr char FormatMarker[] = "VL400000";

    /// When the items of a parsed block are decoded: at once, or when a reader asks for them. A
    /// campaign reads each of its blocks once, straight into its records, and so asks for each
    /// item once; a block it does not know is written back as the file held it.
    enum class ItemDecoding { AtOnce, WhenAsked };

    /// Stores the campaign path and the program version (kept in memory only).
    void init(const QString &path, const QString &version);

    /// Replaces the blocks by those of the file at `path`: 900 when `path` is empty (nothing
    /// read), else 0; an error when the file cannot be opened or read, or holds a label twice.
    /// Blocks read before a failure (a duplicate label, say) stay.
    Result<qint32> ParseVLFile(const QString &path, ItemDecoding decoding = ItemDecoding::AtOnce);
    /// ParseVLFile on an open device: a file, or bytes in memory.
    Result<void> parse(QIODevice &device, ItemDecoding decoding = ItemDecoding::AtOnce);

    /// Updates the block of that label (letter case ignored), or appends a new one with ";".
    void UpdateBlock(const QString &label, const QStringList &items);
    /// As UpdateBlock, but a new block goes right after the block labelled `after` (letter case
    /// ignored), or at the end when there is none.
    void UpdateBlockAfter(const QString &label, const QStringList &items, const QString &after);
    /// As UpdateBlockAfter (`after` "": as UpdateBlock), with the block's text as the file holds
    /// it (oBlock::UpdateText): for writers that encode their items themselves.
    void UpdateBlockText(const QString &label, QByteArray text, const QString &after = QString());
    /// Removes the last block whose label equals `label` exactly, if any.
    void RemoveBlock(const QString &label);

    /// Writes the whole file. The old file at `path` stays as it was unless everything could be
    /// written; a block with items whose label is longer than 10 characters is refused before
    /// anything is written (a block without items is not written, whatever its label).
    Result<void> WriteData(const QString &path);
    /// The bytes WriteData writes.
    Result<QByteArray> toBytes() const;

    /// The format marker of the header last read or written ("" before either).
    QString GetVersion() const { return m_marker; }
    qint16 NumberOfBlocks() const;
    /// The total size and block count of the header last read (0 before, or for a short file).
    qint32 headerTotalSize() const { return m_headerTotalSize; }
    qint32 headerBlockCount() const { return m_headerBlockCount; }
    const QList<oBlock> &Blocks() const { return m_blocks; }
    /// The block of that label (letter case ignored), or nullptr: a missing block is absent.
    const oBlock *block(const QString &label) const;

    const QString &path() const { return m_path; }
    bool hasPath() const { return m_hasPath; }
    const QString &version() const { return m_version; }

private:
    Result<void> readBlocks(QIODevice &device, ItemDecoding decoding);
    Error error(const QString &message) const { return Error{m_path, message}; }
    /// The block of that label, else a new one without items, placed as UpdateBlockAfter says.
    oBlock &blockFor(const QString &label, const QString &after);
    void appendBlock(oBlock block, const QString &key);
    void reindex();

    QString m_path;
    bool m_hasPath = false;
    QString m_version;
    QString m_marker;
    qint32 m_headerTotalSize = 0;
    qint32 m_headerBlockCount = 0;
    QList<oBlock> m_blocks;
    QHash<QString, qsizetype> m_index; // case-folded label -> position in m_blocks
};

} // namespace Velmora
