#include "core/documents/CustomClasses.h"

#include "core/common/AppFolder.h"
#include "core/common/CodePage.h"

#include <QCoreApplication>
#include <QFile>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("CustomClasses", text); }

// Why a line cannot be a class, or "" when it can.
QString problemOf(const QStringList &fields)
{
    if (fields.size() < 3)
        return tr("three fields are needed: standard or prestige, the class name, its document");
    const QString kind = fields.at(0).trimmed().toLower();
    if (kind != u"standard"_s && kind != u"prestige"_s)
        return tr("the first field is \"%1\", not standard or prestige").arg(fields.at(0).trimmed());
    if (fields.at(1).trimmed().isEmpty())
        return tr("the class has no name");
    // A campaign keeps its classes as ";"-separated records that end with the name.
    if (fields.at(1).contains(u';'))
        return tr("a class name cannot hold \";\"");
    return {};
}

} // namespace

QString CustomClasses::path(const AppFolder &folder) { return folder.file(u"Documents/AllCustomClasses.dat"_s); }

CustomClasses::Reading CustomClasses::parse(const QByteArray &bytes)
{
    Reading reading;
    const QStringList lines = CodePage::toUnicode(bytes).split(u'\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = lines.at(number).endsWith(u'\r') ? lines.at(number).chopped(1) : lines.at(number);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u',');
        if (const QString problem = problemOf(fields); !problem.isEmpty()) {
            reading.problems << tr("line %1: %2").arg(number + 1).arg(problem);
            continue;
        }
        reading.classes << ClassEntry { fields.at(0).trimmed().toLower() == u"prestige"_s,
            fields.mid(2).join(u',').trimmed(), fields.at(1).trimmed() };
    }
    return reading;
}

CustomClasses::Reading CustomClasses::read(const AppFolder &folder)
{
    QFile file(path(folder));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return { {}, { tr("the file cannot be read: %1").arg(file.errorString()) } };
    return parse(file.readAll());
}

} // namespace Velmora
