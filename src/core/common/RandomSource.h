#pragma once

#include <QtGlobal>

#include <random>

namespace Velmora {

/// The program-wide random generator: single-precision numbers r with 0 <= r < 1.
/// Tests pass a scripted source; the program uses MersenneRandomSource.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    /// The next r, 0 <= r < 1.
    virtual float next() = 0;
    virtual void seed(quint32 value) = 0;
    /// A roll of 1 to n: the whole part of n * r, plus 1.
    int roll(int n);
};

class MersenneRandomSource final : public RandomSource
{
public:
    explicit MersenneRandomSource(quint32 seed = 5489u);
    float next() override;
    void seed(quint32 value) override;

private:
    std::mt19937 m_engine;
};

} // namespace Velmora
