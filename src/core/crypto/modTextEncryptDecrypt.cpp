#include "core/crypto/modTextEncryptDecrypt.h"

#include "core/common/CodePage.h"
#include "core/common/FileWriter.h"
#include "core/persistence/Version3Reader.h"
#include "core/persistence/oKeyValue.h"

#include <QFile>

#include <array>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr int TableSize = 97;

// The partner of each character of the table, in the order of tableCharacters(). Chosen once
// (a shuffle without fixed points) and never to be changed: files enciphered under one table
// can be read only with the same table.
constexpr std::array<char16_t, TableSize> Partners = {
    0x22,
    0x5C,
    0x2B,
    0x68,
    0x64,
    0x6D,
    0x3F,
    0x5E,
    0x39,
    0x3C,
    0xAC,
    0x50,
    0x31,
    0x2C,
    0x7A,
    0x45,
    0x61,
    0x20,
    0x72,
    0x55,
    0x48,
    0x38,
    0x7D,
    0x75,
    0x65,
    0x63,
    0x52,
    0x27,
    0x32,
    0x3A,
    0x43,
    0x51,
    0x4E,
    0x57,
    0x58,
    0x5F,
    0x4B,
    0x7C,
    0x78,
    0xA6,
    0x73,
    0x24,
    0x59,
    0x5A,
    0x46,
    0x6B,
    0x56,
    0x29,
    0x74,
    0x6A,
    0x4A,
    0x26,
    0x4C,
    0x76,
    0x34,
    0x6C,
    0x62,
    0x35,
    0x37,
    0x41,
    0x5B,
    0x3E,
    0x71,
    0x44,
    0x28,
    0x2F,
    0x5D,
    0x49,
    0x3D,
    0x2E,
    0x25,
    0x69,
    0x67,
    0x60,
    0x6F,
    0x79,
    0x4D,
    0x77,
    0x54,
    0x7E,
    0x2D,
    0x70,
    0x21,
    0x7B,
    0x36,
    0x53,
    0x30,
    0x6E,
    0x23,
    0x33,
    0x40,
    0x66,
    0x3B,
    0x47,
    0x42,
    0x2A,
    0x4F,
};

// A 3.0 campaign is a few kilobytes; the commands take no file larger than this.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

char16_t tableCharacter(int index)
{
    return index < 95 ? char16_t(0x20 + index) : (index == 95 ? char16_t(0xA6) : char16_t(0xAC));
}

// Encode and decode maps: partner by code unit, for the 256 values the table lives in.
struct Maps
{
    std::array<char16_t, 256> encode {};
    std::array<char16_t, 256> decode {};

    Maps()
    {
        for (int i = 0; i < 256; ++i)
            encode[i] = decode[i] = char16_t(i);
        for (int i = 0; i < TableSize; ++i) {
            encode[tableCharacter(i)] = Partners[i];
            decode[Partners[i]] = tableCharacter(i);
        }
    }
};

const Maps &maps()
{
    static const Maps m;
    return m;
}

QString substitute(QString text, const std::array<char16_t, 256> &map)
{
    for (QChar &c : text) {
        if (c.unicode() < 256)
            c = QChar(map[c.unicode()]);
    }
    return text;
}

Result<QByteArray> readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error { path, modTextEncryptDecrypt::tr("The file cannot be read: %1").arg(file.errorString()) };
    if (file.size() == 0)
        return Error { path, modTextEncryptDecrypt::tr("The file is empty.") };
    if (file.size() > MaxFileBytes)
        return Error { path, modTextEncryptDecrypt::tr("The file is too large for a Velmora 3.0 campaign.") };
    return file.readAll();
}

using Round = QString (*)(const QString &);

