#pragma once

#include <QList>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <vector>

namespace Velmora {

class clsZip_UnZip;
class clsZip_File;

/// One extraction of entries of an open archive below a target folder, with the checks that
/// keep a hostile archive from writing anywhere else or more than the limits allow.
class ZipExtractor
{
public:
    ZipExtractor(clsZip_UnZip &zip, QString target, bool useFolders, bool overwrite);

    /// True when every entry was extracted.
    bool run(const QList<int> &indexes);
    int extracted() const { return m_extracted; }

private:
    enum Outcome { Done, Skipped, Failed, Ended };

    Outcome extractOne(int index);
    Outcome checkEntry(const clsZip_File &file, int index, qint64 &dataStart);
    /// The folder and file name below the target, or empty when the name would leave it.
    QStringList safeParts(const QString &name) const;
    bool insideTarget(const QString &path) const;
    Outcome prepareFolder(const QString &folder, const QString &name);
    Outcome prepareFile(const QString &path);
    Outcome copyData(const clsZip_File &file, qint64 dataStart, QSaveFile &out);
    bool progressStops();
    qint64 dataLimit(int index) const;

    clsZip_UnZip &m_zip;
    QString m_target;
    QString m_canonicalTarget;
    bool m_useFolders;
    bool m_overwrite;
    int m_extracted = 0;
    int m_percent = 0;
    qint64 m_entry = 0; // the entry being extracted, of m_entries
    qint64 m_entries = 1;
    qint64 m_total = 0;
    std::vector<qint64> m_sortedOffsets;
};

} // namespace Velmora
