#pragma once

#include <functional>

namespace zelvar {

// The gauge of a batch run or a load: called with 0-100 when the rounded value changes.
using ProgressCallback = std::function<void(int percent)>;

} // namespace zelvar
