#include "cli/CliCall.h"

#include "core/common/Clock.h"
#include "core/common/RandomSource.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace Velmora {

CliCall::CliCall(QTextStream &out, QTextStream &err, const QString &command, const QStringList &arguments,
    const QCommandLineParser &parser)
    : m_out(out)
    , m_err(err)
    , m_command(command)
    , m_arguments(arguments)
    , m_parser(parser)
{
}

bool CliCall::isSet(const QString &option) const { return m_parser.isSet(option); }

QString CliCall::value(const QString &option) const { return m_parser.value(option); }

QStringList CliCall::values(const QString &option) const { return m_parser.values(option); }

int CliCall::usageError(const QString &what)
{
    if (m_command.isEmpty())
        m_err << "velmora-cli: " << what << " Try 'velmora-cli --help'." << Qt::endl;
    else
        m_err << "velmora-cli " << m_command << ": " << what << " Try 'velmora-cli help " << m_command << "'."
              << Qt::endl;
    return Usage;
}

int CliCall::refuse(const QString &path, const QString &why)
{
    m_err << "velmora-cli: " << path << ": " << why << Qt::endl;
    return Refused;
}

bool CliCall::inputExists(const QString &path)
{
    if (QFileInfo(path).isFile())
        return true;
    refuse(path, u"no such file"_s);
    return false;
}

void CliCall::printJson(const QJsonDocument &document)
{
    m_out << document.toJson(QJsonDocument::Indented);
    m_out.flush();
}

bool CliCall::seedRandom(MersenneRandomSource &random)
{
    quint32 seed = SystemClock().timerTicks();
    if (!readSeed(seed))
        return false;
    random.seed(seed);
    return true;
}

bool CliCall::readSeed(quint32 &seed)
{
    if (!isSet(u"seed"_s))
        return true;
    bool ok = false;
    const quint32 value = this->value(u"seed"_s).toUInt(&ok);
    if (!ok) {
        usageError(u"--seed takes a number from 0 to 4294967295, not '%1'."_s.arg(this->value(u"seed"_s)));
        return false;
    }
    seed = value;
    return true;
}

int CliCall::wrote(const QString &path, QJsonObject counts)
{
    counts.insert(u"path"_s, path);
    printJson(QJsonDocument(counts));
    return Success;
}

} // namespace Velmora
