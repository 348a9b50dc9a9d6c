#include "engine/model/signalgenerator.h"

namespace zelvar {

void StepSignalGenerator(SignalGenerator &/*generator*/, EnginePlant &/*plant*/, const StepContext &/*context*/)
{
}

} // namespace zelvar
