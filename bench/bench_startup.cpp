// bench_startup: how long Velmora takes from its start to the end of its first activation,
// next to a bare program with the same kind of window (bench_startup_bare), in one run.
//
// Both run as "PROGRAM --quit-after-start" on the offscreen platform, without audio output;
// Velmora opens the shipped default campaign in a data folder of its own that an untimed first
// start has seeded. Each is started Rounds times, alternating; the median of each is reported,
// then their ratio.

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

constexpr int Rounds = 9;

double runOnce(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        Bench::fail(program + u" did not start and end cleanly"_s);
    return double(timer.nsecsElapsed()) / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    const QString velmora = folder + u"/../src/app/velmora"_s;
    const QString bare = folder + u"/bench_startup_bare"_s;

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"VELMORA_HOME"_s, home.path());
    environment.insert(u"QT_LOGGING_RULES"_s, u"*=false"_s);
    const QStringList velmoraArguments{u"--quit-after-start"_s, home.filePath(u"Campaigns/Default Data.vlt"_s)};
    const QStringList bareArguments{u"--quit-after-start"_s};

    // The first start seeds the data folder; it is not what a user waits for every day.
    runOnce(velmora, velmoraArguments, environment);
    std::vector<double> program, yardstick;
    for (int round = 0; round < Rounds; ++round) {
        program.push_back(runOnce(velmora, velmoraArguments, environment));
        yardstick.push_back(runOnce(bare, bareArguments, environment));
    }
    const double velmoraSeconds = median(program);
    const double bareSeconds = median(yardstick);
    std::printf("%-28s %8.1f ms\n", "velmora", velmoraSeconds * 1e3);
    std::printf("%-28s %8.1f ms\n", "bare window", bareSeconds * 1e3);
    std::printf("%-28s %8.2f x\n", "ratio", velmoraSeconds / bareSeconds);
    return 0;
}
