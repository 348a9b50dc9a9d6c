#include "workspace/ui/plantfilenames.h"

#include "services/uitext.h"

#include <QDir>
#include <QFileInfo>

namespace zelvar {

QString FileNamePart(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

bool FileNameHasExtension(const QString &path)
{
    return FileNamePart(path).contains(QLatin1Char('.'));
}

QString WithPlantFileExtension(const QString &path)
{
    return FileNameHasExtension(path) ? path : path + toQString(kPlantFileExtension);
}

QString ExampleFilePath(const QString &startFolder, std::string_view relativeName)
{
    QString relative = toQString(relativeName);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString folder = startFolder;
    while (folder.endsWith(QLatin1Char('/')) && relative.startsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder + relative;
}

QString PlantCompanionFile(const QString &plantFile, const QString &name)
{
    const QFileInfo plant(plantFile);
    if (!plantFile.isEmpty()) {
        const QFileInfo beside(plant.absoluteDir(), name);
        if (beside.isFile())
            return beside.filePath();
    }
    const QDir working = QDir::current();
    const QFileInfo here(working, name);
    if (!here.isFile())
        return {};
    // A gallery open leaves the working folder where an earlier plant was opened.
    const QString pattern = QLatin1Char('*') + toQString(kPlantFileExtension);
    for (const QFileInfo &other : working.entryInfoList({pattern}, QDir::Files)) {
        if (plantFile.isEmpty() || other.canonicalFilePath() != plant.canonicalFilePath())
            return {};
    }
    return here.filePath();
}

} // namespace zelvar
