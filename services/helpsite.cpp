#include "services/helpsite.h"

#include <QDir>
#include <QFileInfo>

namespace zelvar {

namespace {

bool holdsSite(const QString &folder)
{
    return QFileInfo::exists(folder + QStringLiteral("/index.html"));
}

} // namespace

QString FindHelpFolder(const QString &startFolder, const QString &programFolder)
{
    const QString inStartFolder = startFolder + QStringLiteral("/help");
    if (holdsSite(inStartFolder))
        return inStartFolder;
    QDir folder(programFolder);
    for (int level = 0; level < 5; ++level) {
        const QString candidate = folder.absoluteFilePath(QStringLiteral("resources/help"));
        if (holdsSite(candidate))
            return QDir::cleanPath(candidate);
        if (!folder.cdUp())
            break;
    }
    return {};
}

bool IsInternetConnected(const QString &helpFolder)
{
    return !helpFolder.isEmpty() && QFileInfo(helpFolder).isDir();
}

QUrl HelpPageUrl(const QString &helpFolder, const QString &pagePath)
{
    QString page = pagePath;
    if (!page.endsWith(QLatin1Char('/')))
        page += QLatin1Char('/');
    return QUrl::fromLocalFile(QDir::cleanPath(helpFolder + page + QStringLiteral("index.html")));
}

} // namespace zelvar
