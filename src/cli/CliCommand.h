#pragma once

#include <QCommandLineOption>
#include <QStringList>

#include <functional>

class QCommandLineParser;

namespace Velmora {

class CliCall;

/// A positional argument of a command. Without choices it names a file, unless it is free text.
struct CliArgument
{
    QString name;
    QString description;
    QStringList choices = {};
    bool optional = false;
    bool freeText = false; ///< a word of the user's own ("3d6", a question): nothing to complete
    bool repeats = false; ///< the last argument may be given any number of times (PATTERN...)
};

/// An option of a command. A value with choices must be one of them.
struct CliOption
{
    QCommandLineOption option;
    QStringList choices = {};
    bool fileValue = false;
};

/// One row of velmora-cli's table of commands: what parses the command line, what the help
/// and the shell completion show, and what runs.
struct CliCommand
{
    QString name;
    QString description;
    QList<CliArgument> arguments;
    QList<CliOption> options;
    std::function<int(CliCall &)> handler;
    /// True when the parsed call needs a QGuiApplication; none when it never does.
    std::function<bool(const QCommandLineParser &)> needsGui = {};
    /// Left out of the list of commands and of the completion.
    bool hidden = false;
};

} // namespace Velmora
