#pragma once

#include "core/common/Result.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

/// The cipher of format-3.0 campaign files (".vls" kept on disk as ".vle"): a fixed substitution
/// over 97 characters (the printable ASCII characters and "¦", "¬"), run 1 to 9 times; the
/// number of rounds comes from a user name and a password.
///
/// This is not protection: the substitution is the same for everyone and anyone can break it by
/// counting letters. The program keeps it only to read and write the old files; ".vlk" is the
/// real protection of a campaign (VlkFile).
class modTextEncryptDecrypt
{
    Q_DECLARE_TR_FUNCTIONS(modTextEncryptDecrypt)

public:
    /// The 97 characters of the table, in the order of their codes.
    static QString tableCharacters();
    /// One round of substitution: every character of the table replaced by its partner, every
    /// other character (CR, LF, other letters) copied as it is.
    static QString EncodeText(const QString &text);
    /// The inverse of EncodeText.
    static QString DecodeText(const QString &text);

    /// The number of rounds for these credentials: 1 to 9, 0 when both are blank.
    static int KeyFromCredentials(const QString &userName, const QString &password);

    /// The file enciphered `rounds` times and written under its name ending in "e", then the old
    /// file deleted. Returns the new name.
    static Result<QString> EncryptFile(const QString &path, int rounds);
    /// The file deciphered `rounds` times and written under its name ending in "s", then the old
    /// file deleted, whatever the result holds. Returns the new name.
    static Result<QString> DecryptFile(const QString &path, int rounds);
    /// DecryptFile only when the deciphered text is a 3.0 campaign: with wrong credentials
    /// nothing is written and the file stays as it was.
    static Result<QString> DecryptValidFile(const QString &path, int rounds);

    /// Whether the file's content is a deciphered 3.0 campaign.
    static bool IsValidDecryptedFile(const QString &path);
    static bool isValidDecryptedText(const QByteArray &bytes);

    /// `path` with its last character replaced by `last`.
    static QString renamed(const QString &path, QChar last);
    static QString wrongCredentialsText();
};

} // namespace Velmora
