#include "cli/CliCommands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    Velmora::CliCommands commands(out, err);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return commands.run(arguments);
}
