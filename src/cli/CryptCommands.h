#pragma once

#include <optional>

class QString;

namespace Velmora {

class CliCall;

/// velmora-cli encrypt, decrypt, lock and unlock: the old cipher of format-3.0 files (".vle",
/// a substitution anyone can break) and the password protection of ".vlk".
///   encrypt FILE --user U --password P      FILE enciphered to its name ending in "e"
///   decrypt FILE --user U --password P      FILE deciphered to its name ending in "s"
///   lock IN.vlf OUT.vlk --password P        a campaign protected by a password
///   unlock IN.vlk OUT.vlf --password P      the campaign of a protected file
/// Every password is --password P or --password-file F ("-" reads standard input), since a
/// password on the command line shows in the list of processes.
class CryptCommands
{
public:
    static int encrypt(CliCall &call);
    static int decrypt(CliCall &call);
    static int lock(CliCall &call);
    static int unlock(CliCall &call);

private:
    /// The password of --password or --password-file; none after a usage error or a refusal,
    /// whose exit code is then in `failure`.
    static std::optional<QString> password(CliCall &call, int &failure);
    static int cipher(CliCall &call, bool encrypting);
};

} // namespace Velmora
