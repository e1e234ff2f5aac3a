#include "core/persistence/oIniFile.h"

#include "core/common/CodePage.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

// A settings file is a few hundred bytes; anything near this is not one.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

QString withoutComment(const QString &line)
{
    const qsizetype semicolon = line.indexOf(u';');
    return trimBlanks(semicolon < 0 ? line : line.left(semicolon));
}

bool isHeader(const QString &stripped)
{
    return stripped.startsWith(u'[') && stripped.indexOf(u']') == stripped.size() - 1;
}

} // namespace

Error oIniFile::error(int line, const QString &what) const
{
    return Error{m_path, line > 0 ? tr("line %1: %2").arg(line).arg(what) : what};
}

Result<void> oIniFile::init(const QString &path)
{
    m_path = path;
    if (path.isEmpty())
        return {};
    m_isInit = true;
    QFile file(path);
    if (!QFileInfo::exists(path))
        return error(0, tr("file not found: %1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        return error(0, tr("cannot read %1: %2").arg(path, file.errorString()));
    if (file.size() > MaxFileSize)
        return error(0, tr("%1 is too large for a settings file").arg(path));
    return parse(file.readAll());
}

Result<void> oIniFile::parse(const QByteArray &bytes)
{
    m_sections.clear();
    m_sectionStarts.clear();
    const QStringList lines = CodePage::toUnicode(bytes).split(u"\r\n"_s);

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString stripped = withoutComment(lines.at(i));
        if (stripped.isEmpty() || !isHeader(stripped))
            continue;
        const QString name = stripped.mid(1, stripped.size() - 2);
        if (m_sections.size() >= MaxSections)
            return error(int(i + 1), tr("more than %1 sections").arg(MaxSections));
        if (section(name))
            return error(int(i + 1), tr("section [%1] appears twice").arg(name));
        oSection added;
        added.setName(name);
        m_sections.append(added);
        m_sectionStarts.append(int(i));
    }

    for (qsizetype k = 0; k < m_sections.size(); ++k) {
        const int first = m_sectionStarts.at(k) + 1;
        const int end = k + 1 < m_sectionStarts.size() ? m_sectionStarts.at(k + 1) : int(lines.size());
        for (int i = first; i < end; ++i) {
            const QString &line = lines.at(i);
            if (line.isEmpty())
                continue;
            if (m_sections[k].appendKeyLine(line))
                continue;
            if (!line.contains(u'='))
                return error(i + 1, tr("no \"=\" in the key line \"%1\"").arg(line));
            return error(i + 1, tr("the key \"%1\" appears twice in [%2]")
                                    .arg(trimBlanks(line.section(u'=', 0, 0)), m_sections.at(k).Name()));
        }
    }
    return {};
}

const oSection *oIniFile::section(const QString &name) const
{
    for (const oSection &s : m_sections) {
        if (s.Name().compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

oSection *oIniFile::findSection(const QString &name)
{
    return const_cast<oSection *>(std::as_const(*this).section(name));
}

QString oIniFile::GetOneValue(const QString &sectionName, const QString &key) const
{
    const oSection *s = section(sectionName);
    const oKeyValue *keyValue = s ? s->find(key) : nullptr;
    return keyValue ? keyValue->Value() : QString();
}

void oIniFile::UpdateOneValue(const QString &sectionName, const QString &key, const QString &value)
{
    oSection *s = findSection(sectionName);
    if (!s) {
        oSection added;
        added.setName(sectionName);
        m_sections.append(added);
        s = &m_sections.last();
    }
    if (oKeyValue *keyValue = s->find(key)) {
        keyValue->setValue(value);
        return;
    }
    s->appendKeyLine(key + u'=' + value);
}

} // namespace Velmora
