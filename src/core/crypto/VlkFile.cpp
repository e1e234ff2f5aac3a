#include "core/crypto/VlkFile.h"

#include "core/common/FileWriter.h"
#include "core/crypto/Sodium.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

constexpr int TagSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;
static_assert(VlkHeader::NonceSize == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(VlkKey::SaltSize == crypto_pwhash_SALTBYTES);
static_assert(VlkKey::Size == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);

const unsigned char *bytes(QByteArrayView view) { return reinterpret_cast<const unsigned char *>(view.data()); }

} // namespace

QByteArray VlkHeader::toBytes() const
{
    QByteArray out(Size, Qt::Uninitialized);
    char *p = out.data();
    std::memcpy(p, Magic, 4);
    qToLittleEndian(version, p + 4);
    qToLittleEndian(limits.opsLimit, p + 6);
    qToLittleEndian(limits.memLimit, p + 10);
    std::memcpy(p + 18, salt.data(), salt.size());
    std::memcpy(p + 18 + salt.size(), nonce.data(), nonce.size());
    return out;
}

Result<VlkHeader> VlkHeader::parse(QByteArrayView file, const QString &path)
{
    if (file.size() < Size + TagSize || std::memcmp(file.data(), Magic, 4) != 0)
        return Error { path, VlkFile::tr("The file is not a protected Velmora campaign (\".vlk\").") };
    const char *p = file.data();
    VlkHeader header;
    header.version = qFromLittleEndian<quint16>(p + 4);
    if (header.version != CurrentVersion)
        return Error { path,
            VlkFile::tr("The file was written in version %1 of the protected format, which this "
                        "program does not read.")
                .arg(header.version) };
    header.limits.opsLimit = qFromLittleEndian<quint32>(p + 6);
    header.limits.memLimit = qFromLittleEndian<quint64>(p + 10);
    if (!header.limits.acceptable())
        return Error { path,
            VlkFile::tr("The file asks for %1 passes over %2 bytes to derive its key, beyond what "
                        "this program accepts; it was not written by Velmora.")
                .arg(header.limits.opsLimit)
                .arg(header.limits.memLimit) };
    std::memcpy(header.salt.data(), p + 18, header.salt.size());
    std::memcpy(header.nonce.data(), p + 18 + header.salt.size(), header.nonce.size());
    return header;
}

Result<VlkKey> VlkFile::newKey(QByteArrayView password, const VlkLimits &limits)
{
    Sodium::init();
    VlkKey::Salt salt;
    randombytes_buf(salt.data(), salt.size());
    bool ok = false;
    VlkKey key(password.data(), password.size(), limits, salt, ok);
    if (!ok)
        return Error { QString(), tr("The key could not be derived from the password (not enough memory).") };
    return Result<VlkKey>(std::move(key));
}

QByteArray VlkFile::seal(QByteArrayView plain, const VlkKey &key)
{
    Sodium::init();
    VlkHeader header;
    header.limits = key.limits();
    header.salt = key.salt();
    // A fresh random nonce on every writing: 192 bits never repeat under one key.
    randombytes_buf(header.nonce.data(), header.nonce.size());
    QByteArray out = header.toBytes();
    out.resize(VlkHeader::Size + plain.size() + TagSize);
    auto *cipher = reinterpret_cast<unsigned char *>(out.data()) + VlkHeader::Size;
    key.with([&](const unsigned char *k) {
        unsigned long long written = 0;
        crypto_aead_xchacha20poly1305_ietf_encrypt(cipher, &written, bytes(plain), quint64(plain.size()), bytes(out),
            VlkHeader::Size, nullptr, header.nonce.data(), k);
    });
    return out;
}

Result<VlkFile::Opened> VlkFile::open(QByteArrayView file, QByteArrayView password, const QString &path)
{
    const Result<VlkHeader> header = VlkHeader::parse(file, path);
    if (!header)
        return header.error();
    bool ok = false;
    VlkKey key(password.data(), password.size(), header->limits, header->salt, ok);
    if (!ok)
        return Error { path, tr("The key could not be derived from the password (not enough memory).") };
    const QByteArrayView cipher = file.sliced(VlkHeader::Size);
    QByteArray plain(cipher.size() - TagSize, Qt::Uninitialized);
    const int failed = key.with([&](const unsigned char *k) {
        unsigned long long length = 0;
        return crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char *>(plain.data()), &length,
            nullptr, bytes(cipher), quint64(cipher.size()), bytes(file), VlkHeader::Size, header->nonce.data(), k);
    });
    if (failed != 0)
        return Error { path, wrongPasswordText() };
    return Opened { std::move(plain), std::move(key) };
}

Result<void> VlkFile::write(const QString &path, QByteArrayView plain, const VlkKey &key)
{
    return FileWriter::writeAtomically(path, seal(plain, key));
}

Result<VlkFile::Opened> VlkFile::read(const QString &path, QByteArrayView password)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error { path, tr("The file cannot be read: %1").arg(file.errorString()) };
    if (file.size() > MaxFileBytes)
        return Error { path, tr("The file is too large for a campaign.") };
    return open(file.readAll(), password, path);
}

QString VlkFile::wrongPasswordText()
{
    return tr("The password is wrong, or the file was changed since it was saved.");
}

} // namespace Velmora
