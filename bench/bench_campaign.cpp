// Loading and saving the largest campaign (every block filled, 32767 Battle Box entries),
// headless, beside a plain read and write of the same bytes.
// Usage: bench_campaign

#include "BenchSupport.h"

#include "core/common/AppFolder.h"
#include "core/persistence/Campaign.h"

#include "support/MaximalCampaign.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::best;
using Velmora::Bench::fail;
using Velmora::Bench::report;


namespace {





} // namespace

int main()
{
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    const QString path = dir.filePath(u"maximal.vlf"_s);
    const QString copy = dir.filePath(u"copy.vlf"_s);
    Campaign campaign(folder);
    campaign.model = maximalCampaign();
    if (const Result<void> saved = campaign.SaveCampaign(path, false); !saved)
        fail(saved.error().message);
    const qint64 size = QFile(path).size();
    std::printf("maximal campaign: %.1f MB, best of %d runs\n", double(size) / 1e6, Bench::Runs);

    QByteArray bytes;
    report("plain read", size, best([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            fail(file.errorString());
        bytes = file.readAll();
    }));
    report("LoadCampaignFile", size, best([&] {
        if (!campaign.LoadCampaignFile(path).readable)
            fail(u"the maximal campaign did not load"_s);
    }));
    report("plain write", size, best([&] {
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            fail(file.errorString());
    }));
    // Each save rebuilds the blocks from the model, as a save after editing does.
    report("SaveCampaign", size, best([&] {
        if (const Result<void> saved = campaign.SaveCampaign(copy, true); !saved)
            fail(saved.error().message);
    }));
    return 0;
}
