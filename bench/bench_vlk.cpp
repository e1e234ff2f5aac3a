// Locking and unlocking the campaign of a long game (the maximal campaign of the tests) as a
// ".vlk", beside a plain copy of the same bytes: what the protection costs at each open and save.
// The key derivation (Argon2id, once per open) is timed apart, under the limits new files get and
// under the smallest ones the tests use.
// Usage: bench_vlk

#include "core/common/AppFolder.h"
#include "core/common/FileWriter.h"
#include "core/crypto/VlkFile.h"
#include "core/persistence/Campaign.h"

#include "support/MaximalCampaign.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include "BenchSupport.h"

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::best;
using Velmora::Bench::fail;
using Velmora::Bench::report;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(u"cannot read "_s + path);
    return file.readAll();
}

} // namespace

int main()
{
    QTemporaryDir dir;
    Campaign campaign(AppFolder(dir.path()));
    campaign.model = maximalCampaign();
    const QString plainPath = dir.filePath(u"max.vlf"_s);
    if (!campaign.SaveCampaign(plainPath, false))
        fail("cannot save the maximal campaign");
    const QByteArray plain = readAll(plainPath);
    const QString copyPath = dir.filePath(u"copy.vlf"_s);
    const QString lockedPath = dir.filePath(u"max.vlk"_s);
    std::printf("maximal campaign: %.1f MB\n", double(plain.size()) / 1e6);

    for (const auto &[name, limits] :
        { std::pair { "standard", VlkLimits::standard() }, std::pair { "smallest", VlkLimits::smallest() } }) {
        const double derive = best([&] {
            if (!VlkFile::newKey("a password of some length", limits))
                fail("cannot derive a key");
        });
        std::printf("key derivation, %-8s   %8.1f ms (%u passes, %llu MiB)\n", name, derive * 1e3, limits.opsLimit,
            static_cast<unsigned long long>(limits.memLimit >> 20));
    }

    const VlkKey key = std::move(VlkFile::newKey("pw", VlkLimits::smallest()).value());
    const double copyWrite = best([&] {
        if (!FileWriter::writeAtomically(copyPath, plain))
            fail("cannot write the copy");
    });
    const double lockWrite = best([&] {
        if (!VlkFile::write(lockedPath, plain, key))
            fail("cannot write the .vlk");
    });
    const double copyRead = best([&] { readAll(copyPath); });
    const double unlockRead = best([&] {
        // Reading and opening, with the smallest derivation, which is timed above on its own.
        const Result<VlkFile::Opened> opened = VlkFile::read(lockedPath, "pw");
        if (!opened || opened->plain != plain)
            fail("the .vlk does not open to the same bytes");
    });
    report("plain copy written", plain.size(), copyWrite);
    report("locked (.vlk) written", plain.size(), lockWrite);
    report("plain copy read", plain.size(), copyRead);
    report("unlocked (.vlk) read", plain.size(), unlockRead);
    std::printf("ratio write %.2f, read %.2f\n", lockWrite / copyWrite, unlockRead / copyRead);
    return 0;
}
