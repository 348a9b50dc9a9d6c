#include "engine/model/processmodel.h"

namespace zelvar {

void StepProcess(ProcessModel &/*process*/, int /*slot*/, EnginePlant &/*plant*/, const StepContext &/*context*/)
{
}

} // namespace zelvar
