#pragma once

#include <QString>

#include <string_view>

namespace zelvar {

// The plant file's extension, added to a typed name that has none.
inline constexpr std::string_view kPlantFileExtension = ".smp";

// The name without its folder, with whatever extension it has ("/a.b/plant" gives "plant").
QString FileNamePart(const QString &path);

// Whether the file's own name holds a dot; a dot in a folder name does not count.
bool FileNameHasExtension(const QString &path);

// The name as typed, with ".smp" appended when the file's own name has no extension.
QString WithPlantFileExtension(const QString &path);

// An example's plant file: the start folder followed by the gallery's relative name, whose
// backslashes become "/".
QString ExampleFilePath(const QString &startFolder, std::string_view relativeName);

// A file that belongs to the open plant (its picture, its description), given by a name
// without a folder: beside the plant file first, then in the working folder unless that folder
// holds another plant's file. Empty when neither has it. An empty plant file is a new plant.
QString PlantCompanionFile(const QString &plantFile, const QString &name);

} // namespace zelvar
