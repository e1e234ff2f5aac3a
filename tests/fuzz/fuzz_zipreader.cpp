// ZIP archives from any bytes: opening, listing and extracting must neither crash nor hang nor
// write outside the target folder, and every file left in the target is one the reader reports
// as extracted (no partial or temporary file stays).

#include "core/archive/clsZip_UnZip.h"

#include "FuzzSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace Velmora;

namespace {

int filesBelow(const QString &folder)
{
    int count = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    for (; it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString archive = dir.filePath(u"input.zip"_s), target = dir.filePath(u"target"_s);
    const QString outside = dir.filePath(u"outside"_s);
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    QDir().mkpath(outside);
    QFile::link(outside, target + u"/link"_s);
    {
        QFile file(archive);
        Fuzz::require(file.open(QIODevice::WriteOnly) && file.write(Fuzz::bytes(data, size)) == qint64(size));
    }
    clsZip_UnZip unzip;
    unzip.SetMaxTotalSize(qint64(16) << 20);
    if (!unzip.ZipOpen(archive)) {
        Fuzz::require(!unzip.ZipIsOpen() && unzip.FileCount() == 0);
        return 0;
    }
    for (int i = 0; i < unzip.FileCount(); ++i)
        unzip.FileDateAndTime(i);
    unzip.ExtractAllFiles(target, true, false);
    Fuzz::require(filesBelow(outside) == 0);
    Fuzz::require(filesBelow(target) == unzip.ExtractedCount());
    return 0;
}
