#include "workspace/ui/plantfilenames.h"

#include "services/uitext.h"

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

} // namespace zelvar
