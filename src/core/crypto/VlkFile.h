#pragma once

#include "core/common/Result.h"
#include "core/crypto/VlkKey.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <array>

namespace Velmora {

/// The header of a ".vlk" file: what derives the key and the nonce of this writing. The whole
/// header is authenticated with the data (docs/vlk-format.md).
struct VlkHeader
{
    static constexpr char Magic[] = "VLK1";
    static constexpr quint16 CurrentVersion = 1;
    static constexpr int NonceSize = 24;
    static constexpr int Size = 4 + 2 + 4 + 8 + VlkKey::SaltSize + NonceSize;
    using Nonce = std::array<unsigned char, NonceSize>;

    quint16 version = CurrentVersion;
    VlkLimits limits;
    VlkKey::Salt salt {};
    Nonce nonce {};

    QByteArray toBytes() const;
    /// The header at the start of `file`; refused when it is short, not ours, of another
    /// version, or asks for limits the program does not accept.
    static Result<VlkHeader> parse(QByteArrayView file, const QString &path);
};

/// A campaign file of format 4.0 protected by a password: ".vlk". The whole campaign file is
/// enciphered and authenticated with XChaCha20-Poly1305 under a key derived from the password
/// with Argon2id; see docs/vlk-format.md.
///
/// A wrong password and a changed byte are both detected and refused before anything is
/// written; the password itself is never stored.
class VlkFile
{
    Q_DECLARE_TR_FUNCTIONS(VlkFile)

public:
    /// What opening a file gives: the campaign file's bytes, and the key to save it again.
    struct Opened
    {
        QByteArray plain;
        VlkKey key;
    };

    /// A key for a new file: a fresh salt, the password's key under `limits`.
    static Result<VlkKey> newKey(QByteArrayView password, const VlkLimits &limits = VlkLimits::standard());
    /// The file's bytes for `plain`, under a fresh nonce.
    static QByteArray seal(QByteArrayView plain, const VlkKey &key);
    /// The bytes of a ".vlk" file opened with its password.
    static Result<Opened> open(QByteArrayView file, QByteArrayView password, const QString &path);

    /// seal, then the file written whole at `path`.
    static Result<void> write(const QString &path, QByteArrayView plain, const VlkKey &key);
    /// The file at `path` read and opened.
    static Result<Opened> read(const QString &path, QByteArrayView password);

    /// The files the program takes: a campaign file is far smaller.
    static constexpr qint64 MaxFileBytes = qint64(1) << 30;

    static QString wrongPasswordText();
};

} // namespace Velmora
