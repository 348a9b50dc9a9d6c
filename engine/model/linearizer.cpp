#include "engine/model/linearizer.h"

namespace zelvar {

void StepLinearizer(Linearizer &/*linearizer*/, EnginePlant &/*plant*/, const StepContext &/*context*/)
{
}

} // namespace zelvar
