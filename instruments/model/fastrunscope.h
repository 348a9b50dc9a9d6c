#pragma once

#include "engine/model/stepcontext.h"

namespace zelvar {

// Sets the fast-run flag for a batch run and clears it however the run ends.
class FastRunScope
{
public:
    explicit FastRunScope(StepContext &context)
        : m_context(context)
    {
        m_context.FastRunFlag = true;
    }
    ~FastRunScope() { m_context.FastRunFlag = false; }
    FastRunScope(const FastRunScope &) = delete;
    FastRunScope &operator=(const FastRunScope &) = delete;

private:
    StepContext &m_context;
};

} // namespace zelvar
