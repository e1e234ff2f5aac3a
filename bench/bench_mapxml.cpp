// Speed of the map XML file's export and import against plain file writing and reading of the
// same bytes. Usage: bench_mapxml [maps] [markers of each kind]  (default 500 and 2000)

#include "BenchSupport.h"

#include "core/common/FileWriter.h"
#include "core/maps/MapXmlFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace Velmora;
using Velmora::Bench::best;
using Velmora::Bench::fail;
using Velmora::Bench::report;

namespace {

// A large campaign's collection: maps with grids, markers spread over them with icons, notes of
// a few sentences, some text that the writer must escape.
MapCollection makeCollection(int maps, int markers)
{
    MapCollection c;
    for (int m = 0; m < maps; ++m) {
        const QString key = u"Map %1"_s.arg(m);
        MapRecord record{u"\\Campaigns\\"_s + key + u".jpg"_s, m % 2 == 0, true, 20 + m % 10, 0, 255, u"0"_s, u"120"_s,
                         true, true};
        c.maps.append(MapEntry{key, u"Caf\u00e9 & \"map\" "_s + QString::number(m), record});
    }
    const QString note = u"The door is trapped: a <DC 20> Search finds it & the gnome's key opens it. "_s.repeated(3);
    for (int i = 0; i < markers; ++i) {
        const QString map = u"Map %1"_s.arg(i % maps);
        const float x = float(i % 4000) + 0.5f;
        const float y = float(i % 3000);
        c.players.append({u"Player %1"_s.arg(i), map, x, y, u"\\Campaigns\\MapIcons\\knight.ico"_s});
        c.objects.append({u"Object %1"_s.arg(i), map, x, y, u"\\Campaigns\\MapIcons\\chest.ico"_s, i % 2 == 0});
        c.notes.append({u"_%1"_s.arg(i + 1), note, map, x, y, u"\\Campaigns\\MapIcons\\note.ico"_s});
    }
    return c;
}

} // namespace

int main(int argc, char **argv)
{
    const int maps = argc > 1 ? std::atoi(argv[1]) : 500;
    const int markers = argc > 2 ? std::atoi(argv[2]) : 2000;
    if (maps < 1 || markers < 0)
        fail("usage: bench_mapxml [maps >= 1] [markers >= 0]");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"maps.xml"_s);
    const QString copy = dir.filePath(u"copy.xml"_s);
    const MapCollection collection = makeCollection(maps, markers);
    const QByteArray bytes = MapXmlFile::toBytes(collection);
    std::printf("%d maps, %d markers of each kind: %.1f MB, best of %d runs\n", maps, markers,
                double(bytes.size()) / 1e6, Bench::Runs);

    report("plain write (QFile)", bytes.size(), best([&] {
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            fail(file.errorString());
    }));
    report("atomic write (FileWriter)", bytes.size(), best([&] {
        if (const Result<void> written = FileWriter::writeAtomically(copy, bytes); !written)
            fail(written.error().message);
    }));
    report("export (MapXmlFile::write)", bytes.size(), best([&] {
        if (const Result<void> written = MapXmlFile::write(path, collection); !written)
            fail(written.error().message);
    }));

    report("plain read (QFile)", bytes.size(), best([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.readAll().size() != bytes.size())
            fail(file.errorString());
    }));
    // Over a collection of the same size, as an import replaces the open campaign's.
    MapCollection imported = collection;
    report("import (MapXmlFile::read)", bytes.size(), best([&] {
        const Result<MapXmlFile::Import> read = MapXmlFile::read(path, imported);
        if (!read || !read->stopped.isEmpty())
            fail(read ? read->stopped : read.error().message);
    }));
    if (imported != collection)
        fail("the import read back other rows than were exported");
    return 0;
}
