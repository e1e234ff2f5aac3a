// Speed of the whole-campaign search against plain reading of the documents it searches.
// Usage: bench_search [documents] [kilobytes]  (default 200 documents of 50 KB)

#include "BenchSupport.h"

#include "core/documents/RtfWriter.h"
#include "core/persistence/CampaignModel.h"
#include "core/search/CampaignSearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::best;
using Velmora::Bench::fail;
using Velmora::Bench::report;

namespace {

/// A rules document of about `bytes` of RTF: paragraphs of a few runs, some bold, and one
/// "dragon", which the search looks for.
QByteArray makeDocument(std::mt19937 &random, qint64 bytes)
{
    const QString words[] = {u"goblin"_s, u"tavern"_s, u"sword"_s, u"the"_s, u"of"_s, u"café"_s, u"drake"_s,
        u"Vess"_s, u"12 gp"_s, u"north"_s, u"gate"_s, u"armour"_s, u"saving"_s, u"throw"_s};
    RichTextDocument document;
    RichTextParagraph title;
    title.runs << RichTextRun{u"Where the blue dragon sleeps"_s, {}, {}};
    document.blocks << title;
    QByteArray rtf;
    while (rtf.size() < bytes) {
        for (int p = 0; p < 20; ++p) {
            RichTextParagraph paragraph;
            for (int r = 0, runs = 2 + int(random() % 5); r < runs; ++r) {
                RichTextRun run;
                for (int w = 0, count = 3 + int(random() % 12); w < count; ++w)
                    run.text += words[random() % std::size(words)] + u' ';
                run.format.bold = random() % 4 == 0;
                paragraph.runs << run;
            }
            document.blocks << paragraph;
        }
        rtf = RtfWriter::write(document);
    }
    return rtf;
}

} // namespace

int main(int argc, char **argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 200;
    const qint64 kilobytes = argc > 2 ? std::atoll(argv[2]) : 50;
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    if (!QDir().mkpath(dir.filePath(u"Documents"_s)))
        fail(u"no Documents folder"_s);
    CampaignModel model = CampaignModel::newCampaign();
    model.classes.clear();
    model.articles.clear();
    model.netBooks.clear();
    QStringList files;
    qint64 total = 0;
    std::mt19937 random(7);
    for (int n = 0; n < count; ++n) {
        const QString stored = u"\\Documents\\Book %1.rtf"_s.arg(n);
        const QByteArray rtf = makeDocument(random, kilobytes * 1000);
        QFile out(folder.storedFile(stored));
        if (!out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size())
            fail(out.errorString());
        files << out.fileName();
        total += rtf.size();
        model.netBooks << Shortcut{u"Book %1"_s.arg(n), stored};
    }
    std::printf("%d documents, %.1f MB in all, best of %d runs\n", count, double(total) / 1e6, Bench::Runs);

    report("read the files (QFile)", total, best([&] {
        for (const QString &path : files) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly) || file.readAll().isEmpty())
                fail(file.errorString());
        }
    }));
    const CampaignSearch search(folder);
    QList<SearchHit> hits;
    report("CampaignSearch::Search", total, best([&] { hits.clear(); }, [&] {
        hits = search.Search(model, u"dragon"_s, {true, false});
    }));
    if (hits.size() != count)
        fail(u"%1 matches in %2 documents"_s.arg(hits.size()).arg(count));
    std::printf("%lld matches\n", qlonglong(hits.size()));
    return 0;
}
