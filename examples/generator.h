#pragma once

#include "documents/model/plant.h"
#include "engine/model/language.h"
#include "examples/example.h"

#include <QImage>
#include <QString>

#include <memory>
#include <string>

namespace zelvar {
class PlantView;
}

namespace zelvar::examples {

// Where an example's files lie below the resources folder: the folder and plant file of its
// gallery entry, the background picture beside the plant file, the description file, and the
// gallery picture.
struct ExampleFiles
{
    QString folder;      // "examples/basic flow loop"
    QString plantFile;   // "examples/basic flow loop/basic flow loop.smp"
    QString pictureName; // "basic flow loop.png", as the plant file names it
    QString description; // "examples/basic flow loop/descricao.rtf"
    QString gallery;     // "gallery/sim18.png"
};
ExampleFiles FilesOf(const ExamplePlant &example);

// The plant built, applied and run to rest: what the plant file holds.
std::unique_ptr<Plant> BuildPlant(const ExamplePlant &example);

// The plant file's bytes, with both comment blocks.
std::string PlantFileText(const ExamplePlant &example, Plant &plant);

// The comment pane's description in rich text, Portuguese then English; a folder that several
// plants share describes each of them.
std::string DescriptionText(const ExamplePlant &example);

QImage BackgroundPicture(const ExamplePlant &example);

// A plant file opened offscreen on its plant picture as the program shows it in the language
// (background, icons and instruments at rest). Throws std::runtime_error when the file does not
// open without a message.
class OpenedPicture
{
public:
    OpenedPicture(const QString &plantPath, Language language);
    ~OpenedPicture();
    OpenedPicture(const OpenedPicture &) = delete;
    OpenedPicture &operator=(const OpenedPicture &) = delete;

    PlantView &view();
    Plant &plant();
    QImage Grab();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

// The gallery picture: the plant file opened on a plant picture offscreen as the program shows
// it (background, icons, instruments), scaled to the gallery's size.
QImage GalleryPicture(const QString &plantPath);

// Writes the example's four files below the resources folder. Throws std::runtime_error when a
// setting is refused or a file cannot be written.
void WriteExample(const ExamplePlant &example, const QString &resourcesFolder);

// The lessons page below the resources folder, and writing it there (its figures from every
// example's checks).
QString LessonsPagePath();
void WriteLessonsPage(const QString &resourcesFolder);

} // namespace zelvar::examples
