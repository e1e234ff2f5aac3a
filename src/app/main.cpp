// Main: the program's entry. One instance at a time; builds the main window behind the splash,
// opens the campaign, runs until the main window closes.
//
// "--screenshot FILE.png" starts the program unattended (every question answered with the
// button that changes nothing, no dialogs, no sounds), saves a picture of the main window after
// its first activation and ends without the closing sequence.

#include "core/common/AppFolder.h"
#include "core/common/Version.h"
#include "core/persistence/Campaign.h"
#include "gui/app/CampaignLifecycle.h"
#include "gui/app/CommandLine.h"
#include "gui/app/VelmoraForm.h"
#include "gui/ui/QtPlatform.h"
#include "gui/ui/SingleInstance.h"
#include "gui/ui/UnattendedPlatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

namespace Velmora {
namespace {

struct StartOptions
{
    QString screenshotFile;
    QStringList arguments; ///< the program's arguments without the screenshot option
};

StartOptions parseOptions(QStringList arguments)
{
    StartOptions options;
    const qsizetype at = arguments.indexOf(u"--screenshot"_s);
    if (at > 0 && at + 1 < arguments.size()) {
        options.screenshotFile = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    options.arguments = arguments;
    return options;
}

// Grabs the window once start-up has finished (or after a while, should it never activate).
int takeScreenshot(VelmoraForm &form, const QString &file)
{
    // A local loop: QApplication::quit() would close the window and run the closing sequence.
    QEventLoop loop;
    bool saved = false;
    bool grabbed = false;
    const auto grab = [&] {
        if (std::exchange(grabbed, true))
            return;
        saved = form.grab().save(file, "PNG");
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
    Platform &platform = options.screenshotFile.isEmpty() ? static_cast<Platform &>(desktop) : unattended;

    const AppFolder folder = AppFolder::locate();
    folder.seedFrom(AppFolder::shippedDataDir());

    SingleInstance instance(folder.root());
    if (!instance.tryAcquire()) {
        platform.information(u"Velmora"_s,
                             u"Velmora is already running.\r\nOnly one instance of this program can run at a time."_s);
        return 0;
    }

    int result = 0;
    {
        // The open campaign outlives the main window, whose life cycle works on it.
        Campaign campaign(folder);
        VelmoraForm form(folder, platform);
        form.setCampaignCommands(std::make_unique<CampaignLifecycle>(form, campaign));
        form.Form_Load();
        form.InitMainWindow(CommandLine::GetCommandLineFile(CommandLine::text(options.arguments)));
        if (!options.screenshotFile.isEmpty()) {
            result = takeScreenshot(form, options.screenshotFile);
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
