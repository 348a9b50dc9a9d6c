#include "engine/model/controller.h"

namespace zelvar {

void StepController(Controller &/*controller*/, EnginePlant &/*plant*/, const StepContext &/*context*/)
{
}

} // namespace zelvar
