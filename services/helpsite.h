#pragma once

#include <QString>
#include <QUrl>

namespace zelvar {

// The help site ships with the program as a folder of pages; a page path such as "/aulas"
// is the folder "aulas" with its index.html.
inline constexpr char kHelpHomePage[] = "/";
inline constexpr char kHelpVideoLessonsPage[] = "/video_aulas";
inline constexpr char kHelpLessonsPage[] = "/aulas";

// The site: "help" in the start folder, else resources/help found upwards from the program's
// folder (a build tree beside the sources). Empty when neither exists.
QString FindHelpFolder(const QString &startFolder, const QString &programFolder);

// Whether the site can be reached: the bundled folder exists.
bool IsInternetConnected(const QString &helpFolder);

// The address of a page of the site.
QUrl HelpPageUrl(const QString &helpFolder, const QString &pagePath);

} // namespace zelvar
