// Speed of the RTF reader and writer against plain reading of the same bytes.
// Usage: bench_rtf [megabytes]  (default 8)

#include "BenchSupport.h"

#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"

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


/// Notes as a game master keeps them: paragraphs of many short runs in mixed formats, a few
/// non-ASCII letters, a bullet list now and then and a table every few hundred paragraphs.
RichTextDocument makeNotes(qint64 bytes)
{
    std::mt19937 random(4);
    const QString words[] = {u"goblin"_s, u"tavern"_s, u"sword"_s, u"the"_s, u"of"_s, u"café"_s, u"Ω-rune"_s,
                             u"Vess"_s, u"{braces}"_s, u"12 gp"_s, u"dragon's"_s, u"—"_s, u"north"_s, u"gate"_s};
    auto word = [&] { return words[random() % std::size(words)]; };
    RichTextDocument document;
    document.defaultFontFamily = u"Times New Roman"_s;
    qint64 estimate = 0;
    for (int n = 0; estimate < bytes; ++n) {
        if (n % 300 == 299) {
            RichTextTable table;
            for (int r = 0; r < 20; ++r) {
                RichTextTableRow row;
                for (int c = 0; c < 5; ++c) {
                    RichTextParagraph cell;
                    cell.runs << RichTextRun{word() + u' ' + word(), {}, {}};
                    row.cells << RichTextTableCell{{cell}, 1800 * (c + 1)};
                }
                table.rows << row;
            }
            document.blocks << table;
            estimate += 20 * 5 * 60;
            continue;
        }
        RichTextParagraph paragraph;
        if (n % 10 < 3) {
            paragraph.listKind = RichTextParagraph::ListKind::Bullet;
            paragraph.leftIndent = 720;
            paragraph.firstLineIndent = -360;
        }
        for (int r = 0, runs = 5 + int(random() % 30); r < runs; ++r) {
            RichTextRun run;
            for (int w = 0, count = 1 + int(random() % 8); w < count; ++w)
                run.text += word() + u' ';
            run.format.bold = random() % 4 == 0;
            run.format.italic = random() % 5 == 0;
            if (random() % 6 == 0)
                run.format.foreground = quint32(random() % 4) * 0x3F0000;
            if (random() % 10 == 0)
                run.format.fontFamily = u"Courier New"_s;
            estimate += run.text.size() + 12;
            paragraph.runs << run;
        }
        document.blocks << paragraph;
    }
    document.mergeRuns();
    return document;
}




} // namespace

int main(int argc, char **argv)
{
    const qint64 megabytes = argc > 1 ? std::atoll(argv[1]) : 8;
    const RichTextDocument notes = makeNotes(megabytes * 1000 * 1000);
    const QByteArray rtf = RtfWriter::write(notes);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"notes.rtf"_s);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size())
        fail(out.errorString());
    out.close();
    std::printf("RTF document: %.1f MB, %lld blocks, best of %d runs\n", double(rtf.size()) / 1e6,
                qlonglong(notes.blocks.size()), Bench::Runs);

    QByteArray bytes;
    report("plain read (QFile)", rtf.size(), best([] {}, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            fail(file.errorString());
        bytes = file.readAll();
    }));
    std::optional<RichTextDocument> read;
    // The document of the run before is dropped untimed.
    report("RtfReader::read", rtf.size(), best([&] { read.reset(); }, [&] { read = RtfReader().read(bytes); }));
    if (read != notes)
        fail(u"the document read back differs"_s);
    QByteArray written;
    report("RtfWriter::write", rtf.size(), best([&] { written.clear(); }, [&] { written = RtfWriter::write(notes); }));
    if (written != rtf)
        fail(u"writing twice gave different bytes"_s);
    return 0;
}