// The steps shared by enciphering and deciphering. Overrides of the old routine, so that a
// failure never loses the campaign: the new file is written whole (through a temporary file)
// before the old one is deleted, and a name that would not change is refused, since writing it
// and then deleting "the old file" would delete the only copy.
Result<QString> transform(const QString &path, int rounds, Round round, QChar last, bool onlyValid)
{
    const QString target = modTextEncryptDecrypt::renamed(path, last);
    if (target == path)
        return Error { path, modTextEncryptDecrypt::tr("The file name already ends in \"%1\".").arg(last) };
    if (rounds < 1 || rounds > 9)
        return Error { path, modTextEncryptDecrypt::tr("The key number must be 1 to 9.") };
    const Result<QByteArray> bytes = readWhole(path);
    if (!bytes)
        return bytes.error();
    QString text = CodePage::toUnicode(*bytes);
    for (int i = 0; i < rounds; ++i)
        text = round(text);
    const QByteArray out = CodePage::fromUnicode(text);
    // Checked before anything is written, so that wrong credentials change nothing on disk (the
    // old routine deciphered, tested and enciphered the file back).
    if (onlyValid && !modTextEncryptDecrypt::isValidDecryptedText(out))
        return Error { path, modTextEncryptDecrypt::wrongCredentialsText() };
    if (Result<void> written = FileWriter::writeAtomically(target, out); !written)
        return written.error();
    if (!QFile::remove(path))
        return Error { path,
            modTextEncryptDecrypt::tr("\"%1\" was written, but this file could not be deleted.").arg(target) };
    return target;
}

} // namespace

QString modTextEncryptDecrypt::tableCharacters()
{
    QString table;
    for (int i = 0; i < TableSize; ++i)
        table += QChar(tableCharacter(i));
    return table;
}

QString modTextEncryptDecrypt::EncodeText(const QString &text) { return substitute(text, maps().encode); }

QString modTextEncryptDecrypt::DecodeText(const QString &text) { return substitute(text, maps().decode); }

int modTextEncryptDecrypt::KeyFromCredentials(const QString &userName, const QString &password)
{
    // The old routine summed the codes in a 16-bit integer, which overflows past 32767 (about
    // 130 characters). The dialog keeps each box to 64 characters, so it never gets there; here
    // the sum is taken in 64 bits, so that longer credentials (velmora-cli) still give a key of
    // 1 to 9 instead of failing, and every shorter one gives the old key.
    // Blanks at either end, as the old dialog trimmed them; tabs and line ends are characters.
    const QByteArray ansi = CodePage::fromUnicode(trimBlanks(userName) + trimBlanks(password));
    qint64 sum = 0;
    for (const char c : ansi)
        sum += static_cast<unsigned char>(c);
    while (sum >= 10) {
        qint64 digits = 0;
        for (; sum > 0; sum /= 10)
            digits += sum % 10;
        sum = digits;
    }
    return int(sum);
}

Result<QString> modTextEncryptDecrypt::EncryptFile(const QString &path, int rounds)
{
    return transform(path, rounds, EncodeText, u'e', false);
}

Result<QString> modTextEncryptDecrypt::DecryptFile(const QString &path, int rounds)
{
    return transform(path, rounds, DecodeText, u's', false);
}

Result<QString> modTextEncryptDecrypt::DecryptValidFile(const QString &path, int rounds)
{
    return transform(path, rounds, DecodeText, u's', true);
}

bool modTextEncryptDecrypt::IsValidDecryptedFile(const QString &path)
{
    const Result<QByteArray> bytes = readWhole(path);
    return bytes && isValidDecryptedText(*bytes);
}

bool modTextEncryptDecrypt::isValidDecryptedText(const QByteArray &bytes)
{
    // Counted in CR LF lines, as the old program tested its files: it wrote one value per line,
    // so a deciphered campaign has a line for each of its 214 values, the 22nd being the month.
    // A file laid out otherwise still loads as a ".vls", but is not one the old program wrote.
    QList<QByteArrayView> lines;
    const QByteArrayView text(bytes);
    qsizetype start = 0;
    while (lines.size() < Version3Reader::FieldCount) {
        const qsizetype end = text.indexOf("\r\n", start);
        lines << text.sliced(start, (end < 0 ? text.size() : end) - start);
        if (end < 0)
            break;
        start = end + 2;
    }
    if (lines.size() < Version3Reader::FieldCount)
        return false;
    bool ok = false;
    const int month = lines.at(21).trimmed().toInt(&ok);
    return ok && month >= -32768 && month <= 32767;
}

QString modTextEncryptDecrypt::renamed(const QString &path, QChar last)
{
    if (path.isEmpty())
        return path;
    QString name = path;
    name.back() = last;
    return name;
}

QString modTextEncryptDecrypt::wrongCredentialsText()
{
    return tr("The user name or the password is wrong: the deciphered file is not a Velmora 3.0 campaign.");
}

} // namespace Velmora
