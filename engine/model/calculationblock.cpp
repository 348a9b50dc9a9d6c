#include "engine/model/calculationblock.h"

namespace zelvar {

void StepBlock(CalculationBlock &/*block*/, EnginePlant &/*plant*/, const StepContext &/*context*/)
{
}

} // namespace zelvar
