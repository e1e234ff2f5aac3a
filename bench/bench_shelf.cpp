// Opening the largest shipped document into the editor and saving it back, beside the RTF
// reader alone: what a click on a shelf item costs, and how much of it is the editor's.
// Usage: bench_shelf [data folder]  (default: the shipped data)

#include "core/common/AppFolder.h"
#include "core/documents/RtfReader.h"
#include "core/documents/RtfWriter.h"
#include "gui/documents/RichTextConverter.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>

#include "BenchSupport.h"

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::best;
using Velmora::Bench::fail;
using Velmora::Bench::report;

namespace {

QString largestDocument(const QString &root)
{
    QString largest;
    qint64 size = -1;
    for (QDirIterator it(root, { u"*.rtf"_s }, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo file = it.nextFileInfo();
        if (file.size() > size)
            largest = file.filePath(), size = file.size();
    }
    return largest;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString path = largestDocument(argc > 1 ? QString::fromLocal8Bit(argv[1]) : AppFolder::shippedDataDir());
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        fail(u"no shipped document found"_s);
    const QByteArray rtf = file.readAll();
    std::printf("%s: %.1f kB, best of %d runs\n", qPrintable(path), double(rtf.size()) / 1e3, Bench::Runs);

    std::optional<RichTextDocument> read;
    report("RtfReader::read", rtf.size(), best([&] { read.reset(); }, [&] { read = RtfReader().read(rtf); }));
    if (!read)
        fail(path + u": not readable"_s);
    // Opening reads the file and builds the editor's document; saving converts it back and writes.
    QTextDocument editor;
    report("open into the editor", rtf.size(),
        best([&] { editor.clear(); }, [&] { RichTextConverter::toQTextDocument(*RtfReader().read(rtf), editor); }));
    QByteArray saved;
    report("save from the editor", rtf.size(),
        best([&] { saved.clear(); }, [&] { saved = RtfWriter::write(RichTextConverter::fromQTextDocument(editor)); }));
    if (RtfReader().read(saved)->toPlainText() != read->toPlainText())
        fail(u"the text saved back differs from the text opened"_s);
    return 0;
}
