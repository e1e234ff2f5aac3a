#include "support/ScriptedRandomSource.h"

namespace Velmora {

ScriptedRandomSource::ScriptedRandomSource(QList<float> values)
    : m_values(std::move(values))
{
}

void ScriptedRandomSource::script(QList<float> values)
{
    m_values = std::move(values);
    m_at = 0;
}

float ScriptedRandomSource::next()
{
    ++calls;
    if (m_values.isEmpty())
        return 0.0f;
    const float value = m_values.at(qMin(m_at, m_values.size() - 1));
    ++m_at;
    return value;
}

void ScriptedRandomSource::seed(quint32 value)
{
    seeds << value;
}

} // namespace Velmora
