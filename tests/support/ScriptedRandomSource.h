#pragma once

#include "core/common/RandomSource.h"

#include <QList>

namespace Velmora {

/// Returns scripted values in order (then repeats the last one); records seeds.
class ScriptedRandomSource final : public RandomSource
{
public:
    explicit ScriptedRandomSource(QList<float> values = {});
    void script(QList<float> values);
    float next() override;
    void seed(quint32 value) override;

    QList<quint32> seeds;
    int calls = 0;

private:
    QList<float> m_values;
    qsizetype m_at = 0;
};

} // namespace Velmora
