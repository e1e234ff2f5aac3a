#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace Velmora {

/// Why a campaign block file could not be read or written. `code` is for the caller's decision
/// and message; `detail` says what is wrong and where, for tests and debugging.
struct VLFileError
{
    enum class Code {
        CannotOpen,     ///< the file could not be opened for reading
        ReadFailed,     ///< reading stopped on an I/O error
        DuplicateLabel, ///< a second block with the same label (letter case ignored)
        LabelTooLong,   ///< a label does not fit the 10 bytes of a block header
        WriteFailed,    ///< the file could not be written; the old one is unchanged
    };

    Code code;
    QString detail;
};

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

    const QStringList &Items() const { return m_items; }
    const QString &SplitChr() const { return m_splitChr; }
    const QString &Label() const { return m_label; }

    /// Replaces the items; the encoded text is built again when next needed.
    void Update(QStringList items);

    /// 16 + the length of the encoded text (0 for a block without items).
    qint32 GetFullBlockSize() const;

    /// Writes the block header and text into `file` at the 0-based byte `position` and moves
    /// `position` past them; `file` grows when it is too short. A block without items writes
    /// nothing. Fails, writing nothing, when the label is longer than 10 characters.
    std::optional<VLFileError> PutBlock(QByteArray &file, qsizetype &position) const;
    /// False when the label is too long for a block header; only a block with items is written.
    bool labelFits() const;
    VLFileError labelTooLong() const;

private:
    const QByteArray &blockText() const;

    QString m_label;
    QString m_splitChr = QString(u';');
    QStringList m_items;
    // Built on first need and kept until the items change: a save asks for the size and then
    // for the bytes of every block.
    mutable QByteArray m_text;
    mutable bool m_built = false;
};

} // namespace Velmora
