// Speed of the ZIP writer and reader beside Info-ZIP's zip -6 and unzip, on a corpus of text,
// pictures and already-compressed files generated into a temporary folder, as ratios of times
// and sizes. Usage: bench_zip [megabytes]  (default 200)

#include "core/archive/ZipDeflate.h"
#include "core/archive/clsZip_UnZip.h"
#include "core/archive/clsZip_Zip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "BenchSupport.h"

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::fail;

namespace {

std::mt19937 random32(20261206);

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail(u"cannot write "_s + path);
}

// Text of words drawn from a small vocabulary, as notes and rules documents are.
QByteArray text(qsizetype size)
{
    static const char *words[] = { "the", "dragon", "casts", "a", "spell", "of", "fire", "on", "rogue", "who", "rolls",
        "initiative", "d20", "+5", "and", "hits", "for", "12", "damage.\r\n", "Velmora", "campaign", "town", "tavern",
        "gold", "pieces" };
    QByteArray out;
    out.reserve(size);
    while (out.size() < size) {
        out += words[random32() % std::size(words)];
        out += ' ';
    }
    out.truncate(size);
    return out;
}

// A bitmap-like picture: smooth gradients with some noise, as scanned maps are.
QByteArray picture(qsizetype size)
{
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        out[i] = char((i / 3 % 1024) / 4 + (i / 3072 % 256) / 2 + int(random32() % 8));
    return out;
}

// Already-compressed data (pictures, sounds): bytes that do not compress.
QByteArray noise(qsizetype size)
{
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i + 4 <= size; i += 4)
        *reinterpret_cast<uint32_t *>(out.data() + i) = random32();
    return out;
}

qint64 makeCorpus(const QString &dir, qint64 megabytes)
{
    const qint64 total = megabytes << 20;
    qint64 written = 0;
    for (int i = 0; written < total * 4 / 10; ++i, written += 256 << 10)
        write(dir + u"/Documents/doc%1.txt"_s.arg(i), text(256 << 10));
    for (int i = 0; written < total * 8 / 10; ++i, written += 3 << 20)
        write(dir + u"/Pictures/map%1.bmp"_s.arg(i), picture(3 << 20));
    for (int i = 0; written < total; ++i, written += 2 << 20)
        write(dir + u"/Sounds/cue%1.mp3"_s.arg(i), noise(2 << 20));
    return written;
}

double timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

void run(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        fail(program + u" failed: "_s + QString::fromLocal8Bit(process.readAllStandardError()));
}

double ourBuild(const QString &corpus, const QString &out, ZipDeflate::Engine engine, int threads)
{
    ZipDeflate::setEngine(engine);
    QFile::remove(out);
    return timed([&] {
        clsZip_Zip zip { AppFolder(corpus) };
        zip.SetThreadCount(threads);
        zip.FileAdd(corpus + u"/*"_s, clsZip_Zip::RelativeToAppFolder, true);
        if (!zip.WriteZip(out, true))
            fail(zip.LastError());
    });
}

double ourExtract(const QString &archive, const QString &target)
{
    QDir(target).removeRecursively();
    return timed([&] {
        clsZip_UnZip unzip;
        if (!unzip.ZipOpen(archive) || !unzip.ExtractAllFiles(target, true, true))
            fail(u"extracting "_s + archive);
    });
}

} // namespace

int main(int argc, char **argv)
{
    const qint64 megabytes = argc > 1 ? std::atoll(argv[1]) : 200;
    QTemporaryDir dir;
    const QString corpus = dir.filePath(u"corpus"_s);
    const qint64 bytes = makeCorpus(corpus, megabytes);
    const int cores = QThread::idealThreadCount();
    std::printf("corpus: %.1f MB of text, pictures and compressed files; %d cores\n", double(bytes) / 1e6, cores);

    const QString infoZip = dir.filePath(u"zip6.zip"_s);
    const double zipTime = timed([&] { run(u"zip"_s, { u"-6"_s, u"-q"_s, u"-r"_s, infoZip, u"."_s }, corpus); });
    const double zipSize = double(QFileInfo(infoZip).size());
    std::printf("%-34s %8.2f s  %6.1f MB  (ratio 1.00, size 1.000)\n", "zip -6", zipTime, zipSize / 1e6);
    const struct
    {
        const char *name;
        ZipDeflate::Engine engine;
        int threads;
    } variants[] = {
        { "ours, zlib, 1 thread", ZipDeflate::ZLib, 1 },
        { "ours, zlib, all cores", ZipDeflate::ZLib, cores },
        { "ours, libdeflate, 1 thread", ZipDeflate::LibDeflate, 1 },
        { "ours, libdeflate, all cores", ZipDeflate::LibDeflate, cores },
    };
    const QString ours = dir.filePath(u"ours.zip"_s);
    for (const auto &variant : variants) {
        const double seconds = ourBuild(corpus, ours, variant.engine, variant.threads);
        std::printf("%-34s %8.2f s  %6.1f MB  (ratio %.2f, size %.3f)\n", variant.name, seconds,
            double(QFileInfo(ours).size()) / 1e6, seconds / zipTime, double(QFileInfo(ours).size()) / zipSize);
    }

    const QString unzipTarget = dir.filePath(u"unzip"_s);
    const double unzipTime = timed([&] {
        run(u"unzip"_s, { u"-q"_s, u"-o"_s, infoZip, u"-d"_s, unzipTarget }, dir.path());
    });
    std::printf("%-34s %8.2f s  (ratio 1.00)\n", "unzip, zip -6's archive", unzipTime);
    const double ourOfInfoZip = ourExtract(infoZip, dir.filePath(u"ours-of-zip6"_s));
    std::printf("%-34s %8.2f s  (ratio %.2f)\n", "ours, zip -6's archive", ourOfInfoZip, ourOfInfoZip / unzipTime);
    const double ourOfOurs = ourExtract(ours, dir.filePath(u"ours-of-ours"_s));
    std::printf("%-34s %8.2f s  (ratio %.2f)\n", "ours, our archive", ourOfOurs, ourOfOurs / unzipTime);
    return 0;
}
