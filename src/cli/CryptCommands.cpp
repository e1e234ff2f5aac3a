#include "cli/CryptCommands.h"

#include "cli/CliCall.h"
#include "core/common/AppFolder.h"
#include "core/common/FileWriter.h"
#include "core/crypto/VlkFile.h"
#include "core/crypto/modTextEncryptDecrypt.h"
#include "core/persistence/Campaign.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// A password file holds the password on its first line; nothing else of it is read.
constexpr qint64 MaxPasswordBytes = 4096;

// The last character of a name decides how the program opens the file.
bool endsIn(const QString &path, QChar last) { return !path.isEmpty() && path.back() == last; }

} // namespace

std::optional<QString> CryptCommands::password(CliCall &call, int &failure)
{
    const bool given = call.isSet(u"password"_s);
    if (given == call.isSet(u"password-file"_s)) {
        failure = call.usageError(u"Give one of --password and --password-file."_s);
        return std::nullopt;
    }
    if (given)
        return call.value(u"password"_s);
    const QString name = call.value(u"password-file"_s);
    QFile file;
    if (name != u"-"_s)
        file.setFileName(name);
    const bool opened = name == u"-"_s ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        failure = call.refuse(name, u"the password file cannot be read"_s);
        return std::nullopt;
    }
    QByteArray line = file.readLine(MaxPasswordBytes);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

int CryptCommands::cipher(CliCall &call, bool encrypting)
{
    const QString path = call.argument(0);
    if (!call.inputExists(path))
        return CliCall::Refused;
    int failure = CliCall::Refused;
    const std::optional<QString> secret = password(call, failure);
    if (!secret)
        return failure;
    const int rounds = modTextEncryptDecrypt::KeyFromCredentials(call.value(u"user"_s), *secret);
    // A wrong user name or password is found before anything is written: FILE stays as it was.
    const Result<QString> done = encrypting ? modTextEncryptDecrypt::EncryptFile(path, rounds)
                                            : modTextEncryptDecrypt::DecryptValidFile(path, rounds);
    if (!done)
        return call.refuse(done.error().path, done.error().message);
    return call.wrote(*done, { { u"removed"_s, path }, { u"bytes"_s, QFileInfo(*done).size() } });
}

int CryptCommands::encrypt(CliCall &call) { return cipher(call, true); }

int CryptCommands::decrypt(CliCall &call) { return cipher(call, false); }

int CryptCommands::lock(CliCall &call)
{
    const QString in = call.argument(0);
    const QString out = call.argument(1);
    if (!endsIn(out, u'k'))
        return call.usageError(u"OUT must end in \".vlk\", the name the program opens as a protected campaign."_s);
    if (!call.inputExists(in))
        return CliCall::Refused;
    int failure = CliCall::Refused;
    const std::optional<QString> secret = password(call, failure);
    if (!secret)
        return failure;
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly) || file.size() > VlkFile::MaxFileBytes)
        return call.refuse(in, u"cannot be read as a campaign"_s);
    // The bytes are kept exactly; they are read as a campaign only to refuse anything else.
    const QByteArray plain = file.readAll();
    Campaign campaign(AppFolder::locate());
    if (const LoadOutcome outcome = campaign.LoadCampaignBytes(plain); !outcome.readable)
        return call.refuse(in, outcome.problem);
    const bool smallest = call.value(u"cost"_s) == u"smallest"_s;
    const Result<VlkKey> key
        = VlkFile::newKey(secret->toUtf8(), smallest ? VlkLimits::smallest() : VlkLimits::standard());
    if (!key)
        return call.refuse(in, key.error().message);
    if (const Result<void> written = VlkFile::write(out, plain, *key); !written)
        return call.refuse(out, u"could not be saved: "_s + written.error().message);
    return call.wrote(out, { { u"bytes"_s, plain.size() } });
}

int CryptCommands::unlock(CliCall &call)
{
    const QString in = call.argument(0);
    const QString out = call.argument(1);
    if (!endsIn(out, u'f') && !endsIn(out, u't'))
        return call.usageError(u"OUT must end in \".vlf\" or \".vlt\"."_s);
    if (!call.inputExists(in))
        return CliCall::Refused;
    int failure = CliCall::Refused;
    const std::optional<QString> secret = password(call, failure);
    if (!secret)
        return failure;
    const Result<VlkFile::Opened> opened = VlkFile::read(in, secret->toUtf8());
    if (!opened)
        return call.refuse(in, opened.error().message);
    if (const Result<void> written = FileWriter::writeAtomically(out, opened->plain); !written)
        return call.refuse(out, u"could not be saved: "_s + written.error().message);
    return call.wrote(out, { { u"bytes"_s, opened->plain.size() } });
}

} // namespace Velmora
