#pragma once

#include "documents/model/plant.h"
#include "engine/model/language.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zelvar {

// How the plant reader was called: through the open dialog, or with an example path.
struct PlantReadOptions
{
    Language language = Language::Portuguese;
    // The plant file's name without folder and extension: the title of an untitled file.
    std::string fileBaseName;
    // Puts into the memories what the restored states imply before the first step, so a
    // plant saved at rest opens at rest. Off only to see what the file alone gives.
    bool settleRestoredStates = true;
    // The plant being replaced: what lives as long as the program (the signal generator's
    // working values, the XY recorder's choices, the actuator-position descriptions) carries
    // over from it.
    const Plant *previous = nullptr;
    // Percent done, at the points a progress bar shows.
    std::function<void(int)> progress;
};

struct PlantReadResult
{
    // Filled only on success; a failed read never leaves a half-loaded plant.
    std::unique_ptr<Plant> plant;
    // On failure: the line number (1-based) and the problem.
    int errorLine = 0;
    std::string error;
    // Messages the objects' Apply steps report while loading, in order.
    std::vector<std::string> applyMessages;

    bool Succeeded() const { return plant != nullptr; }
};

// The plant file's text: Windows-1252, CRLF, in the fixed order of sections.
std::string WritePlantText(const Plant &plant, Language language);

// Reads a plant file's bytes into a fresh plant.
PlantReadResult ReadPlantText(std::string_view bytes, const PlantReadOptions &options);

// Reads a file from disk (the plant's name for an untitled file comes from the path); a
// missing file, a folder or a file that cannot be read is a failure with line 0.
PlantReadResult ReadPlantFile(const std::string &path, PlantReadOptions options);
PlantReadResult ReadPlantFile(const std::string &path, Language language);

// ChoosePlantPicture: the chosen bitmap's name without its folder, which the plant stores
// (a "/" or "\\" ends the folder, whatever the platform).
std::string PictureFileNameOf(std::string_view chosenPath);

// Writes atomically: a temporary file beside the target (the file a symbolic link points to),
// written, forced to the disk and closed with every result checked, then renamed over it. On
// failure the old file stays whole and error names the plant file.
bool SavePlantFile(const Plant &plant,
                   const std::string &path,
                   Language language,
                   std::string &error);

} // namespace zelvar
