// Main: the program's entry. One instance at a time (a second start that names a file hands it to
// the running one); builds the main window behind the splash, opens the campaign, runs until the
// main window closes.
//
// "--screenshot FILE.png" starts the program unattended (every question answered with the
// button that changes nothing, no dialogs, no sounds), saves a picture of the main window after
// its first activation and ends without the closing sequence. "--quit-after-start" does the same
// without the picture (bench_startup times it).

#include "core/common/AppFolder.h"
#include "core/common/Version.h"
#include "core/persistence/Campaign.h"
#include "gui/app/CampaignLifecycle.h"
#include "gui/app/CommandLine.h"
#include "gui/app/VelmoraForm.h"
#include "gui/ui/PathHandOver.h"
#include "gui/ui/QtPlatform.h"
#include "gui/ui/SingleInstance.h"
#include "gui/ui/UnattendedPlatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace Velmora {
namespace {

struct StartOptions
{
    bool unattended = false;
    QString screenshotFile; ///< "" for none
    QStringList arguments;  ///< the program's arguments without the options above
};

StartOptions parseOptions(QStringList arguments)
{
    StartOptions options;
    const qsizetype at = arguments.indexOf(u"--screenshot"_s);
    if (at > 0 && at + 1 < arguments.size()) {
        options.unattended = true;
        options.screenshotFile = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    options.unattended = arguments.removeAll(u"--quit-after-start"_s) > 0 || options.unattended;
    options.arguments = arguments;
    return options;
}

// Runs until start-up has finished (or for a while, should the window never activate), then
// grabs the window into `file` unless it is "".
int runUnattended(VelmoraForm &form, const QString &file)
{
    // A local loop: QApplication::quit() would close the window and run the closing sequence.
    QEventLoop loop;
    bool saved = false;
    bool grabbed = false;
    const auto grab = [&] {
        if (std::exchange(grabbed, true))
            return;
        saved = file.isEmpty() || form.grab().save(file, "PNG");
        loop.quit();
    };
    QObject::connect(&form, &VelmoraForm::firstActivationDone, &loop, grab, Qt::QueuedConnection);
    QTimer::singleShot(10000, &loop, grab);
    form.show();
    loop.exec();
    return saved ? 0 : 1;
}

int Main(QApplication &app)
{
    const StartOptions options = parseOptions(QApplication::arguments());
    QtPlatform desktop;
    UnattendedPlatform unattended(desktop);
    Platform &platform = options.unattended ? static_cast<Platform &>(unattended) : desktop;

    const AppFolder folder = AppFolder::locate();
    folder.seedFrom(AppFolder::shippedDataDir());

    SingleInstance instance(folder.root());
    const QString path = CommandLine::GetCommandLineFile(CommandLine::text(options.arguments));
    if (!instance.tryAcquire()) {
        // Overrides the one-instance rule for a file opened from the file manager: the running
        // program opens it. Only a start without a file (or whose program cannot be reached)
        // gets the message.
        if (QFileInfo(path).isFile() && PathHandOver::send(folder.root(), QFileInfo(path).absoluteFilePath()))
            return 0;
        platform.information(QApplication::translate("Main", "Velmora"),
                             QApplication::translate("Main", "Velmora is already running.") + u"\r\n"_s
                                 + QApplication::translate("Main", "Only one instance of this program can run at a time."));
        return 0;
    }

    int result = 0;
    {
        // The open campaign outlives the main window, whose life cycle works on it.
        Campaign campaign(folder);
        VelmoraForm form(folder, platform);
        form.setCampaignCommands(std::make_unique<CampaignLifecycle>(form, campaign));
        PathHandOver handOver(folder.root());
        // Queued: the file opens with its questions after the socket's signal has returned.
        QObject::connect(&handOver, &PathHandOver::pathReceived, &form, &VelmoraForm::receiveHandedOver,
                         Qt::QueuedConnection);
        handOver.listen();
        form.Form_Load();
        form.InitMainWindow(path);
        if (options.unattended) {
            result = runUnattended(form, options.screenshotFile);
        } else {
            QObject::connect(&form, &VelmoraForm::unloaded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
            form.show();
            result = app.exec();
        }
    }
    instance.release();
    return result;
}

} // namespace
} // namespace Velmora

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Velmora"_s);
    QApplication::setApplicationVersion(Velmora::Version::text());
    // The program ends when the main window has closed, not when its last window has.
    QApplication::setQuitOnLastWindowClosed(false);
    return Velmora::Main(app);
}
