#include "core/archive/clsZip_File.h"

#include "core/common/CodePage.h"

#include <QtEndian>

#include <array>

namespace Velmora {

namespace {

// The fixed translation of entry names between Windows-1252 and the DOS code page 437 that
// archives of this program have always used: 38 characters, every other byte unchanged.
constexpr std::array<std::pair<unsigned char, unsigned char>, 38> AnsiToDos { {
    { 0xE4, 0x84 },
    { 0xF6, 0x94 },
    { 0xFC, 0x81 },
    { 0xDF, 0xE1 },
    { 0xC4, 0x8E },
    { 0xD6, 0x99 },
    { 0xDC, 0x9A },
    { 0xC7, 0x80 },
    { 0xE9, 0x82 },
    { 0xE2, 0x83 },
    { 0xE0, 0x85 },
    { 0xE5, 0x86 },
    { 0xE7, 0x87 },
    { 0xEA, 0x88 },
    { 0xEB, 0x89 },
    { 0xE8, 0x8A },
    { 0xEF, 0x8B },
    { 0xEE, 0x8C },
    { 0xC5, 0x8F },
    { 0xC9, 0x90 },
    { 0xF4, 0x93 },
    { 0xFB, 0x96 },
    { 0xF9, 0x97 },
    { 0xB6, 0x14 },
    { 0xE6, 0x91 },
    { 0xC6, 0x92 },
    { 0xA2, 0x9B },
    { 0xA3, 0x9C },
    { 0xAA, 0xA6 },
    { 0xBA, 0xA7 },
    { 0xBD, 0xAB },
    { 0xBC, 0xAC },
    { 0xD8, 0xED },
    { 0xB1, 0xF1 },
    { 0xF7, 0xF6 },
    { 0xB2, 0xFD },
    { 0xA7, 0x15 },
    { 0xA5, 0x9D },
} };

// Each byte is looked up once, by exact value, so a translated byte is never translated again.
QByteArray translate(QByteArray bytes, bool toDos)
{
    for (char &c : bytes) {
        for (const auto &[ansi, dos] : AnsiToDos) {
            if (static_cast<unsigned char>(c) == (toDos ? ansi : dos)) {
                c = static_cast<char>(toDos ? dos : ansi);
                break;
            }
        }
    }
    return bytes;
}

void put16(QByteArray &out, uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// The fields the local and the central header share, in the order both hold them: from the
// general-purpose flags to the extra field's length.
void putSharedFields(QByteArray &out, const clsZip_File &entry, const QByteArray &name)
{
    put16(out, entry.Flags);
    put16(out, entry.Method);
    put16(out, entry.DosTime);
    put16(out, entry.DosDate);
    put32(out, entry.Crc32);
    put32(out, entry.CompressedSize);
    put32(out, entry.UncompressedSize);
    put16(out, uint16_t(name.size()));
    put16(out, uint16_t(entry.ExtraField.size()));
}

QByteArray textBytes(const QString &text, uint16_t flags)
{
    return (flags & clsZip_File::Utf8Flag) ? text.toUtf8() : CodePage::fromUnicode(text);
}

} // namespace

QDateTime clsZip_File::DateTime() const
{
    const QDate date(1980 + (DosDate >> 9), (DosDate >> 5) & 0x0F, DosDate & 0x1F);
    const QTime time(DosTime >> 11, (DosTime >> 5) & 0x3F, (DosTime & 0x1F) * 2);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

void clsZip_File::SetDateTime(const QDateTime &when)
{
    // The DOS form starts in 1980 and ends in 2107; dates outside are clamped to its ends.
    QDateTime local = when.toLocalTime();
    const QDate first(1980, 1, 1), last(2107, 12, 31);
    if (!local.isValid() || local.date() < first)
        local = QDateTime(first, QTime(0, 0));
    else if (local.date() > last)
        local = QDateTime(last, QTime(23, 59, 58));
    const QDate d = local.date();
    const QTime t = local.time();
    DosDate = uint16_t((d.year() - 1980) * 512 + d.month() * 32 + d.day());
    DosTime = uint16_t(t.hour() * 2048 + t.minute() * 32 + t.second() / 2);
}

bool clsZip_File::IsFolder() const { return Name.endsWith(u'/') || Name.endsWith(u'\\'); }

QByteArray clsZip_File::StoredName() const
{
    if (Flags & Utf8Flag)
        return Name.toUtf8();
    return translate(CodePage::fromUnicode(Name), true);
}

void clsZip_File::PrepareName()
{
    // The translation table only covers Windows-1252; any other name is written in UTF-8 with
    // flag bit 11, which every current tool reads.
    if (CodePage::canEncode(Name) && CodePage::canEncode(Comment))
        Flags &= ~Utf8Flag;
    else
        Flags |= Utf8Flag;
}

QString clsZip_File::DecodeName(const QByteArray &stored, uint16_t flags)
{
    if (flags & Utf8Flag)
        return QString::fromUtf8(stored);
    return CodePage::toUnicode(translate(stored, false));
}

QByteArray clsZip_File::LocalHeader() const
{
    const QByteArray name = StoredName();
    QByteArray out;
    out.reserve(30 + name.size() + ExtraField.size());
    put32(out, 0x04034B50);
    put16(out, 20);
    putSharedFields(out, *this, name);
    return out + name + ExtraField;
}

QByteArray clsZip_File::CentralHeader() const
{
    const QByteArray name = StoredName();
    const QByteArray comment = textBytes(Comment, Flags);
    QByteArray out;
    out.reserve(46 + name.size() + ExtraField.size() + comment.size());
    put32(out, 0x02014B50);
    put16(out, 20);
    put16(out, 20);
    putSharedFields(out, *this, name);
    put16(out, uint16_t(comment.size()));
    put16(out, 0);
    put16(out, 0);
    put32(out, ExternalAttributes);
    put32(out, LocalHeaderOffset);
    return out + name + ExtraField + comment;
}

} // namespace Velmora
