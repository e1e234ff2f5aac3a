#include "core/persistence/oSection.h"

namespace Velmora {

void oSection::setName(const QString &name)
{
    if (name.isEmpty())
        return;
    m_name = name;
    m_isNameSet = true;
}

void oSection::Reset()
{
    m_keyValues.clear();
    m_index.clear();
}

std::optional<qsizetype> oSection::InitKeys(const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!appendKeyLine(lines.at(i)))
            return i;
    }
    return std::nullopt;
}

bool oSection::appendKeyLine(const QString &line)
{
    oKeyValue keyValue;
    if (!keyValue.init(line))
        return false;
    const QString lookup = keyValue.Key().toLower();
    if (m_index.contains(lookup))
        return false;
    m_index.insert(lookup, m_keyValues.size());
    m_keyValues.append(keyValue);
    return true;
}

const oKeyValue *oSection::find(const QString &key) const
{
    const auto it = m_index.constFind(key.toLower());
    return it == m_index.constEnd() ? nullptr : &m_keyValues.at(*it);
}

oKeyValue *oSection::find(const QString &key)
{
    const auto it = m_index.constFind(key.toLower());
    return it == m_index.constEnd() ? nullptr : &m_keyValues[*it];
}

} // namespace Velmora
