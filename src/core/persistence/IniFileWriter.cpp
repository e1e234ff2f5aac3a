#include "core/persistence/IniFileWriter.h"

#include "core/common/CodePage.h"

using namespace Qt::StringLiterals;

namespace Velmora {

QByteArray IniFileText(const oIniFile &ini)
{
    QString text;
    for (const oSection &section : ini.Sections()) {
        text += u'[' + section.Name() + u"]\r\n"_s;
        for (const oKeyValue &keyValue : section.KeyValues())
            text += keyValue.Key() + u'=' + keyValue.Value() + u"\r\n"_s;
        text += u"\r\n"_s;
    }
    return CodePage::fromUnicode(text);
}

Result<void> WriteIniFile(const oIniFile &ini, const QString &path)
{
    return FileWriter::writeAtomically(path, IniFileText(ini));
}

} // namespace Velmora
