#include "engine/model/randomsource.h"

namespace zelvar {

StandardRandomSource::StandardRandomSource()
    : m_engine(std::random_device{}())
{}

StandardRandomSource::StandardRandomSource(std::uint32_t seed)
    : m_engine(seed)
{}

int StandardRandomSource::Random(int n)
{
    if (n < 1)
        return 0;
    std::uniform_int_distribution<int> distribution(0, n - 1);
    return distribution(m_engine);
}

} // namespace zelvar
