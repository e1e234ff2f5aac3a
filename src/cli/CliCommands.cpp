#include "cli/CliCommands.h"

#include "core/common/Version.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace Velmora {

CliCommands::CliCommands(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int CliCommands::run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usage();
    const QString &command = arguments.first();
    if (command == u"version"_s && arguments.size() == 1)
        return version();
    return usage();
}

int CliCommands::usage()
{
    m_err << "usage: velmora-cli version\n";
    return 2;
}

int CliCommands::version()
{
    const QJsonObject object{{u"version"_s, Version::text()}};
    m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
    return 0;
}

} // namespace Velmora
