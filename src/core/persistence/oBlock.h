#pragma once

#include "core/common/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace Velmora {

/// One named block of a campaign file: a label and a list of text items, which the owning
/// section (weather, moons, maps, ...) fills and reads. The separator that the owner uses inside
/// its items travels with the block in memory only; a block read from a file gets ";".
///
/// In the file a block is a 16-byte header (label padded with NULs to 10 bytes, text length,
/// reserved 0) followed by its text: each item and one NUL, then NULs up to a multiple of 16.
class oBlock
{
public:
    static constexpr qsizetype MaxLabelLength = 10;
    static constexpr qsizetype HeaderSize = 16;

    void init(QString label, QStringList items, QString splitChr = QString(u';'));

    /// The items; for a block given its text (UpdateText), the items that text holds.
    const QStringList &Items() const;
    const QString &SplitChr() const { return m_splitChr; }
    const QString &Label() const { return m_label; }

    /// Replaces the items; the encoded text is built again when next needed.
    void Update(QStringList items);
    /// Replaces the items by their text as the file holds it: each item in Windows-1252 followed
    /// by one NUL; the padding is added here. For writers that encode their items themselves.
    void UpdateText(QByteArray text);
    /// The items of a block's text: split at each NUL, Windows-1252 decoded ("" is one empty item).
    static QStringList splitItems(QByteArrayView text);
    /// A block read from a file, its items left as the file holds them (`itemText`, the items
    /// with a NUL between each two) until they are asked for.
    void initText(QString label, QByteArrayView itemText);
    /// How many items the block holds.
    qsizetype itemCount() const;
    /// Calls `use` with each item in turn. Items not yet decoded are decoded one at a time into
    /// one reused string, valid during the call only: a list read straight into its records costs
    /// no string per item.
    void forEachItem(const std::function<void(const QString &item)> &use) const;

    /// 16 + the length of the encoded text (0 for a block without items).
    qint32 GetFullBlockSize() const;

    /// Writes the block header and text into `file` at the 0-based byte `position` and moves
    /// `position` past them; `file` grows when it is too short. A block without items writes
    /// nothing. Fails, writing nothing, when the label is longer than 10 characters (the error
    /// names no file: the caller knows it).
    Result<void> PutBlock(QByteArray &file, qsizetype &position) const;
    /// False when the label is too long for a block header; only a block with items is written.
    bool labelFits() const;
    Error labelTooLong() const;

private:
    const QByteArray &blockText() const;

    QString m_label;
    QString m_splitChr = QString(u';');
    // Items and text each built from the other on first need and kept until the items change: a
    // save asks for the size and then for the bytes of every block, and seldom for the items of a
    // block whose text it was given.
    mutable QStringList m_items;
    mutable bool m_itemsBuilt = true;
    mutable QByteArray m_text;
    mutable qsizetype m_textLength = 0; // the items' bytes, without the padding
    mutable bool m_built = false;
};

} // namespace Velmora
