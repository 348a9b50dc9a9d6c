#pragma once

#include "engine/model/engineplant.h"
#include "engine/model/stepcontext.h"

namespace zelvar {

// Sets the fast-run flag for a batch run and clears it however the run ends. The run's steps
// leave the faceplates as they were before it; on leaving, they show what the plant now runs
// (a setpoint step of the test signal included), whether or not the real-time tick goes on.
class FastRunScope
{
public:
    FastRunScope(StepContext &context, EnginePlant &plant)
        : m_context(context)
        , m_plant(plant)
    {
        m_context.FastRunFlag = true;
    }
    ~FastRunScope()
    {
        m_context.FastRunFlag = false;
        for (int slot = 1; slot <= m_plant.controllers.kCount; ++slot) {
            if (m_plant.controllers.IsPresent(slot))
                m_plant.controllers[slot].UpdateFaceplate();
        }
    }
    FastRunScope(const FastRunScope &) = delete;
    FastRunScope &operator=(const FastRunScope &) = delete;

private:
    StepContext &m_context;
    EnginePlant &m_plant;
};

} // namespace zelvar
