#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>

namespace Velmora {

/// One entry of an archive: where its bytes come from (writing) or lie (reading), its name and
/// what its headers say.
class clsZip_File
{
public:
    /// The writer's source file (empty for an entry read from an archive).
    QString SourcePath;
    /// The entry name, folders separated by "/" ("Campaigns/My.vlf"); see StoredName().
    QString Name;
    QByteArray ExtraField;
    QString Comment;

    uint16_t Flags = 0;
    uint16_t Method = 8;
    uint16_t DosTime = 0;
    uint16_t DosDate = 0;
    uint32_t Crc32 = 0;
    uint32_t CompressedSize = 0;
    uint32_t UncompressedSize = 0;
    uint32_t ExternalAttributes = 0x20; // archive
    uint32_t LocalHeaderOffset = 0;

    /// The date and time of the DOS pair (invalid when the pair is not a date).
    QDateTime DateTime() const;
    void SetDateTime(const QDateTime &when);
    /// The entry names a folder ("Maps/"), not a file.
    bool IsFolder() const;

    /// The 30-byte local header, then the stored name and the extra field.
    QByteArray LocalHeader() const;
    /// The 46-byte central header, then the stored name, extra field and comment.
    QByteArray CentralHeader() const;
    /// The stored name: the translated single-byte form, or UTF-8 with flag bit 11 when
    /// Windows-1252 cannot hold the name (set by the writer through PrepareName()).
    QByteArray StoredName() const;
    /// Chooses the stored form of Name and sets or clears flag bit 11 accordingly.
    void PrepareName();
    /// The name of stored bytes: UTF-8 when flag bit 11 is set, else translated back.
    static QString DecodeName(const QByteArray &stored, uint16_t flags);

    /// Flag bit 11: the name and comment are UTF-8.
    static constexpr uint16_t Utf8Flag = 0x0800;
};

} // namespace Velmora
