#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zelvar {

// The pictures that ship inside the program ("gallery/sim18.png", "pictures/splash.png").
QPixmap LoadPicture(const QString &name);
QIcon LoadIcon(const QString &name);

} // namespace zelvar
