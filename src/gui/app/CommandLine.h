#pragma once

#include <QString>
#include <QStringList>

namespace Velmora {

/// The campaign file named on the command line, quoted or not.
class CommandLine
{
public:
    /// The command-line text: the program's arguments (without the program itself) joined by
    /// blanks.
    static QString text(const QStringList &arguments);
    /// "" for an empty text; the characters between the first double quote and the next one
    /// (or "" when there is no second one); otherwise the whole text, blanks included.
    static QString GetCommandLineFile(const QString &commandLine);
};

} // namespace Velmora
