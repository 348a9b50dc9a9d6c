#pragma once

#include "documents/model/plant.h"
#include "examples/example.h"

#include <string>
#include <string_view>

namespace zelvar::examples {

// A text with its figures taken from the example's acceptance checks: every "{Name:d}" becomes
// the engine figure of the check Name with d decimals, in the language's decimal separator;
// "{c-Name*k:d}" is c - k x the figure (either part may be left out); "{picture.Name:d}" takes
// the check of the example with that gallery picture.
// Throws std::runtime_error on a check the example does not have or a malformed figure.
std::string WithFigures(std::string_view text, const ExamplePlant &example, Language language);

// The lessons page: its template with every "{picture.Name:d}" filled from that example's check.
std::string LessonsPageText();

} // namespace zelvar::examples
