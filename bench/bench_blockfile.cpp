// Speed of the campaign block file against plain file reading and writing of the same bytes.
// Usage: bench_blockfile [megabytes]  (default 64)

#include "BenchSupport.h"

#include "core/common/FileWriter.h"
#include "core/persistence/oVLFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::best;
using Velmora::Bench::fail;
using Velmora::Bench::report;


namespace {


/// Many blocks of many short records, like the lists of a large campaign, a few non-ASCII.
oVLFile makeCampaign(qint64 bytes)
{
    std::mt19937 random(4);
    const QString alphabet = u"abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ;0123456789\u00e9\u20ac"_s;
    constexpr qint64 blockBytes = 32 * 1024;
    oVLFile vl;
    for (int b = 0; b < bytes / blockBytes; ++b) {
        QStringList items;
        for (qint64 size = 0; size < blockBytes - 200;) {
            QString item(20 + qsizetype(random() % 100), Qt::Uninitialized);
            for (QChar &c : item)
                c = alphabet.at(qsizetype(random() % quint32(alphabet.size())));
            item.front() = item.back() = u'x'; // edge blanks would not survive a round trip
            size += item.size() + 1;
            items.append(std::move(item));
        }
        vl.UpdateBlock(u"B%1"_s.arg(b, 5, 10, QChar(u'0')), items);
    }
    return vl;
}




} // namespace

int main(int argc, char **argv)
{
    const qint64 megabytes = argc > 1 ? std::atoll(argv[1]) : 64;
    QTemporaryDir dir;
    const QString campaign = dir.filePath(u"campaign.vlf"_s);
    const QString copy = dir.filePath(u"copy.vlf"_s);
    if (const Result<void> written = makeCampaign(megabytes * 1024 * 1024).WriteData(campaign); !written)
        fail(written.error().message);

    QByteArray bytes;
    const qint64 size = QFile(campaign).size();
    std::printf("campaign file: %.1f MB, best of %d runs\n", double(size) / 1e6, Bench::Runs);

    report("plain read (QFile)", size, best([] {}, [&] {
        QFile file(campaign);
        if (!file.open(QIODevice::ReadOnly))
            fail(file.errorString());
        bytes = file.readAll();
    }));
    std::unique_ptr<oVLFile> vl;
    report("ParseVLFile", size, best([&] { vl = std::make_unique<oVLFile>(); }, [&] {
        if (const Result<qint32> parsed = vl->ParseVLFile(campaign); !parsed)
            fail(parsed.error().message);
    }));

    report("plain write (QFile)", size, best([] {}, [&] {
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            fail(file.errorString());
    }));
    report("atomic write (FileWriter)", size, best([] {}, [&] {
        if (const Result<void> written = FileWriter::writeAtomically(copy, bytes); !written)
            fail(written.error().message);
    }));
    report("  of which building bytes", size, best([&] {
        vl = std::make_unique<oVLFile>();
        vl->ParseVLFile(campaign);
    }, [&] { vl->toBytes(); }));
    // A freshly read campaign: WriteData builds every block's text, as the first save does.
    report("WriteData", size, best([&] {
        vl = std::make_unique<oVLFile>();
        vl->ParseVLFile(campaign);
    }, [&] {
        if (const Result<void> written = vl->WriteData(copy); !written)
            fail(written.error().message);
    }));
    if (QFile(copy).size() != size)
        fail(u"WriteData wrote a different size"_s);
    return 0;
}
