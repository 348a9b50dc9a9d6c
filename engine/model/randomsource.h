#pragma once

#include <cstdint>
#include <random>

namespace zelvar {

// Random(n): a uniform whole number from 0 to n - 1 (0 when n < 1). The signal generator takes
// its draws from here, so tests can script them.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual int Random(int n) = 0;
};

// The program's source: seeded once when it is made.
class StandardRandomSource : public RandomSource
{
public:
    // Seeded from the system's entropy source.
    StandardRandomSource();
    explicit StandardRandomSource(std::uint32_t seed);

    int Random(int n) override;

private:
    std::mt19937 m_engine;
};

} // namespace zelvar
