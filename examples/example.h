#pragma once

#include "documents/model/plant.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QPainter;

namespace zelvar::examples {

class PlantBuilder;
class PidPainter;

// One acceptance check of an example plant. measure gets the plant as the program opens it
// (read from its file, in Portuguese) and returns one figure. The check passes when the figure
// lies within [low, high]; engine is the figure this engine produced when the check was
// written, kept beside the design's own figure so that a change of behaviour shows.
struct AcceptanceCheck
{
    std::string name; // a test row's name: letters and digits only
    std::function<double(Plant &)> measure;
    double design = 0.0;
    double engine = 0.0;
    double low = 0.0;
    double high = 0.0;
};

// The texts of the comment pane's description file, in one language.
struct ExampleDescription
{
    std::string purpose;
    std::vector<std::string> exercises;
};

// One example plant: how to build it, its picture, its texts and its checks. The gallery entry
// with the same picture gives its folder, file name and titles.
struct ExamplePlant
{
    std::string picture; // the gallery picture's name, e.g. "sim18"
    std::function<void(PlantBuilder &)> build;
    std::function<void(PidPainter &)> drawBackground;
    // Plant time stepped after building, so the file holds a plant at rest in its modes.
    double warmUpSeconds = 1200.0;
    // The comment pane's lines in each language (both go into the plant file).
    std::vector<std::string> commentsPortuguese;
    std::vector<std::string> commentsEnglish;
    ExampleDescription descriptionPortuguese;
    ExampleDescription descriptionEnglish;
    std::vector<AcceptanceCheck> checks;
    // Memories that after opening run apart from the unsaved plant by what the file cannot
    // hold (a sine's counter, the moment of a valve's next slip), left out of that check.
    std::vector<int> movingAfterOpening;
};

// Adds an example to the registry; a plant file does it once with a namespace-scope
// `const bool registered = RegisterExample(...)`.
bool RegisterExample(ExamplePlant (*make)());

// Every registered example, in gallery order.
const std::vector<ExamplePlant> &RegisteredExamples();
const ExamplePlant *FindExample(std::string_view picture);

} // namespace zelvar::examples
