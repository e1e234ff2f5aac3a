#include "cli/CommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// The command's own errors go to standard error as one clear line each; Qt's notes about the
// offscreen platform (a missing runtime folder, say) would only muddle that.
void quietQtNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "velmora-cli: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietQtNotes);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Velmora::CommandLine commandLine(arguments);

    // Only HTML conversion needs Qt Gui (fonts for the editor's document); it runs offscreen.
    std::unique_ptr<QCoreApplication> app;
    if (commandLine.needsGui()) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    return commandLine.run(out, err);
}
