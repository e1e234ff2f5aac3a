#include "gui/app/CommandLine.h"

namespace Velmora {

QString CommandLine::text(const QStringList &arguments)
{
    return arguments.mid(1).join(u' ');
}

QString CommandLine::GetCommandLineFile(const QString &commandLine)
{
    const qsizetype open = commandLine.indexOf(u'"');
    if (open < 0)
        return commandLine;
    const qsizetype close = commandLine.indexOf(u'"', open + 1);
    if (close < 0)
        return QString();
    return commandLine.mid(open + 1, close - open - 1);
}

} // namespace Velmora
