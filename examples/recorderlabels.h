#pragma once

#include "documents/model/plant.h"

#include <string>
#include <vector>

namespace zelvar::examples {

// The pens of the plant's recorders whose labels would state a false value, one text each
// ("TR-101 pen 2: ..."). A recorder shows pens 1 and 2 in pen 1's range and unit, and pen 3 as
// percent of its memory's range followed by "%"; a pen is true when what it reads is on that
// scale. A setpoint memory M(60+k) is in percent of loop k's PV scale, not of its own range;
// the actuator positions are 0-100 %.
std::vector<std::string> MisstatedRecorderPens(const Plant &plant);

} // namespace zelvar::examples
