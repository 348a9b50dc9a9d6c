#pragma once

#include <QCoreApplication>
#include <QPointer>

namespace zelvar {

// An event filter of the type over the whole application, made once: later calls (a new session
// in the same run) do nothing.
template<typename Filter> void InstallApplicationFilterOnce()
{
    static QPointer<Filter> installed;
    QCoreApplication *application = QCoreApplication::instance();
    if (installed || !application)
        return;
    installed = new Filter(application);
    application->installEventFilter(installed);
}

} // namespace zelvar
