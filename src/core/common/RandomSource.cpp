#include "core/common/RandomSource.h"

#include <cmath>

namespace Velmora {

int RandomSource::roll(int n)
{
    return static_cast<int>(std::floor(static_cast<float>(n) * next())) + 1;
}

MersenneRandomSource::MersenneRandomSource(quint32 seed)
    : m_engine(seed)
{
}

float MersenneRandomSource::next()
{
    // 24 random bits make every float in [0, 1) on the 2^-24 grid equally likely, and never 1.
    return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f);
}

void MersenneRandomSource::seed(quint32 value)
{
    m_engine.seed(value);
}

} // namespace Velmora
