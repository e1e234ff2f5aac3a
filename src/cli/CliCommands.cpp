#include "cli/CliCommands.h"

#include "core/common/Version.h"
#include "core/persistence/oIniFile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace Velmora {

CliCommands::CliCommands(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

int CliCommands::run(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return usage();
    const QString &command = arguments.first();
    if (command == u"version"_s && arguments.size() == 1)
        return version();
    if (command == u"ini"_s && arguments.size() == 2)
        return ini(arguments.at(1));
    return usage();
}

int CliCommands::usage()
{
    m_err << "usage: velmora-cli version | ini FILE" << Qt::endl;
    return 2;
}

int CliCommands::version()
{
    printJson(QJsonObject{{u"version"_s, Version::text()}});
    return 0;
}

} // namespace Velmora

namespace Velmora {

int CliCommands::ini(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        m_err << "velmora-cli: " << path << ": no such file" << Qt::endl;
        return 1;
    }
    oIniFile file;
    if (const auto error = file.init(path)) {
        m_err << "velmora-cli: " << path << ": " << error->message() << Qt::endl;
        return 1;
    }
    QJsonArray sections;
    for (const oSection &section : file.Sections()) {
        QJsonArray keys;
        for (const oKeyValue &keyValue : section.KeyValues())
            keys.append(QJsonObject{{u"key"_s, keyValue.Key()}, {u"value"_s, keyValue.Value()}});
        sections.append(QJsonObject{{u"name"_s, section.Name()}, {u"keys"_s, keys}});
    }
    printJson(QJsonObject{{u"sections"_s, sections}});
    return 0;
}

void CliCommands::printJson(const QJsonObject &object)
{
    m_out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    m_out.flush();
}

} // namespace Velmora
