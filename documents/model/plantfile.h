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

// The largest plant file the reader takes: far beyond any real plant (a full one is a few
// hundred kilobytes), small enough that reading one costs nothing noticeable.
constexpr std::size_t kMaxPlantFileBytes = 16 * 1024 * 1024;

// The plant file's text: Windows-1252, CRLF, in the fixed order of sections.
std::string WritePlantText(const Plant &plant, Language language);

// Reads a plant file's bytes into a fresh plant. Bytes over kMaxPlantFileBytes, or plainly not
// a plant (a NUL byte, or none of the plant file's section lines), are a failure with line 0
// before anything is read. The title is cut as memory texts are.
PlantReadResult ReadPlantText(std::string_view bytes, const PlantReadOptions &options);

// Reads a file from disk (the plant's name for an untitled file comes from the path); a
// missing file, anything but a regular file (a folder, a pipe, a device, checked before it is
// opened), a file over kMaxPlantFileBytes (checked before it is read) or a file that cannot be
// read is a failure with line 0.
PlantReadResult ReadPlantFile(const std::string &path, PlantReadOptions options);
PlantReadResult ReadPlantFile(const std::string &path, Language language);

// ChoosePlantPicture: the chosen bitmap's name without its folder, which the plant stores
// (a "/" or "\\" ends the folder, whatever the platform).
std::string PictureFileNameOf(std::string_view chosenPath);

// The writer's temporary file for a plant file name: "<plant name>.<drawn>.tmp", with the plant
// name cut, never inside a character, so that the whole fits the longest name a folder takes.
std::string TemporaryFileName(std::string_view plantName, std::string_view drawn);

// A name for the writer's temporary file, without folder; called again while the name taken is
// already in use.
using TemporaryNameSource = std::function<std::string()>;

// Writes atomically: a temporary file beside the target (the plant file, or the regular file a
// symbolic link at its name points to; a dangling link is itself replaced), created new under
// an unpredictable name without following a link, written, forced to the disk and closed with
// every result checked, then renamed over the target. The target's permission bits carry
// over, and its owner and group where the process may set them. Anything but a regular file
// at the target, or a target that nobody may write, is not replaced. On failure the old file
// stays whole, the temporary file is gone and error names the plant file.
bool SavePlantFile(const Plant &plant,
                   const std::string &path,
                   Language language,
                   std::string &error,
                   const TemporaryNameSource &temporaryNames = {});

} // namespace zelvar
