#pragma once

#include "services/helpsite.h"

#include <QString>
#include <QUrl>

namespace zelvar {

// The object windows' help pages are sections of one page of the help site.
inline constexpr char kProcessHelpPage[] = "/simulador/objetos_simulacao/#bloco_processo";
inline constexpr char kBlockHelpPage[] = "/simulador/objetos_simulacao/#bloco_calculo";

// A page path with an optional "#section": the page's address with the section as fragment.
inline QUrl ObjectHelpPageUrl(const QString &helpFolder, const QString &pagePath)
{
    const qsizetype hash = pagePath.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return HelpPageUrl(helpFolder, pagePath);
    QUrl url = HelpPageUrl(helpFolder, pagePath.left(hash));
    url.setFragment(pagePath.mid(hash + 1));
    return url;
}

} // namespace zelvar
