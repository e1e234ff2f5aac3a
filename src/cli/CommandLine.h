#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

namespace Velmora {

struct CliCommand;

/// velmora-cli's command line, parsed against the table of commands: the command, then its
/// arguments and options. Parsing needs no application object, so that the caller can create
/// the one the command needs.
class CommandLine
{
public:
    /// `arguments` without the program's name.
    explicit CommandLine(const QStringList &arguments);
    /// True when the command needs a QGuiApplication, to be created before run().
    bool needsGui() const;
    /// Runs the command, its help, or one line saying what is wrong with the command line.
    /// Returns the exit code.
    int run(QTextStream &out, QTextStream &err) const;

private:
    /// What is wrong with the command line; empty when nothing is.
    QString parse(const QStringList &arguments);
    QString checkArguments() const;
    QString checkChoices() const;
    bool wantsHelp() const;

    const CliCommand *m_command = nullptr;
    QCommandLineParser m_parser;
    QStringList m_arguments;
    bool m_overview = false;
    QString m_error;
};

} // namespace Velmora
